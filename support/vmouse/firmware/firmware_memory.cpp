#include "support/vmouse/firmware/firmware_memory.h"

#include <algorithm>

#include "settings/settings_block.h"

namespace mouse::vmouse {

namespace {

// A level as the mouse keeps it: the host's level scaled by the axis
// sensitivity, at least 1 and at most 56.
std::uint8_t ScaledLevel(std::int32_t level, std::int32_t sensitivity) {
  const auto value = static_cast<std::uint8_t>(level * sensitivity / 10);
  return std::clamp<std::uint8_t>(value, 1, 56);
}

ProfileSettings FactorySettings(const ProfileRecord& p) {
  ProfileSettings s{};
  s.SensitivityX = static_cast<std::uint8_t>(p.Sensitivity_X);
  s.SensitivityY = static_cast<std::uint8_t>(p.Sensitivity_Y);
  for (int i = 0; i < kLevels; ++i) {
    if (p.dpiStepFlag[i] == 1) {
      s.LevelFlags = static_cast<std::uint8_t>(s.LevelFlags | (1u << i));
    }
    s.LevelsX[i] = ScaledLevel(p.CpiLevel_X[i], p.Sensitivity_X);
    s.LevelsY[i] = ScaledLevel(p.CpiLevel_X[i], p.Sensitivity_Y);
    s.Indicators[i] = p.dpiIndicator[i];
  }
  s.CpiStep = static_cast<std::uint8_t>(p.CpiStep);
  s.IndicationType = static_cast<std::uint8_t>(p.DpiIndicationType & 3);
  s.PollingRate = static_cast<std::uint8_t>(p.PollingRate);
  s.ButtonConfiguration = p.BtnConfiguration;
  s.Color1Type = p.Color1Type;
  s.Color2Type = p.Color2Type;
  s.LightSwitch1 = p.LightEffectSwitch1;
  s.LightSwitch2 = p.LightEffectSwitch2;
  s.LightEffect1 = p.LightEffectType1;
  s.LightEffect2 = p.LightEffectType2;
  s.Color1 = p.ColorFlag == 0 ? 0 : static_cast<std::uint8_t>(p.ColorOptions1 + 1);
  s.Color2 = p.ColorOptions2;
  s.ColorMode1 = p.ColorChangeModeOptions1;
  s.ColorMode2 = p.ColorChangeModeOptions2;
  s.ProfileIndicator = p.ProfileSwitchIndictor;
  return s;
}

}  // namespace

FirmwareMemory FactoryMemory() {
  static const FirmwareMemory factory = [] {
    SettingsBlock defaults{};
    InitBlock(defaults);
    ResetAllDefaults(defaults);
    FirmwareMemory memory{};
    memory.ActiveProfile = static_cast<std::uint8_t>(defaults.CurrentProfile);
    for (int p = 0; p < kProfiles; ++p) {
      const ProfileRecord& record = defaults.Profiles[p];
      FirmwareProfile& profile = memory.Profiles[static_cast<std::size_t>(p)];
      profile.Settings = FactorySettings(record);
      for (int b = 0; b < kButtons; ++b) {
        profile.Buttons[b].Code = record.MacroKeyInfo[b].FunctionCode;
      }
      profile.Otg = {static_cast<std::uint8_t>(record.OTGSpeed), 0x03, 0x09, 0x00};
      for (MacroSlot& macro : profile.Macros) {
        macro.PlayCount = 1;
      }
    }
    memory.TuningTable = DataBlock();
    return memory;
  }();
  return factory;
}

}  // namespace mouse::vmouse
