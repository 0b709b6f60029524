// The settings of the on-screen display: one 648-byte record in config.ini,
// section "OSDSetting", key "config", stored as a byte record. Helper reads
// the three flags to decide which changes it announces and forwards the two
// display words to the display after every apply (message 1326); the
// display program writes the default record when config.ini has none.
//
// Layout (little-endian, offsets in bytes):
//    8  int32   ProfileFlag     1 = announce the profile when it changes
//   12  int32   MacroFlag       1 = announce the macro's name when one plays
//   24  int32   CpiFlag         1 = announce the CPI text when the level changes
//   32  uint16  DisplayTime     how long a notice stays before it fades, in
//                               tenths of a second (1..600); the high half of
//                               the 1326 lParam
//   36  uint16  DisplayOpacity  opacity of a notice in percent (20..100); the
//                               low half of the 1326 lParam
// Every other byte is reserved: zero in the default record, kept as read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "settings/ini_document.h"
#include "settings/text_encoding.h"

namespace mouse {

struct OsdSettings {
  std::uint8_t Reserved0[8];
  std::int32_t ProfileFlag;
  std::int32_t MacroFlag;
  std::uint8_t Reserved16[8];
  std::int32_t CpiFlag;
  std::uint8_t Reserved28[4];
  std::uint16_t DisplayTime;
  std::uint8_t Reserved34[2];
  std::uint16_t DisplayOpacity;
  std::uint8_t Reserved38[610];
};

inline constexpr std::size_t kOsdSettingsSize = 648;
static_assert(sizeof(OsdSettings) == kOsdSettingsSize);
static_assert(offsetof(OsdSettings, ProfileFlag) == 8);
static_assert(offsetof(OsdSettings, MacroFlag) == 12);
static_assert(offsetof(OsdSettings, CpiFlag) == 24);
static_assert(offsetof(OsdSettings, DisplayTime) == 32);
static_assert(offsetof(OsdSettings, DisplayOpacity) == 36);

inline constexpr std::u16string_view kOsdSettingSection = u"OSDSetting";
inline constexpr std::u16string_view kOsdSettingKey = u"config";

// The display words: their ranges and the values of the default record.
inline constexpr int kMinDisplayTime = 1;  // tenths of a second
inline constexpr int kMaxDisplayTime = 600;
inline constexpr int kMinDisplayOpacity = 20;  // percent
inline constexpr int kMaxDisplayOpacity = 100;
inline constexpr std::uint16_t kDefaultDisplayTime = 25;
inline constexpr std::uint16_t kDefaultDisplayOpacity = 90;

// Profile, macro and CPI flags on, the default display words, the rest 0.
OsdSettings DefaultOsdSettings();

enum class OsdRecordState {
  Present,
  Missing,
  Damaged  // not a 648-byte record with a matching sum
};

struct StoredOsdSettings {
  OsdSettings settings;  // the default record unless the state is Present
  OsdRecordState state;
};

StoredOsdSettings ReadOsdSettings(const IniDocument& config);
// Replaces the record; every other key stays.
void WriteOsdSettings(IniDocument& config, const OsdSettings& settings);

// The file forms (config.ini in the program folder).
StoredOsdSettings LoadOsdSettings(const std::filesystem::path& configIni, const AnsiCodePage& ansi);
// Writes the default record when the file has no usable one, keeping every
// other key and any record that is present; returns the record in effect.
OsdSettings EnsureOsdSettings(const std::filesystem::path& configIni, const AnsiCodePage& ansi);

// The lParam of the display settings message: DisplayTime << 16 |
// DisplayOpacity.
std::uint32_t OsdDisplayParam(const OsdSettings& settings);

// What the display makes of the two words.
struct OsdDisplay {
  int displayMs;
  int opacityPercent;

  bool operator==(const OsdDisplay&) const = default;
};

// Nothing when either word is outside its range.
std::optional<OsdDisplay> DecodeOsdDisplay(std::uint32_t param);
// The display of a record, or of the default record when its words are out
// of range.
OsdDisplay OsdDisplayOf(const OsdSettings& settings);

}  // namespace mouse
