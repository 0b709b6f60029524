#include "settings/settings_block.h"

#include <algorithm>
#include <cstring>

#include "settings/button_record.h"
#include "settings/fixed_text.h"

namespace mouse {

void InitBlock(SettingsBlock& block) {
  std::memset(&block, 0, sizeof block);
  block.CurrentProfile = -1;
}

void ResetProfileDefaults(ProfileRecord& p, int index) {
  SetFixedText(p.ProFileName, u"Profile");
  SetFixedText(p.GameFile, u"");
  p.DbleClickSpeed = 500;
  p.ScrollWheelSpeed = 3;
  p.ScrollWheelFlag = 0;
  p.MouseSpeed = 10;
  p.Acceleration = 10;
  p.AccelerationFlag = 0;
  p.TiltSpeed = 3;
  p.MediaOption = 0;
  p.HDDKeyboard = 1;
  p.Orientation = 0;
  p.XYSynchronous = 0;
  p.Sensitivity_X = 10;
  p.Sensitivity_Y = 10;
  p.Cpi_X = 4;
  p.Cpi_Y = 4;
  p.XYCpiFlag = 1;
  constexpr std::int32_t kLevels[kCpiLevelCount] = {9, 18, 27, 56, 63};
  std::copy(std::begin(kLevels), std::end(kLevels), p.CpiLevel_X);
  std::copy(std::begin(kLevels), std::end(kLevels), p.CpiLevel_Y);
  p.CpiStep = 1;
  p.PollingRate = 2;
  p.ColorFlag = 0;
  p.OTGSpeed = 10;
  constexpr std::uint8_t kStepFlags[kCpiLevelCount] = {1, 1, 1, 1, 0};
  std::copy(std::begin(kStepFlags), std::end(kStepFlags), p.dpiStepFlag);
  for (int i = 0; i < kCpiLevelCount; ++i) {
    p.dpiIndicator[i] = static_cast<std::uint8_t>(i + 1);
  }
  p.DpiIndicationType = 1;
  p.CpiXDefault = 4;
  p.CpiYDefault = 4;
  p.BtnConfiguration = 2;
  p.Color1Type = 1;
  p.Color2Type = 1;
  p.LightEffectSwitch1 = 1;
  p.LightEffectSwitch2 = 0;
  p.LightEffectType1 = 1;
  p.LightEffectType2 = 1;
  p.ColorOptions1 = 0;
  p.ColorOptions2 = 0;
  p.ColorChangeModeOptions1 = 0;
  p.ColorChangeModeOptions2 = 0;
  p.FireOrOnToGoStatusIndicatorSetting = 1;
  p.ProfileSwitchIndictor = kProfileIndicatorCodes[std::clamp(index, 0, kProfileCount - 1)];

  for (int i = 0; i < kButtonCount; ++i) {
    SetDefaultButtonRecord(p.MacroKeyInfo[i], i);
  }
}

void ResetAllDefaults(SettingsBlock& block) {
  block.CurrentProfile = 0;
  for (int i = 0; i < kProfileCount; ++i) {
    ResetProfileDefaults(block.Profiles[i], i);
  }
}

namespace {

template <typename T, std::size_t N>
bool ArraysDiffer(const T (&a)[N], const T (&b)[N]) {
  return !std::equal(std::begin(a), std::end(a), std::begin(b));
}

// The fields the mouse keeps (or that Option tracks with them); a difference
// in any of them means the profile's settings must be sent again.
bool DeviceSettingsDiffer(const ProfileRecord& a, const ProfileRecord& b) {
  return a.HDDKeyboard != b.HDDKeyboard || a.XYSynchronous != b.XYSynchronous ||
         a.Sensitivity_X != b.Sensitivity_X || a.Sensitivity_Y != b.Sensitivity_Y ||
         a.XYCpiFlag != b.XYCpiFlag || ArraysDiffer(a.CpiLevel_X, b.CpiLevel_X) ||
         ArraysDiffer(a.CpiLevel_Y, b.CpiLevel_Y) || a.CpiStep != b.CpiStep ||
         ArraysDiffer(a.dpiStepFlag, b.dpiStepFlag) ||
         ArraysDiffer(a.dpiIndicator, b.dpiIndicator) || a.PollingRate != b.PollingRate ||
         a.LiftSwitch != b.LiftSwitch || a.LiftLevel != b.LiftLevel ||
         a.LightEffectSwitch1 != b.LightEffectSwitch1 ||
         a.LightEffectSwitch2 != b.LightEffectSwitch2 || a.LightEffectType1 != b.LightEffectType1 ||
         a.LightEffectType2 != b.LightEffectType2 || a.ColorFlag != b.ColorFlag ||
         a.ColorOptions1 != b.ColorOptions1 || a.ColorOptions2 != b.ColorOptions2 ||
         a.ColorChangeMode != b.ColorChangeMode || a.BTOption != b.BTOption;
}

}  // namespace

void ComputeDirty(const SettingsBlock& lastApplied, SettingsBlock& working) {
  for (int i = 0; i < kProfileCount; ++i) {
    const ProfileRecord& before = lastApplied.Profiles[i];
    const ProfileRecord& now = working.Profiles[i];
    working.SettingsDirty[i] = DeviceSettingsDiffer(before, now) ? 1 : 0;
    working.OtgDirty[i] = before.OTGSpeed != now.OTGSpeed ? 1 : 0;
  }
  working.ProfileDirty = lastApplied.CurrentProfile != working.CurrentProfile ? 1 : 0;
}

namespace {

void SetProfileFlags(SettingsBlock& block, std::int32_t value) {
  for (auto& profileButtons : block.ButtonDirty) {
    std::fill(std::begin(profileButtons), std::end(profileButtons), value);
  }
  std::fill(std::begin(block.SettingsDirty), std::end(block.SettingsDirty), value);
  std::fill(std::begin(block.OtgDirty), std::end(block.OtgDirty), value);
}

}  // namespace

void MarkAllDirty(SettingsBlock& block) {
  SetProfileFlags(block, 1);
  block.ProfileDirty = 1;
}

void ClearDirty(SettingsBlock& block) { SetProfileFlags(block, 0); }

}  // namespace mouse
