#include "device/profile_settings_report.h"

#include <algorithm>

namespace mouse {

namespace {

constexpr std::int64_t kLowestLevel = 1;
constexpr std::int64_t kHighestLevel = 56;
constexpr std::uint8_t kUnsetIndicator = 0xFF;
constexpr std::uint8_t kUnscaledSensitivity = 10;

enum Byte : std::size_t {
  kProfile = 2,
  kSensitivityX = 3,
  kSensitivityY = 4,
  kStepFlags = 5,
  kLevelsX = 6,
  kLevelsY = 11,
  kCpiStep = 16,
  kIndicators = 17,
  kIndicationType = 22,
  kPollingRate = 23,
  kBtnConfiguration = 25,
  kColor1Type = 26,
  kColor2Type = 27,
  kLightEffectSwitch1 = 28,
  kLightEffectSwitch2 = 29,
  kLightEffectType1 = 30,
  kLightEffectType2 = 31,
  kColorOptions1 = 32,
  kColorOptions2 = 33,
  kColorChangeMode1 = 34,
  kColorChangeMode2 = 35,
  kSwitchIndicator = 36,
};

}  // namespace

std::uint8_t ScaleCpiLevel(std::int32_t level, std::int32_t sensitivity) {
  // The whole quotient is limited, so a value past 255 is sent as the
  // highest level rather than wrapping to a low one.
  const std::int64_t value = static_cast<std::int64_t>(level) * sensitivity / 10;
  return static_cast<std::uint8_t>(std::clamp(value, kLowestLevel, kHighestLevel));
}

Report<kProfileSettingsReportLength> BuildProfileSettingsReport(const ProfileRecord& p, int index) {
  Report<kProfileSettingsReportLength> r =
      EmptyReport<kProfileSettingsReportLength>(kProfileSettingsReportId);
  r[1] = kProfileSettingsReportLength;
  r[kProfile] = LowByte(index);
  r[kSensitivityX] = LowByte(p.Sensitivity_X);
  r[kSensitivityY] = LowByte(p.Sensitivity_Y);
  for (int i = 0; i < kCpiLevelCount; ++i) {
    if (p.dpiStepFlag[i] == 1) {
      r[kStepFlags] = static_cast<std::uint8_t>(r[kStepFlags] | (1u << i));
    }
    // Both rows scale the X levels.
    r[kLevelsX + i] = ScaleCpiLevel(p.CpiLevel_X[i], p.Sensitivity_X);
    r[kLevelsY + i] = ScaleCpiLevel(p.CpiLevel_X[i], p.Sensitivity_Y);
    r[kIndicators + i] =
        p.dpiIndicator[i] == kUnsetIndicator ? static_cast<std::uint8_t>(i + 1) : p.dpiIndicator[i];
  }
  r[kCpiStep] = LowByte(p.CpiStep);
  r[kIndicationType] = static_cast<std::uint8_t>(p.DpiIndicationType & 3);
  r[kPollingRate] = LowByte(p.PollingRate);
  r[kBtnConfiguration] = p.BtnConfiguration;
  r[kColor1Type] = p.Color1Type;
  r[kColor2Type] = p.Color2Type;
  r[kLightEffectSwitch1] = p.LightEffectSwitch1;
  r[kLightEffectSwitch2] = p.LightEffectSwitch2;
  r[kLightEffectType1] = p.LightEffectType1;
  r[kLightEffectType2] = p.LightEffectType2;
  r[kColorOptions1] = p.ColorFlag == 0 ? 0 : static_cast<std::uint8_t>(p.ColorOptions1 + 1);
  r[kColorOptions2] = p.ColorOptions2;
  r[kColorChangeMode1] = p.ColorFlag == 1 ? 1 : 0;
  r[kColorChangeMode2] = p.ColorChangeModeOptions2;
  r[kSwitchIndicator] = IsProfileIndex(index) ? kProfileIndicatorCodes[index] : 0;
  return r;
}

bool StoreProfileSettingsReport(std::span<const std::uint8_t> r, ProfileRecord& p) {
  if (!IsReport(r, kProfileSettingsReportId, kProfileSettingsReportLength)) {
    return false;
  }
  p.Sensitivity_X = r[kSensitivityX];
  p.Sensitivity_Y = r[kSensitivityY];
  for (int i = 0; i < kCpiLevelCount; ++i) {
    p.dpiStepFlag[i] = static_cast<std::uint8_t>((r[kStepFlags] >> i) & 1);
    if (r[kSensitivityX] == kUnscaledSensitivity) {
      p.CpiLevel_X[i] = r[kLevelsX + i];
    }
    p.dpiIndicator[i] = r[kIndicators + i];
  }
  p.CpiStep = r[kCpiStep];
  p.DpiIndicationType = r[kIndicationType];
  p.PollingRate = r[kPollingRate];
  p.BtnConfiguration = r[kBtnConfiguration];
  p.Color1Type = r[kColor1Type];
  p.Color2Type = r[kColor2Type];
  p.LightEffectSwitch1 = r[kLightEffectSwitch1];
  p.LightEffectSwitch2 = r[kLightEffectSwitch2];
  p.LightEffectType1 = r[kLightEffectType1];
  p.LightEffectType2 = r[kLightEffectType2];
  p.ColorFlag = r[kColorOptions1] == 0 ? 0 : 1;
  p.ColorOptions1 = r[kColorOptions1] == 0 ? 0 : static_cast<std::uint8_t>(r[kColorOptions1] - 1);
  p.ColorOptions2 = r[kColorOptions2];
  p.ColorChangeModeOptions1 = r[kColorChangeMode1];
  p.ColorChangeModeOptions2 = r[kColorChangeMode2];
  p.ProfileSwitchIndictor = r[kSwitchIndicator];
  return true;
}

}  // namespace mouse
