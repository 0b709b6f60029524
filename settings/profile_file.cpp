#include "settings/profile_file.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "settings/button_record.h"
#include "settings/fixed_text.h"
#include "settings/ini_file.h"
#include "settings/ini_values.h"

namespace mouse {

namespace {

using Kind = ProfileKey::Kind;

void AddLevels(std::vector<ProfileKey>& keys, std::u16string_view name, Kind kind,
               std::size_t offset, std::size_t elementSize) {
  for (int i = 0; i < kCpiLevelCount; ++i) {
    keys.push_back(
        {std::u16string(name) + FormatInt(i), kind, offset + i * elementSize, elementSize});
  }
}

std::vector<ProfileKey> BuildProfileKeys() {
  using P = ProfileRecord;
  constexpr auto I = Kind::Int32;
  constexpr auto B = Kind::Byte;
  constexpr std::size_t kInt = sizeof(std::int32_t);
  std::vector<ProfileKey> keys = {
      {u"ProFileName", Kind::String, offsetof(P, ProFileName), sizeof(P::ProFileName)},
      {u"GameFile", Kind::String, offsetof(P, GameFile), sizeof(P::GameFile)},
      {u"DbleClickSpeed", I, offsetof(P, DbleClickSpeed), kInt},
      {u"ScrollWheelSpeed", I, offsetof(P, ScrollWheelSpeed), kInt},
      {u"ScrollWheelFlag", I, offsetof(P, ScrollWheelFlag), kInt},
      {u"MouseSpeed", I, offsetof(P, MouseSpeed), kInt},
      {u"Acceleration", I, offsetof(P, Acceleration), kInt},
      {u"AccelerationFlag", I, offsetof(P, AccelerationFlag), kInt},
      {u"TiltSpeed", I, offsetof(P, TiltSpeed), kInt},
      {u"MediaOption", I, offsetof(P, MediaOption), kInt},
      {u"HDDKeyboard", I, offsetof(P, HDDKeyboard), kInt},
      {u"Orientation", I, offsetof(P, Orientation), kInt},
      {u"XYSynchronous", I, offsetof(P, XYSynchronous), kInt},
      {u"Sensitivity_X", I, offsetof(P, Sensitivity_X), kInt},
      {u"Sensitivity_Y", I, offsetof(P, Sensitivity_Y), kInt},
      {u"Cpi_X", I, offsetof(P, Cpi_X), kInt},
      {u"Cpi_Y", I, offsetof(P, Cpi_Y), kInt},
      {u"XYCpiFlag", I, offsetof(P, XYCpiFlag), kInt},
  };
  AddLevels(keys, u"CpiLevel_X", I, offsetof(P, CpiLevel_X), kInt);
  AddLevels(keys, u"CpiLevel_Y", I, offsetof(P, CpiLevel_Y), kInt);
  const std::vector<ProfileKey> middle = {
      {u"CpiStep", I, offsetof(P, CpiStep), kInt},
      {u"PollingRate", I, offsetof(P, PollingRate), kInt},
      {u"LiftSwitch", I, offsetof(P, LiftSwitch), kInt},
      {u"LiftLevel", I, offsetof(P, LiftLevel), kInt},
      {u"LightSwitch", I, offsetof(P, LightSwitch), kInt},
      {u"LightType", I, offsetof(P, LightType), kInt},
      {u"ColorFlag", I, offsetof(P, ColorFlag), kInt},
      {u"ColorOptions", I, offsetof(P, ColorOptions), kInt},
      {u"ColorChangeMode", I, offsetof(P, ColorChangeMode), kInt},
      {u"BTOption", I, offsetof(P, BTOption), kInt},
      {u"OTGSpeed", I, offsetof(P, OTGSpeed), kInt},
  };
  keys.insert(keys.end(), middle.begin(), middle.end());
  AddLevels(keys, u"dpiStepFlag", B, offsetof(P, dpiStepFlag), 1);
  AddLevels(keys, u"dpiIndicator", B, offsetof(P, dpiIndicator), 1);
  const std::vector<ProfileKey> tail = {
      {u"DpiIndicationType", B, offsetof(P, DpiIndicationType), 1},
      {u"CpiXDefault", I, offsetof(P, CpiXDefault), kInt},
      {u"CpiYDefault", I, offsetof(P, CpiYDefault), kInt},
      {u"BtnConfiguration", B, offsetof(P, BtnConfiguration), 1},
      {u"Color1Type", B, offsetof(P, Color1Type), 1},
      {u"Color2Type", B, offsetof(P, Color2Type), 1},
      {u"LightEffectSwitch1", B, offsetof(P, LightEffectSwitch1), 1},
      {u"LightEffectSwitch2", B, offsetof(P, LightEffectSwitch2), 1},
      {u"LightEffectType1", B, offsetof(P, LightEffectType1), 1},
      {u"LightEffectType2", B, offsetof(P, LightEffectType2), 1},
      {u"ColorOptions1", B, offsetof(P, ColorOptions1), 1},
      {u"ColorOptions2", B, offsetof(P, ColorOptions2), 1},
      {u"ColorChangeModeOptions1", B, offsetof(P, ColorChangeModeOptions1), 1},
      {u"ColorChangeModeOptions2", B, offsetof(P, ColorChangeModeOptions2), 1},
      {u"FireOrOnToGoStatusIndicatorSetting", B, offsetof(P, FireOrOnToGoStatusIndicatorSetting),
       1},
      {u"ProfileSwitchIndictor", B, offsetof(P, ProfileSwitchIndictor), 1},
  };
  keys.insert(keys.end(), tail.begin(), tail.end());
  for (int button = 0; button < kButtonCount; ++button) {
    keys.push_back({u"MacroKeyInfo" + FormatInt(button), Kind::ButtonRecord,
                    offsetof(P, MacroKeyInfo) + button * sizeof(MacroKeyInfo),
                    sizeof(MacroKeyInfo)});
  }
  return keys;
}

}  // namespace

const std::vector<ProfileKey>& ProfileKeys() {
  static const std::vector<ProfileKey> keys = BuildProfileKeys();
  return keys;
}

void ReadProfile(ProfileRecord& profile, const IniDocument& doc) {
  auto* bytes = reinterpret_cast<std::uint8_t*>(&profile);
  for (const ProfileKey& key : ProfileKeys()) {
    std::uint8_t* field = bytes + key.offset;
    switch (key.kind) {
      case Kind::String: {
        const std::u16string text = doc.GetString(kProfileSection, key.name);
        const std::size_t capacity = key.size / sizeof(char16_t);
        const std::size_t length = FittingLength(text, capacity);
        std::memset(field, 0, key.size);
        std::memcpy(field, text.data(), length * sizeof(char16_t));
        break;
      }
      case Kind::Int32: {
        const std::int32_t value = doc.GetInt(kProfileSection, key.name, -1);
        std::memcpy(field, &value, sizeof value);
        break;
      }
      case Kind::Byte:
        *field = static_cast<std::uint8_t>(doc.GetInt(kProfileSection, key.name, -1) & 0xFF);
        break;
      case Kind::ButtonRecord: {
        const int button = static_cast<int>((key.offset - offsetof(ProfileRecord, MacroKeyInfo)) /
                                            sizeof(MacroKeyInfo));
        MacroKeyInfo& record = profile.MacroKeyInfo[button];
        const auto stored = doc.Find(kProfileSection, key.name);
        const auto parsed = stored ? ParseByteRecord(*stored, key.size) : std::nullopt;
        if (parsed) {
          std::memcpy(&record, parsed->data(), sizeof record);
          SanitizeButtonRecord(record, button);
        } else {
          SetDefaultButtonRecord(record, button);
        }
        break;
      }
    }
  }
}

void WriteProfile(const ProfileRecord& profile, IniDocument& doc) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&profile);
  for (const ProfileKey& key : ProfileKeys()) {
    const std::uint8_t* field = bytes + key.offset;
    switch (key.kind) {
      case Kind::String: {
        std::u16string text(key.size / sizeof(char16_t), u'\0');
        std::memcpy(text.data(), field, key.size);
        text.resize(std::min(text.find(u'\0'), text.size()));
        doc.SetString(kProfileSection, key.name, text);
        break;
      }
      case Kind::Int32: {
        std::int32_t value = 0;
        std::memcpy(&value, field, sizeof value);
        doc.SetInt(kProfileSection, key.name, value);
        break;
      }
      case Kind::Byte:
        doc.SetInt(kProfileSection, key.name, *field);
        break;
      case Kind::ButtonRecord:
        doc.Set(kProfileSection, key.name, FormatByteRecord(field, key.size));
        break;
    }
  }
}

void ReadProfileFile(ProfileRecord& profile, const std::filesystem::path& path,
                     const AnsiCodePage& ansi) {
  ReadProfile(profile, LoadIniFile(path, ansi));
}

void WriteProfileFile(const ProfileRecord& profile, const std::filesystem::path& path,
                      const AnsiCodePage& ansi) {
  UpdateIniFile(path, ansi, [&profile](IniDocument& doc) { WriteProfile(profile, doc); });
}

}  // namespace mouse
