#include "settings/text_encoding.h"

#include <gtest/gtest.h>

namespace mouse {
namespace {

TEST(TextEncoding, Utf8RoundTripsEveryPlane) {
  const std::u16string text = u"Profile \u00E9\u20AC\u4E2D\U0001F3AE";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(ToUtf8(u"\u20AC"), "\xE2\x82\xAC");
}

TEST(TextEncoding, InvalidUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(FromUtf8("a\xFF"
                     "b"),
            u"a\uFFFDb");
  EXPECT_EQ(FromUtf8("\xE2\x82"), u"\uFFFD\uFFFD");
  EXPECT_EQ(FromUtf8("\xC0\x80"), u"\uFFFD") << "overlong forms are refused";
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), u"\uFFFD") << "encoded surrogates are refused";
}

TEST(TextEncoding, Utf16LeBytes) {
  EXPECT_EQ(ToUtf16LeBytes(u"A\u20AC"), std::string("A\0\xAC\x20", 4));
  EXPECT_EQ(FromUtf16LeBytes(std::string("A\0\xAC\x20\x01", 5)), u"A\u20AC");
}

TEST(TextEncoding, CodePage1252) {
  const CodePage1252 cp;
  EXPECT_EQ(cp.Decode("caf\xE9 \x80 \x81"), u"caf\u00E9 \u20AC \u0081");
  EXPECT_EQ(cp.Encode(u"caf\u00E9 \u20AC \u0081"), "caf\xE9 \x80 \x81");
  EXPECT_EQ(cp.Encode(u"\u4E2D\U0001F3AE"), "??") << "one '?' per missing character";
}

TEST(TextEncoding, AnsiPrefixNeverSplitsACharacter) {
  // A double-byte code page stand-in: every character above 0x7F takes two bytes.
  class DoubleByte final : public AnsiCodePage {
   public:
    std::u16string Decode(std::string_view) const override { return {}; }
    std::string Encode(std::u16string_view text) const override {
      std::string out;
      for (char16_t c : text) out += c < 0x80 ? std::string(1, static_cast<char>(c)) : "\x82\xA0";
      return out;
    }
  };
  const DoubleByte cp;
  EXPECT_EQ(EncodeAnsiPrefix(cp, u"ab\u3042\u3042", 5), "ab\x82\xA0");
  EXPECT_EQ(EncodeAnsiPrefix(cp, u"abc\u3042", 4), "abc");
  EXPECT_EQ(EncodeAnsiPrefix(CodePage1252(), u"abcdef", 23), "abcdef");
}

}  // namespace
}  // namespace mouse
