#include "settings/profile_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "settings/fixed_text.h"
#include "settings/ini_file.h"
#include "settings/ini_values.h"
#include "temp_folder.h"

namespace mouse {
namespace {

using testing::TempFolder;

const CodePage1252 kAnsi;

ProfileRecord SampleProfile() {
  ProfileRecord profile;
  std::memset(&profile, 0, sizeof profile);
  ResetProfileDefaults(profile, 2);
  SetFixedText(profile.ProFileName, u"  Sniper \"Elite\" \u00E9\u4E2D\U0001F3AE");
  SetFixedText(profile.GameFile, u"C:\\Games\\Arena\\ARENA.EXE ");
  profile.CpiLevel_X[2] = -1;
  profile.LiftSwitch = 123456;
  profile.dpiIndicator[4] = 0xFF;
  MacroKeyInfo& macro = profile.MacroKeyInfo[4];
  macro.FunctionCode = 16;
  SetFixedText(macro.MacroName, u"Reload");
  macro.MacroParam = 3;
  macro.EventCount = 2;
  macro.Events[0] = {0x15, kActionPress, 1000};
  macro.Events[1] = {0x15, kActionRelease, 0};
  macro.Reserved[1] = 0x77;
  SetFixedText(profile.MacroKeyInfo[9].ProgramPath, u"C:\\Program Files\\Tool\\tool.exe");
  profile.MacroKeyInfo[9].FunctionCode = 17;
  return profile;
}

// The bytes a file carries: everything but the two reserved gaps.
void ExpectSameStoredFields(const ProfileRecord& a, const ProfileRecord& b) {
  const auto* x = reinterpret_cast<const unsigned char*>(&a);
  const auto* y = reinterpret_cast<const unsigned char*>(&b);
  for (std::size_t i = 0; i < sizeof(ProfileRecord); ++i) {
    if (i == offsetof(ProfileRecord, Reserved1) ||
        (i >= offsetof(ProfileRecord, Reserved2) && i < offsetof(ProfileRecord, Reserved2) + 3)) {
      continue;
    }
    ASSERT_EQ(x[i], y[i]) << "byte " << i;
  }
}

TEST(ProfileFile, EveryStoredFieldRoundTrips) {
  TempFolder folder;
  const ProfileRecord written = SampleProfile();
  WriteProfileFile(written, folder / "Default2.gmp", kAnsi);
  ProfileRecord read;
  std::memset(&read, 0xCD, sizeof read);
  ReadProfileFile(read, folder / "Default2.gmp", kAnsi);
  ExpectSameStoredFields(written, read);
}

TEST(ProfileFile, AFreshFileListsTheKeysInTheirFixedOrder) {
  IniDocument doc;
  WriteProfile(SampleProfile(), doc);
  const std::vector<std::u16string> keys = doc.Keys(u"Setting");
  ASSERT_EQ(keys.size(), 2u + 16 + 10 + 11 + 11 + 2 + 13 + 15);
  EXPECT_EQ(keys[0], u"ProFileName");
  EXPECT_EQ(keys[1], u"GameFile");
  EXPECT_EQ(keys[2], u"DbleClickSpeed");
  EXPECT_EQ(keys[17], u"XYCpiFlag");
  EXPECT_EQ(keys[18], u"CpiLevel_X0");
  EXPECT_EQ(keys[23], u"CpiLevel_Y0");
  EXPECT_EQ(keys[28], u"CpiStep");
  EXPECT_EQ(keys[38], u"OTGSpeed");
  EXPECT_EQ(keys[39], u"dpiStepFlag0");
  EXPECT_EQ(keys[44], u"dpiIndicator0");
  EXPECT_EQ(keys[49], u"DpiIndicationType");
  EXPECT_EQ(keys[50], u"CpiXDefault");
  EXPECT_EQ(keys[52], u"BtnConfiguration");
  EXPECT_EQ(keys[64], u"ProfileSwitchIndictor");
  EXPECT_EQ(keys[65], u"MacroKeyInfo0");
  EXPECT_EQ(keys[79], u"MacroKeyInfo14");
  EXPECT_EQ(doc.GetString(u"Setting", u"dpiIndicator4"), u"255") << "one-byte fields are unsigned";
  EXPECT_EQ(doc.Find(u"Setting", u"MacroKeyInfo0")->size(), 1466u);
}

TEST(ProfileFile, MissingKeysReadAsTheirDocumentedDefaults) {
  ProfileRecord profile = SampleProfile();
  ReadProfile(profile, IniDocument::Parse(u"[Setting]\r\nCpiLevel_X2=-1\r\nSensitivity_X=12\r\n"));
  EXPECT_EQ(profile.Sensitivity_X, 12);
  EXPECT_EQ(profile.CpiLevel_X[2], -1);
  EXPECT_EQ(profile.CpiLevel_X[1], -1);
  EXPECT_EQ(profile.dpiStepFlag[3], 255);
  EXPECT_EQ(profile.ProfileSwitchIndictor, 255);
  EXPECT_EQ(std::u16string(FixedText(profile.ProFileName)), u"");
  EXPECT_EQ(profile.MacroKeyInfo[4].FunctionCode, 8) << "a missing record is the default record";
  EXPECT_EQ(profile.MacroKeyInfo[4].EventCount, 0);
  EXPECT_EQ(profile.MacroKeyInfo[9].ProgramPath[0], u'\0');

  IniDocument rewritten;
  WriteProfile(profile, rewritten);
  EXPECT_EQ(rewritten.GetString(u"Setting", u"dpiStepFlag3"), u"255");
  EXPECT_EQ(rewritten.GetString(u"Setting", u"CpiLevel_X2"), u"-1");
}

TEST(ProfileFile, ButtonRecordsFromOutsideAreCheckedAndBounded) {
  MacroKeyInfo record;
  std::memset(&record, 0, sizeof record);
  record.ButtonIndex = 9;  // stored under the wrong slot
  record.FunctionCode = 16;
  record.EventCount = 55;
  std::fill(std::begin(record.MacroName), std::end(record.MacroName), u'M');
  std::u16string good = FormatByteRecord(&record, sizeof record);
  std::u16string badSum = good;
  badSum.back() = badSum.back() == u'0' ? u'1' : u'0';
  const std::u16string text = u"[Setting]\r\nMacroKeyInfo3=" + good + u"\r\nMacroKeyInfo5=" +
                              badSum + u"\r\nMacroKeyInfo6=" + good.substr(2) + u"\r\n";
  ProfileRecord profile = SampleProfile();
  ReadProfile(profile, IniDocument::Parse(text));
  const MacroKeyInfo& three = profile.MacroKeyInfo[3];
  EXPECT_EQ(three.ButtonIndex, 3);
  EXPECT_EQ(three.FunctionCode, 16);
  EXPECT_EQ(three.EventCount, 40);
  EXPECT_EQ(std::u16string(FixedText(three.MacroName)), std::u16string(19, u'M'));
  EXPECT_EQ(profile.MacroKeyInfo[5].FunctionCode, 13) << "a bad sum gives the default record";
  EXPECT_EQ(profile.MacroKeyInfo[6].FunctionCode, 0) << "a short record gives the default record";
  EXPECT_EQ(profile.MacroKeyInfo[6].ButtonIndex, 6);
}

TEST(ProfileFile, OverlongTextIsCutToItsField) {
  const std::u16string longName(300, u'N');
  const std::u16string longPath(600, u'P');
  ProfileRecord profile = SampleProfile();
  ReadProfile(profile, IniDocument::Parse(u"[Setting]\r\nProFileName=" + longName +
                                          u"\r\nGameFile=" + longPath + u"\r\n"));
  EXPECT_EQ(std::u16string(FixedText(profile.ProFileName)), std::u16string(249, u'N'));
  EXPECT_EQ(std::u16string(FixedText(profile.GameFile)), std::u16string(499, u'P'));
}

TEST(ProfileFile, RewritingKeepsForeignKeysAndReplacesInPlace) {
  TempFolder folder;
  const auto path = folder / "Default0.gmp";
  testing::WriteBytes(path, "[Setting]\r\nTiltSpeed=9\r\nCustom=keep me\r\n[Other]\r\nx=1\r\n");
  ProfileRecord profile = SampleProfile();
  WriteProfileFile(profile, path, kAnsi);
  const IniDocument doc = LoadIniFile(path, kAnsi);
  EXPECT_EQ(doc.GetString(u"Setting", u"Custom"), u"keep me");
  EXPECT_EQ(doc.GetString(u"Other", u"x"), u"1");
  EXPECT_EQ(doc.GetInt(u"Setting", u"TiltSpeed", 0), 3);
  const std::u16string text = doc.Serialize();
  EXPECT_LT(text.find(u"TiltSpeed=3"), text.find(u"Custom=keep me")) << "replaced where it stood";
}

}  // namespace
}  // namespace mouse
