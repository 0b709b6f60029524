#include "helper/notice_handling.h"

#include <cstring>

#include "device/notices.h"
#include "settings/configuration.h"
#include "settings/coordination.h"
#include "settings/fixed_text.h"
#include "settings/ini_values.h"

namespace mouse {

namespace {

using namespace effect;

constexpr std::uint8_t kMacroCode = 16;
constexpr std::size_t kDisplayTextBytes = 302;
constexpr std::size_t kDisplayTextMaxChars = 150;

std::uint8_t Lo(std::uint16_t value) { return static_cast<std::uint8_t>(value & 0xFF); }
std::uint8_t Hi(std::uint16_t value) { return static_cast<std::uint8_t>(value >> 8); }

PostToDisplay ShowProfile(int profile) {
  return {kOsdShowProfile, static_cast<std::uint32_t>(profile) << 16};
}

Effects ProfileNotice(SettingsBlock& block, std::uint16_t value, const DisplayFlags& flags) {
  if (value < 1 || value > kProfileCount) {
    return {};
  }
  block.CurrentProfile = value - 1;
  Effects effects = {WriteConfig{std::u16string(kSettingSection),
                                 std::u16string(kCurrentProfileKey), FormatInt(value - 1)},
                     PublishBlock{}, ApplyProfilePointers{}, PostToOption{kMsgProfileChanged}};
  if (flags.profile) {
    effects.push_back(ShowProfile(block.CurrentProfile));
  }
  return effects;
}

Effects MacroNotice(const SettingsBlock& block, std::uint16_t value, const DisplayFlags& flags) {
  if (Hi(value) != 0 || Lo(value) < 1 || Lo(value) > kButtonCount || !flags.macro) {
    return {};
  }
  const int button = Lo(value) - 1;
  const MacroKeyInfo& record = block.Profiles[block.CurrentProfile].MacroKeyInfo[button];
  if (record.FunctionCode != kMacroCode) {
    return {};
  }
  return {WriteConfig{u"MacroOSD", u"Number", FormatInt(button)},
          WriteConfig{u"MacroOSD", u"MacroName", std::u16string(FixedText(record.MacroName))},
          PostToDisplay{kOsdShowMacro, 0}};
}

Effects CpiLevelNotice(SettingsBlock& block, std::uint16_t value, const DisplayFlags& flags) {
  if (value < 1 || value > kCpiLevelCount) {
    return {};
  }
  block.Profiles[block.CurrentProfile].CpiStep = value - 1;
  Effects effects = {PublishBlock{}, PostToOption{kMsgDeviceStateChanged}};
  if (flags.cpi) {
    effects.push_back(WriteConfig{u"OSDData", u"Message", CpiText(value)});
    effects.push_back(PostToDisplay{kOsdShowText, 0});
  }
  return effects;
}

Effects SensitivityNotice(SettingsBlock& block, std::uint16_t value) {
  ProfileRecord& profile = block.Profiles[block.CurrentProfile];
  bool stored = false;
  if (Lo(value) >= 1 && Lo(value) <= 20) {
    profile.Sensitivity_X = Lo(value);
    stored = true;
  }
  if (Hi(value) >= 1 && Hi(value) <= 20) {
    profile.Sensitivity_Y = Hi(value);
    stored = true;
  }
  if (!stored) {
    return {};
  }
  return {PublishBlock{}, PostToOption{kMsgDeviceStateChanged}};
}

Effects PollingRateNotice(SettingsBlock& block, std::uint16_t value) {
  if (value < 1 || value > 4) {
    return {};
  }
  block.Profiles[block.CurrentProfile].PollingRate = value - 1;
  return {PublishBlock{}, PostToOption{kMsgDeviceStateChanged}};
}

}  // namespace

std::uint32_t ArrivalNotice(std::uintptr_t wParam) {
  const std::uint32_t value = wParam == 1 ? 1 : (wParam == 0 ? 2 : 0);
  return (static_cast<std::uint32_t>(kNoticeDevice) << 16) | value;
}

std::u16string CpiText(int level) { return u"CPI: " + FormatInt(level * 400); }

effect::Effects HandleNotice(SettingsBlock& block, std::uint32_t notice,
                             const DisplayFlags& flags) {
  const auto type = static_cast<std::uint16_t>(notice >> 16);
  const auto value = static_cast<std::uint16_t>(notice & 0xFFFF);
  // Every state notice indexes the current profile.
  if (!IsProfileIndex(block.CurrentProfile)) {
    return {};
  }
  switch (type) {
    case kNoticeTilt:
      if (value == kTiltRight) return {TiltScroll{-1}};
      if (value == kTiltLeft) return {TiltScroll{+1}};
      return {};
    case kNoticeProfile:
      return ProfileNotice(block, value, flags);
    case kNoticeMacro:
      return MacroNotice(block, value, flags);
    case kNoticeProgram:
      if (Hi(value) == 0 && Lo(value) >= 1 && Lo(value) <= kButtonCount) {
        return {RunProgram{Lo(value)}};
      }
      return {};
    case kNoticeDevice:
      if (value == 1) return {DeviceArrived{}};
      if (value == 2) return {DeviceRemoved{}};
      return {};
    case kNoticeConfiguration:
      return value == 1 ? Effects{OpenOption{}} : Effects{};
    case kNoticeCpiLevel:
      return value >= 1 && value <= 10 ? CpiLevelNotice(block, value, flags) : Effects{};
    case kNoticeSensitivity:
      return SensitivityNotice(block, value);
    case kNoticePollingRate:
      return PollingRateNotice(block, value);
    case kNoticeMedia:
      if (Lo(value) >= kMediaKeyFirst && Lo(value) <= kMediaKeyLast) {
        const std::uint8_t code = MediaFunctionForKey(Lo(value));
        if (code != 0) {
          return {MediaCommand{code, Hi(value)}};
        }
      }
      return {};
    default:
      return {};
  }
}

effect::Effects HandleDisplayText(const void* data, std::size_t size, bool connected) {
  if (data == nullptr || size != kDisplayTextBytes) {
    return {};
  }
  char16_t characters[kDisplayTextBytes / 2];
  std::memcpy(characters, data, kDisplayTextBytes);
  std::u16string text;
  for (std::size_t i = 1; i <= kDisplayTextMaxChars && characters[i] != u'\0'; ++i) {
    text.push_back(characters[i]);
  }
  Effects effects = {WriteConfig{u"OSDData", u"Message", text}};
  if (connected) {
    effects.push_back(PostToDisplay{kOsdShowText, 0});
  }
  return effects;
}

}  // namespace mouse
