#include "support/osd/notice.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/coordination.h"
#include "settings/ini_file.h"
#include "settings/profile_file.h"
#include "temp_folder.h"

namespace mouse::osd {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

const CodePage1252 kAnsi;

class OsdNoticeTest : public ::testing::Test {
 protected:
  OsdNoticeTest() { std::filesystem::create_directories(folder / "config"); }

  void WriteProfileName(int index, const std::u16string& name) {
    IniDocument doc;
    doc.SetString(kProfileSection, u"ProFileName", name);
    ASSERT_TRUE(SaveIniFile(folder / "config" / ("Default" + std::to_string(index) + ".gmp"), doc));
  }
  void WriteConfig(const std::function<void(IniDocument&)>& edit) {
    IniDocument doc;
    edit(doc);
    ASSERT_TRUE(SaveIniFile(folder / "config.ini", doc));
  }
  std::optional<Notice> For(std::uint64_t wParam, std::uint64_t lParam) {
    return NoticeForMessage(wParam, lParam, folder.path(), kAnsi);
  }

  TempFolder folder;
};

TEST_F(OsdNoticeTest, ProfileShowsItsNumberAndItsOwnName) {
  WriteProfileName(1, u"Sniper \u00E9\u4E2D\U0001F3AE");
  WriteProfileName(2, u"Profile");  // the name every new profile has
  // Profile 3 (index 2) has a file with the default name, 4 and 5 none.
  EXPECT_EQ(For(kOsdShowProfile, 0), (Notice{u"", u"Profile 1"}));
  EXPECT_EQ(For(kOsdShowProfile, 1 << 16),
            (Notice{u"Profile 2", u"Sniper \u00E9\u4E2D\U0001F3AE"}));
  EXPECT_EQ(For(kOsdShowProfile, 2 << 16), (Notice{u"", u"Profile 3"}));
  EXPECT_EQ(For(kOsdShowProfile, 4 << 16), (Notice{u"", u"Profile 5"}));
  EXPECT_EQ(For(kOsdShowProfile, 1 << 16)->Text(), u"Profile 2\nSniper \u00E9\u4E2D\U0001F3AE");
}

TEST_F(OsdNoticeTest, MacroAndMessageComeFromConfigIniAsItIsNow) {
  WriteConfig([](IniDocument& doc) {
    doc.SetString(u"MacroOSD", u"MacroName", u"Reload");
    doc.SetInt(u"MacroOSD", u"Number", 3);
    doc.SetString(u"OSDData", u"Message", u"CPI: 800");
  });
  EXPECT_EQ(For(kOsdShowMacro, 0), (Notice{u"Macro \u00B7 Button 4", u"Reload"}));
  EXPECT_EQ(For(kOsdShowText, 0), (Notice{u"", u"CPI: 800"}));

  // Another program writes new texts just before it posts.
  WriteConfig([](IniDocument& doc) {
    doc.SetString(u"MacroOSD", u"MacroName", u"Burst \u00E9");
    doc.SetInt(u"MacroOSD", u"Number", 15);  // not a button
    doc.SetString(u"OSDData", u"Message", u"New mail: \u4E2D");
  });
  EXPECT_EQ(For(kOsdShowMacro, 0), (Notice{u"Macro", u"Burst \u00E9"}));
  EXPECT_EQ(For(kOsdShowText, 0), (Notice{u"", u"New mail: \u4E2D"}));

  // A config.ini without a byte-order mark is read in the ANSI code page.
  WriteBytes(folder / "config.ini", "[OSDData]\r\nMessage=Caf\xE9\r\n");
  EXPECT_EQ(For(kOsdShowText, 0), (Notice{u"", u"Caf\u00E9"}));
}

TEST_F(OsdNoticeTest, NothingForUnknownKindsValuesOutOfRangeOrEmptyTexts) {
  struct Case {
    const char* name;
    std::uint64_t wParam;
    std::uint64_t lParam;
  };
  const Case cases[] = {
      {"profile 6", kOsdShowProfile, 5 << 16},
      {"profile with low bits", kOsdShowProfile, (1 << 16) | 1},
      {"profile far out", kOsdShowProfile, 0xFFFFFFFF00000000ull},
      {"macro with a value", kOsdShowMacro, 1},
      {"text with a value", kOsdShowText, 1 << 16},
      {"unknown kind", 41, 0},
      {"kind zero", 0, 0},
      {"huge kind", 0x100000028ull, 0},
  };
  WriteConfig([](IniDocument& doc) {
    doc.SetString(u"MacroOSD", u"MacroName", u"Reload");
    doc.SetString(u"OSDData", u"Message", u"Hello");
  });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(For(c.wParam, c.lParam), std::nullopt);
  }

  // Empty texts, and no config.ini at all.
  WriteConfig([](IniDocument& doc) {
    doc.SetString(u"MacroOSD", u"MacroName", u"");
    doc.SetInt(u"MacroOSD", u"Number", 2);
  });
  EXPECT_EQ(For(kOsdShowMacro, 0), std::nullopt);
  EXPECT_EQ(For(kOsdShowText, 0), std::nullopt);
  std::filesystem::remove(folder / "config.ini");
  EXPECT_EQ(For(kOsdShowMacro, 0), std::nullopt);
  EXPECT_EQ(For(kOsdShowText, 0), std::nullopt);
}

}  // namespace
}  // namespace mouse::osd
