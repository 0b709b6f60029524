#include "settings/ini_values.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "settings/text_case.h"
#include "settings/text_encoding.h"

namespace mouse {
namespace {

TEST(IniValues, FormatsIntegersAsPercentD) {
  const std::pair<std::int32_t, std::u16string> cases[] = {{0, u"0"},
                                                           {-1, u"-1"},
                                                           {255, u"255"},
                                                           {INT32_MAX, u"2147483647"},
                                                           {INT32_MIN, u"-2147483648"}};
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(FormatInt(value), text) << value;
  }
}

TEST(IniValues, ParsesNumbersTheWayWindowsDoes) {
  const std::pair<std::u16string, std::int32_t> cases[] = {
      {u"42", 42},
      {u"-1", -1},
      {u"  \t+17", 17},
      {u"12abc", 12},
      {u"abc", 0},
      {u"-", 0},
      {u"0x1F", 0},
      {u"3.9", 3},
      {u"4294967295", -1},  // wraps in 32 bits
      {u"2147483648", INT32_MIN},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(ParseLeadingInt(text), value) << ToUtf8(text);
  }
}

TEST(IniValues, ByteRecordsCarryTheirSum) {
  const std::uint8_t bytes[] = {0x00, 0xFF, 0x10, 0xA5};
  const std::u16string text = FormatByteRecord(bytes, sizeof bytes);
  // 0xFF + 0x10 + 0xA5 = 0x1B4 -> 0xB4
  EXPECT_EQ(text, u"00FF10A5B4");
  const auto parsed = ParseByteRecord(text, sizeof bytes);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(*parsed, std::vector<std::uint8_t>(std::begin(bytes), std::end(bytes)));
  EXPECT_TRUE(ParseByteRecord(u"00ff10a5b4", sizeof bytes)) << "lower case is accepted";
}

TEST(IniValues, DamagedByteRecordsAreRejected) {
  const std::u16string rejected[] = {
      u"00FF10A5B5",    // wrong sum
      u"00FF10A5",      // too short
      u"00FF10A5B400",  // too long
      u"00FG10A5B4",    // not hexadecimal
      u"",
  };
  for (const auto& text : rejected) {
    EXPECT_FALSE(ParseByteRecord(text, 4)) << ToUtf8(text);
  }
}

TEST(IniValues, StringsSurviveTheReadersTrimmingAndQuoteStripping) {
  const std::u16string values[] = {
      u"Profile",
      u"C:\\Games\\Arena\\ARENA.EXE ",
      u"  leading",
      u"\"quoted\"",
      u"'single'",
      u"\"",
      u"a \"middle\" quote",
      u"",
      u" ",
      u"\U0001F3AE Gamer \u00E9\u4E2D",
  };
  for (const auto& value : values) {
    const std::u16string stored = QuoteStringValue(value);
    // The reader sees the stored text trimmed, then strips one pair of quotes.
    const std::u16string_view seen = TrimWhiteSpace(stored);
    EXPECT_EQ(std::u16string(UnquoteStringValue(seen)), value) << ToUtf8(value);
  }
  EXPECT_EQ(QuoteStringValue(u"plain"), u"plain") << "ordinary text is stored as it is";
}

TEST(IniValues, LineBreaksCannotBreakTheFile) { EXPECT_EQ(QuoteStringValue(u"a\r\nb"), u"a  b"); }

}  // namespace
}  // namespace mouse
