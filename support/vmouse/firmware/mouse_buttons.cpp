#include "support/vmouse/firmware/mouse_buttons.h"

#include <array>

#include "device/notices.h"

namespace mouse::vmouse {

namespace {

struct NamedButton {
  std::string_view Name;
  MouseButton Button;
};

constexpr std::array<NamedButton, 12> kNamedButtons{{
    {"profile", {ButtonKind::kProfile}},
    {"cpi", {ButtonKind::kCpi}},
    {"sensitivity", {ButtonKind::kSensitivity}},
    {"polling", {ButtonKind::kPolling}},
    {"tilt-left", {ButtonKind::kTiltLeft}},
    {"tilt-right", {ButtonKind::kTiltRight}},
    {"media-player", {ButtonKind::kMedia, 25}},
    {"media-previous", {ButtonKind::kMedia, 26}},
    {"media-next", {ButtonKind::kMedia, 27}},
    {"media-play-pause", {ButtonKind::kMedia, 28}},
    {"media-stop", {ButtonKind::kMedia, 29}},
    {"config", {ButtonKind::kConfig}},
}};

constexpr std::string_view kSlotPrefix = "button";

std::uint16_t Notice16(int value) { return static_cast<std::uint16_t>(value); }

std::vector<MouseNotice> MediaNotices(std::uint8_t functionCode) {
  const std::uint8_t key = MediaKeyForFunction(functionCode);
  return {{kNoticeMedia, Notice16(key | (kMediaPressed << 8))},
          {kNoticeMedia, Notice16(key | (kMediaReleased << 8))}};
}

// The next level after `step` whose flag is set, wrapping around; `step`
// itself when no other level is enabled, nothing when none is.
std::optional<std::uint8_t> NextEnabledLevel(std::uint8_t flags, std::uint8_t step) {
  for (int offset = 1; offset <= kLevels; ++offset) {
    const int level = (step + offset) % kLevels;
    if (flags & (1u << level)) {
      return static_cast<std::uint8_t>(level);
    }
  }
  return std::nullopt;
}

std::uint8_t NextSensitivity(std::uint8_t value) {
  return value >= 1 && value < 20 ? static_cast<std::uint8_t>(value + 1) : 1;
}

std::vector<MouseNotice> PressSlot(const FirmwareProfile& profile, int slot) {
  const std::uint8_t code = profile.Buttons[slot].Code;
  if (code == kMacroFunctionCode) {
    return {{kNoticeMacro, Notice16(slot + 1)}};
  }
  if (code == kProgramFunctionCode) {
    return {{kNoticeProgram, Notice16(slot + 1)}};
  }
  if (MediaKeyForFunction(code) != 0) {
    return MediaNotices(code);
  }
  return {};
}

}  // namespace

std::optional<MouseButton> ParseMouseButton(std::string_view name) {
  for (const NamedButton& named : kNamedButtons) {
    if (named.Name == name) {
      return named.Button;
    }
  }
  if (name.starts_with(kSlotPrefix)) {
    const std::string_view digits = name.substr(kSlotPrefix.size());
    if (digits.empty() || digits.size() > 2 || digits[0] == '0') {
      return std::nullopt;
    }
    int number = 0;
    for (char c : digits) {
      if (c < '0' || c > '9') {
        return std::nullopt;
      }
      number = number * 10 + (c - '0');
    }
    if (number >= 1 && number <= kButtons) {
      return MouseButton{ButtonKind::kSlot, number - 1};
    }
  }
  return std::nullopt;
}

std::string MouseButtonName(const MouseButton& button) {
  if (button.Kind == ButtonKind::kSlot) {
    return std::string(kSlotPrefix) + std::to_string(button.Index + 1);
  }
  for (const NamedButton& named : kNamedButtons) {
    if (named.Button == button) {
      return std::string(named.Name);
    }
  }
  return {};
}

std::vector<MouseButton> AllMouseButtons() {
  std::vector<MouseButton> buttons;
  for (const NamedButton& named : kNamedButtons) {
    buttons.push_back(named.Button);
  }
  for (int slot = 0; slot < kButtons; ++slot) {
    buttons.push_back({ButtonKind::kSlot, slot});
  }
  return buttons;
}

std::vector<MouseNotice> PressButton(FirmwareMemory& memory, const MouseButton& button) {
  if (memory.ActiveProfile >= kProfiles) {
    memory.ActiveProfile = 0;
  }
  FirmwareProfile& profile = memory.Profiles[memory.ActiveProfile];
  ProfileSettings& settings = profile.Settings;
  switch (button.Kind) {
    case ButtonKind::kProfile:
      memory.ActiveProfile = static_cast<std::uint8_t>((memory.ActiveProfile + 1) % kProfiles);
      return {{kNoticeProfile, Notice16(memory.ActiveProfile + 1)}};
    case ButtonKind::kCpi: {
      const auto next = NextEnabledLevel(settings.LevelFlags, settings.CpiStep);
      if (!next) {
        return {};
      }
      settings.CpiStep = *next;
      return {{kNoticeCpiLevel, Notice16(settings.CpiStep + 1)}};
    }
    case ButtonKind::kSensitivity:
      settings.SensitivityX = NextSensitivity(settings.SensitivityX);
      settings.SensitivityY = NextSensitivity(settings.SensitivityY);
      return {{kNoticeSensitivity, Notice16(settings.SensitivityX | (settings.SensitivityY << 8))}};
    case ButtonKind::kPolling:
      settings.PollingRate = static_cast<std::uint8_t>((settings.PollingRate + 1) % 4);
      return {{kNoticePollingRate, Notice16(settings.PollingRate + 1)}};
    case ButtonKind::kTiltLeft:
      return {{kNoticeTilt, kTiltLeft}};
    case ButtonKind::kTiltRight:
      return {{kNoticeTilt, kTiltRight}};
    case ButtonKind::kMedia:
      return MediaKeyForFunction(static_cast<std::uint8_t>(button.Index)) != 0
                 ? MediaNotices(static_cast<std::uint8_t>(button.Index))
                 : std::vector<MouseNotice>{};
    case ButtonKind::kConfig:
      return {{kNoticeConfiguration, 1}};
    case ButtonKind::kSlot:
      return button.Index >= 0 && button.Index < kButtons ? PressSlot(profile, button.Index)
                                                          : std::vector<MouseNotice>{};
  }
  return {};
}

}  // namespace mouse::vmouse
