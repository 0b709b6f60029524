#include "settings/configuration.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fake_pointer_store.h"
#include "settings/fixed_text.h"
#include "settings/ini_file.h"
#include "settings/profile_file.h"
#include "temp_folder.h"

namespace mouse {
namespace {

using testing::FakePointerStore;
using testing::TempFolder;

const CodePage1252 kAnsi;

class ConfigurationTest : public ::testing::Test {
 protected:
  ConfigurationTest() : files{folder.path(), kAnsi, pointers} {
    std::filesystem::create_directories(folder / "config");
    pointers[PointerKeyId::Mouse] = {{u"DoubleClickSpeed", u"333"},
                                     {u"MouseSensitivity", u"17"},
                                     {u"MouseSpeed", u"2"},
                                     {u"MouseThreshold1", u"4"},
                                     {u"MouseThreshold2", u"8"}};
    pointers[PointerKeyId::Desktop] = {{u"WheelScrollLines", u"-1"}};
  }

  // Profile files whose names say which file they came from.
  void WriteProfiles(std::initializer_list<int> indices) {
    for (int i : indices) {
      ProfileRecord profile;
      std::memset(&profile, 0, sizeof profile);
      ResetProfileDefaults(profile, i);
      SetFixedText(profile.ProFileName, u"File " + FormatIndex(i));
      profile.DbleClickSpeed = 600 + i;
      profile.LiftLevel = 40 + i;
      WriteProfileFile(profile, files.ProfileFile(i), kAnsi);
    }
  }
  static std::u16string FormatIndex(int i) {
    return std::u16string(1, static_cast<char16_t>(u'0' + i));
  }

  void WriteConfig(const std::u16string& text) {
    ASSERT_TRUE(WriteTextFileAtomically(files.ConfigIni(), text));
  }

  SettingsBlock Load() {
    SettingsBlock block;
    InitBlock(block);
    block.ProfileDirty = 1;
    EXPECT_EQ(LoadConfiguration(block, files), 1);
    EXPECT_EQ(block.ProfileDirty, 1) << "the change-tracking area is left alone";
    return block;
  }

  TempFolder folder;
  FakePointerStore pointers;
  ConfigurationFiles files;
};

TEST_F(ConfigurationTest, CurrentProfileTakesTheLiveWindowsValues) {
  WriteProfiles({0, 1, 2, 3, 4});
  WriteConfig(u"[Setting]\r\nCurrentProfile=2\r\nMouseType=7\r\nMouseColor=1\r\n");
  const SettingsBlock block = Load();
  EXPECT_EQ(block.CurrentProfile, 2);
  EXPECT_EQ(block.MouseType, 7);
  EXPECT_EQ(block.MouseColor, 1);
  const ProfileRecord& current = block.Profiles[2];
  EXPECT_EQ(current.DbleClickSpeed, 333);
  EXPECT_EQ(current.MouseSpeed, 17);
  EXPECT_EQ(current.Acceleration, 16);
  EXPECT_EQ(current.AccelerationFlag, 1);
  EXPECT_EQ(current.ScrollWheelSpeed, 0);
  EXPECT_EQ(current.ScrollWheelFlag, 1);
  EXPECT_EQ(current.LiftLevel, 42) << "everything else comes from the file";
  for (int i : {0, 1, 3, 4}) {
    EXPECT_EQ(block.Profiles[i].DbleClickSpeed, 600 + i);
    EXPECT_EQ(block.Profiles[i].MouseSpeed, 10);
  }
}

TEST_F(ConfigurationTest, AMissingProfileFileGivesThatProfileItsDefaults) {
  WriteProfiles({0, 1, 2, 4});
  WriteConfig(u"[Setting]\r\nCurrentProfile=0\r\n");
  const SettingsBlock block = Load();
  const ProfileRecord& three = block.Profiles[3];
  EXPECT_EQ(std::u16string(FixedText(three.ProFileName)), u"Profile");
  EXPECT_EQ(three.ProfileSwitchIndictor, 5);
  EXPECT_EQ(three.MacroKeyInfo[7].FunctionCode, 21);
  EXPECT_EQ(std::u16string(FixedText(block.Profiles[4].ProFileName)), u"File 4");
}

TEST_F(ConfigurationTest, AnInvalidCurrentProfileBecomesZeroWithoutTouchingPointers) {
  WriteProfiles({0, 1, 2, 3, 4});
  for (const std::u16string config :
       {u"", u"[Setting]\r\nCurrentProfile=7\r\n", u"[Setting]\r\nCurrentProfile=-1\r\n"}) {
    WriteConfig(config);
    const SettingsBlock block = Load();
    EXPECT_EQ(block.CurrentProfile, 0);
    EXPECT_EQ(block.Profiles[0].DbleClickSpeed, 600) << "no live values were read";
  }
  WriteConfig(u"");
  EXPECT_EQ(Load().MouseType, -1);
}

TEST_F(ConfigurationTest, SaveWritesEverythingAndKeepsForeignKeys) {
  WriteConfig(u"[Setting]\r\nDevice=1\r\nFWVersion=3\r\n[OSDSetting]\r\nconfig=00\r\n");
  SettingsBlock block;
  InitBlock(block);
  ResetAllDefaults(block);
  block.CurrentProfile = 1;
  block.MouseType = 5;
  block.MouseColor = 2;
  block.Profiles[1].DbleClickSpeed = 250;
  SetFixedText(block.Profiles[4].ProFileName, u"Last");
  SaveConfiguration(block, files);

  const IniDocument config = LoadIniFile(files.ConfigIni(), kAnsi);
  EXPECT_EQ(config.GetInt(u"Setting", u"CurrentProfile", -9), 1);
  EXPECT_EQ(config.GetInt(u"Setting", u"MouseType", -9), 5);
  EXPECT_EQ(config.GetInt(u"Setting", u"MouseColor", -9), 2);
  EXPECT_EQ(config.GetInt(u"Setting", u"Device", -9), 1);
  EXPECT_EQ(config.GetString(u"OSDSetting", u"config"), u"00");
  EXPECT_EQ(pointers[PointerKeyId::Mouse][u"DoubleClickSpeed"], u"250");

  SettingsBlock loaded = Load();
  EXPECT_EQ(std::u16string(FixedText(loaded.Profiles[4].ProFileName)), u"Last");
  EXPECT_EQ(loaded.Profiles[1].DbleClickSpeed, 250);
}

TEST_F(ConfigurationTest, SaveRecreatesAMissingConfigFolder) {
  std::filesystem::remove_all(folder / "config");
  SettingsBlock block;
  InitBlock(block);
  ResetAllDefaults(block);
  SaveConfiguration(block, files);
  for (int i = 0; i < kProfileCount; ++i) {
    EXPECT_TRUE(std::filesystem::exists(files.ProfileFile(i))) << i;
  }
}

TEST_F(ConfigurationTest, WriteConfigIntTouchesOneKey) {
  WriteConfig(u"[Setting]\r\nCurrentProfile=2\r\nMouseType=7\r\n");
  WriteConfigInt(files, u"Setting", u"CurrentProfile", 4);
  const IniDocument config = LoadIniFile(files.ConfigIni(), kAnsi);
  EXPECT_EQ(config.GetInt(u"Setting", u"CurrentProfile", -9), 4);
  EXPECT_EQ(config.GetInt(u"Setting", u"MouseType", -9), 7);
}

}  // namespace
}  // namespace mouse
