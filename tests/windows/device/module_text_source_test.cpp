#include "settings/win32/module_text_source.h"

#include <gtest/gtest.h>

namespace mouse::win32 {
namespace {

// The test program carries a small string table (texts.rc).
TEST(ModuleTextSource, ReadsTextsFromAModulesStringTable) {
  const ModuleTextSource texts(GetModuleHandleW(nullptr));
  EXPECT_EQ(texts.Text(1209), u"No function");
  EXPECT_EQ(texts.Text(1332), u"Media player – open");
  EXPECT_EQ(AssignmentText(texts, 6), u"No function");
  EXPECT_EQ(AssignmentText(texts, 25), u"Media player – open");
  EXPECT_EQ(texts.Text(1210), u"");
  EXPECT_EQ(texts.Text(-1), u"");
  EXPECT_EQ(ModuleTextSource(nullptr).Text(1209), u"");
}

}  // namespace
}  // namespace mouse::win32
