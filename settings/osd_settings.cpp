#include "settings/osd_settings.h"

#include <cstring>

#include "settings/ini_file.h"
#include "settings/ini_values.h"

namespace mouse {

OsdSettings DefaultOsdSettings() {
  OsdSettings settings;
  std::memset(&settings, 0, sizeof settings);
  settings.ProfileFlag = 1;
  settings.MacroFlag = 1;
  settings.CpiFlag = 1;
  settings.DisplayTime = kDefaultDisplayTime;
  settings.DisplayOpacity = kDefaultDisplayOpacity;
  return settings;
}

StoredOsdSettings ReadOsdSettings(const IniDocument& config) {
  const auto stored = config.Find(kOsdSettingSection, kOsdSettingKey);
  if (!stored) {
    return {DefaultOsdSettings(), OsdRecordState::Missing};
  }
  const auto bytes = ParseByteRecord(UnquoteStringValue(*stored), kOsdSettingsSize);
  if (!bytes) {
    return {DefaultOsdSettings(), OsdRecordState::Damaged};
  }
  OsdSettings settings;
  std::memcpy(&settings, bytes->data(), kOsdSettingsSize);
  return {settings, OsdRecordState::Present};
}

void WriteOsdSettings(IniDocument& config, const OsdSettings& settings) {
  config.Set(kOsdSettingSection, kOsdSettingKey, FormatByteRecord(&settings, sizeof settings));
}

StoredOsdSettings LoadOsdSettings(const std::filesystem::path& configIni,
                                  const AnsiCodePage& ansi) {
  return ReadOsdSettings(LoadIniFile(configIni, ansi));
}

OsdSettings EnsureOsdSettings(const std::filesystem::path& configIni, const AnsiCodePage& ansi) {
  OsdSettings inEffect = DefaultOsdSettings();
  UpdateIniFile(configIni, ansi, [&inEffect](IniDocument& config) {
    const StoredOsdSettings stored = ReadOsdSettings(config);
    inEffect = stored.settings;
    if (stored.state != OsdRecordState::Present) {
      WriteOsdSettings(config, inEffect);
    }
  });
  return inEffect;
}

std::uint32_t OsdDisplayParam(const OsdSettings& settings) {
  return (static_cast<std::uint32_t>(settings.DisplayTime) << 16) | settings.DisplayOpacity;
}

std::optional<OsdDisplay> DecodeOsdDisplay(std::uint32_t param) {
  const int time = static_cast<int>(param >> 16);
  const int opacity = static_cast<int>(param & 0xFFFF);
  if (time < kMinDisplayTime || time > kMaxDisplayTime || opacity < kMinDisplayOpacity ||
      opacity > kMaxDisplayOpacity) {
    return std::nullopt;
  }
  return OsdDisplay{time * 100, opacity};
}

OsdDisplay OsdDisplayOf(const OsdSettings& settings) {
  if (const auto display = DecodeOsdDisplay(OsdDisplayParam(settings))) {
    return *display;
  }
  return *DecodeOsdDisplay(OsdDisplayParam(DefaultOsdSettings()));
}

}  // namespace mouse
