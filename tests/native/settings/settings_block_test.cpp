#include "settings/settings_block.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "settings/fixed_text.h"

namespace mouse {
namespace {

TEST(SettingsBlock, InitBlockZeroesEverythingButTheProfileIndex) {
  SettingsBlock block;
  std::memset(&block, 0xAB, sizeof block);
  InitBlock(block);
  EXPECT_EQ(block.CurrentProfile, -1);
  const auto* bytes = reinterpret_cast<const unsigned char*>(&block);
  for (std::size_t i = sizeof(std::int32_t); i < sizeof block; ++i) {
    ASSERT_EQ(bytes[i], 0) << "byte " << i;
  }
}

TEST(SettingsBlock, ResetAllDefaultsKeepsFieldsWithoutDefault) {
  SettingsBlock block;
  InitBlock(block);
  for (auto& profile : block.Profiles) {
    profile.LiftLevel = 7;
    profile.BTOption = 3;
    profile.Reserved1 = 0x5A;
  }
  ResetAllDefaults(block);
  EXPECT_EQ(block.CurrentProfile, 0);
  for (const auto& profile : block.Profiles) {
    EXPECT_EQ(profile.LiftLevel, 7);
    EXPECT_EQ(profile.BTOption, 3);
    EXPECT_EQ(profile.Reserved1, 0x5A);
  }
}

TEST(SettingsBlock, ProfileDefaultsFollowTheProfileIndex) {
  ProfileRecord profile;
  std::memset(&profile, 0xEE, sizeof profile);
  ResetProfileDefaults(profile, 3);
  EXPECT_EQ(std::u16string(FixedText(profile.ProFileName)), u"Profile");
  EXPECT_EQ(std::u16string(FixedText(profile.GameFile)), u"");
  EXPECT_EQ(profile.ProfileSwitchIndictor, 5);
  const std::uint8_t steps[] = {1, 1, 1, 1, 0};
  EXPECT_EQ(0, std::memcmp(profile.dpiStepFlag, steps, sizeof steps));
  const std::int32_t levels[] = {9, 18, 27, 56, 63};
  EXPECT_EQ(0, std::memcmp(profile.CpiLevel_X, levels, sizeof levels));
  EXPECT_EQ(0, std::memcmp(profile.CpiLevel_Y, levels, sizeof levels));
  EXPECT_EQ(profile.OTGSpeed, 10);
  for (int b = 0; b < kButtonCount; ++b) {
    const MacroKeyInfo& record = profile.MacroKeyInfo[b];
    EXPECT_EQ(record.ButtonIndex, b);
    EXPECT_EQ(record.FunctionCode, kDefaultButtonCodes[b]);
    EXPECT_EQ(record.EventCount, 0);
    EXPECT_EQ(record.ProgramPath[0], u'\0');
  }
  EXPECT_EQ(profile.MacroKeyInfo[7].FunctionCode, 21);

  const int expectedIndicator[] = {1, 3, 2, 5, 4};
  for (int i = 0; i < kProfileCount; ++i) {
    ResetProfileDefaults(profile, i);
    EXPECT_EQ(profile.ProfileSwitchIndictor, expectedIndicator[i]) << "profile " << i;
  }
}

struct DirtyCase {
  const char* name;
  std::function<void(SettingsBlock&)> change;
  int settingsDirty;
  int otgDirty;
  int profileDirty;
};

class ComputeDirtyTest : public ::testing::TestWithParam<DirtyCase> {};

TEST_P(ComputeDirtyTest, FlagsOnlyWhatTheMouseKeeps) {
  SettingsBlock applied;
  InitBlock(applied);
  ResetAllDefaults(applied);
  SettingsBlock working = applied;
  GetParam().change(working);
  ComputeDirty(applied, working);
  for (int i = 0; i < kProfileCount; ++i) {
    const int expectSettings = i == 2 ? GetParam().settingsDirty : 0;
    const int expectOtg = i == 2 ? GetParam().otgDirty : 0;
    EXPECT_EQ(working.SettingsDirty[i], expectSettings) << "profile " << i;
    EXPECT_EQ(working.OtgDirty[i], expectOtg) << "profile " << i;
  }
  EXPECT_EQ(working.ProfileDirty, GetParam().profileDirty);
}

// Every change is made to profile 2.
const DirtyCase kDirtyCases[] = {
    {"NameAndDoubleClick",
     [](SettingsBlock& b) {
       SetFixedText(b.Profiles[2].ProFileName, u"Sniper");
       b.Profiles[2].DbleClickSpeed = 300;
     },
     0, 0, 0},
    {"PointerAndHostOnlyFields",
     [](SettingsBlock& b) {
       auto& p = b.Profiles[2];
       p.TiltSpeed = 9, p.MediaOption = 3, p.Orientation = 1, p.Cpi_X = 1, p.LightSwitch = 1;
       p.DpiIndicationType = 2, p.BtnConfiguration = 7, p.Color1Type = 4;
       p.ColorChangeModeOptions1 = 1, p.ProfileSwitchIndictor = 9, p.CpiXDefault = 8;
       p.MacroKeyInfo[3].FunctionCode = 16;
     },
     0, 0, 0},
    {"SensitivityX", [](SettingsBlock& b) { b.Profiles[2].Sensitivity_X = 12; }, 1, 0, 0},
    {"CpiLevelY", [](SettingsBlock& b) { b.Profiles[2].CpiLevel_Y[4] = 40; }, 1, 0, 0},
    {"StepFlag", [](SettingsBlock& b) { b.Profiles[2].dpiStepFlag[4] = 1; }, 1, 0, 0},
    {"Indicator", [](SettingsBlock& b) { b.Profiles[2].dpiIndicator[0] = 9; }, 1, 0, 0},
    {"LiftLevel", [](SettingsBlock& b) { b.Profiles[2].LiftLevel = 2; }, 1, 0, 0},
    {"ColorOptions2", [](SettingsBlock& b) { b.Profiles[2].ColorOptions2 = 1; }, 1, 0, 0},
    {"BTOption", [](SettingsBlock& b) { b.Profiles[2].BTOption = 1; }, 1, 0, 0},
    {"HDDKeyboard", [](SettingsBlock& b) { b.Profiles[2].HDDKeyboard = 0; }, 1, 0, 0},
    {"OtgSpeed", [](SettingsBlock& b) { b.Profiles[2].OTGSpeed = 20; }, 0, 1, 0},
    {"CurrentProfile", [](SettingsBlock& b) { b.CurrentProfile = 4; }, 0, 0, 1},
};

INSTANTIATE_TEST_SUITE_P(Cases, ComputeDirtyTest, ::testing::ValuesIn(kDirtyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsBlock, ComputeDirtyClearsStaleFlagsAndLeavesButtons) {
  SettingsBlock applied;
  InitBlock(applied);
  ResetAllDefaults(applied);
  SettingsBlock working = applied;
  MarkAllDirty(working);
  ComputeDirty(applied, working);
  for (int i = 0; i < kProfileCount; ++i) {
    EXPECT_EQ(working.SettingsDirty[i], 0);
    EXPECT_EQ(working.OtgDirty[i], 0);
    EXPECT_EQ(working.ButtonDirty[i][14], 1);
  }
  EXPECT_EQ(working.ProfileDirty, 0);
}

TEST(SettingsBlock, ClearDirtyKeepsTheProfileFlag) {
  SettingsBlock block;
  InitBlock(block);
  MarkAllDirty(block);
  for (int p = 0; p < kProfileCount; ++p) {
    for (int b = 0; b < kButtonCount; ++b) {
      ASSERT_EQ(block.ButtonDirty[p][b], 1);
    }
    ASSERT_EQ(block.SettingsDirty[p], 1);
    ASSERT_EQ(block.OtgDirty[p], 1);
  }
  ClearDirty(block);
  SettingsBlock clean;
  InitBlock(clean);
  clean.ProfileDirty = 1;
  EXPECT_EQ(0, std::memcmp(&block, &clean, sizeof block));
}

}  // namespace
}  // namespace mouse
