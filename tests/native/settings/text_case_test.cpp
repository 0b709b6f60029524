#include "settings/text_case.h"

#include <gtest/gtest.h>

namespace mouse {
namespace {

TEST(TextCase, ComparesNamesWithoutRegardToCase) {
  const std::pair<std::u16string, std::u16string> equal[] = {
      {u"ARENA.EXE", u"arena.exe"},
      {u"\u00C9t\u00C9.exe", u"\u00E9t\u00E9.EXE"},                // Latin-1
      {u"\u0154\u0100", u"\u0155\u0101"},                          // Latin Extended-A
      {u"\u039A\u03A9", u"\u03BA\u03C9"},                          // Greek
      {u"\u0418\u0413\u0420\u0410", u"\u0438\u0433\u0440\u0430"},  // Cyrillic
      {u"\u0401", u"\u0451"},
  };
  for (const auto& [a, b] : equal) {
    EXPECT_TRUE(EqualIgnoringCase(a, b));
  }
  EXPECT_FALSE(EqualIgnoringCase(u"game.exe", u"game.ex"));
  EXPECT_FALSE(EqualIgnoringCase(u"\u00D7", u"\u00F7")) << "the multiplication sign has no case";
  EXPECT_FALSE(EqualIgnoringCase(u"[", u"{"));
}

TEST(TextCase, TrimsWhiteSpaceOfEveryKind) {
  EXPECT_EQ(TrimWhiteSpace(u" \t\u3000name \r\n\u00A0"), u"name");
  EXPECT_EQ(TrimWhiteSpace(u"   "), u"");
  EXPECT_EQ(TrimWhiteSpace(u"a b"), u"a b");
}

}  // namespace
}  // namespace mouse
