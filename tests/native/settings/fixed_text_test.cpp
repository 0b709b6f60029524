#include "settings/fixed_text.h"

#include <gtest/gtest.h>

namespace mouse {
namespace {

TEST(FixedText, CutsToFitAndTerminates) {
  char16_t field[5];
  std::fill(std::begin(field), std::end(field), u'x');
  SetFixedText(field, u"abcdefgh");
  EXPECT_EQ(std::u16string(FixedText(field)), u"abcd");
  EXPECT_EQ(field[4], u'\0');

  SetFixedText(field, u"ab");
  EXPECT_EQ(std::u16string(FixedText(field)), u"ab");
  EXPECT_EQ(field[3], u'\0') << "the rest of the field is cleared";
}

TEST(FixedText, NeverSplitsASurrogatePair) {
  char16_t field[4];
  // "ab" followed by U+1F3AE (two code units): only "ab" fits before the NUL.
  SetFixedText(field, u"ab\U0001F3AE");
  EXPECT_EQ(std::u16string(FixedText(field)), u"ab");
  SetFixedText(field, u"a\U0001F3AE");
  EXPECT_EQ(std::u16string(FixedText(field)), u"a\U0001F3AE");
}

TEST(FixedText, ReadsAnUnterminatedArrayToItsEnd) {
  const char16_t field[3] = {u'a', u'b', u'c'};
  EXPECT_EQ(std::u16string(FixedText(field)), u"abc");
}

}  // namespace
}  // namespace mouse
