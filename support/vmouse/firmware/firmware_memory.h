// The memory of the virtual mouse, in the mouse's own form: for each of the
// five profiles exactly what its reports carry (settings, button map, OTG
// speed, one macro per button), the active profile, the host-presence flag
// and the tuning table. Everything is bytes, laid out as the reports lay
// them out, so the reports are built and parsed by plain copies.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "device/data_block.h"

namespace mouse::vmouse {

inline constexpr int kProfiles = 5;
inline constexpr int kButtons = 15;
inline constexpr int kLevels = 5;
inline constexpr std::size_t kMacroNameBytes = 24;
inline constexpr std::size_t kMacroEntryBytes = 100;  // 50 entries of two bytes

// Bytes 3..36 of the settings report.
struct ProfileSettings {
  std::uint8_t SensitivityX;
  std::uint8_t SensitivityY;
  std::uint8_t LevelFlags;  // bit i: level i takes part in the CPI cycle
  std::uint8_t LevelsX[kLevels];
  std::uint8_t LevelsY[kLevels];
  std::uint8_t CpiStep;  // active level 0..4
  std::uint8_t Indicators[kLevels];
  std::uint8_t IndicationType;
  std::uint8_t PollingRate;  // 0..3
  std::uint8_t Unused24;
  std::uint8_t ButtonConfiguration;
  std::uint8_t Color1Type;
  std::uint8_t Color2Type;
  std::uint8_t LightSwitch1;
  std::uint8_t LightSwitch2;
  std::uint8_t LightEffect1;
  std::uint8_t LightEffect2;
  std::uint8_t Color1;  // 0 = no fixed colour, n = colour n - 1
  std::uint8_t Color2;
  std::uint8_t ColorMode1;
  std::uint8_t ColorMode2;
  std::uint8_t ProfileIndicator;
  bool operator==(const ProfileSettings&) const = default;
};

// One button's triple of the button map: function code, then for key
// strokes the modifier flags and the key.
struct ButtonAssignment {
  std::uint8_t Code;
  std::uint8_t Modifiers;
  std::uint8_t Key;
  bool operator==(const ButtonAssignment&) const = default;
};

// Bytes 2..5 of the OTG report.
struct OtgSettings {
  std::uint8_t Speed;
  std::uint8_t Param1;
  std::uint8_t Param2;
  std::uint8_t Param3;
  bool operator==(const OtgSettings&) const = default;
};

// Bytes 4..129 of a macro report.
struct MacroSlot {
  std::uint8_t PlayCount;
  std::uint8_t Name[kMacroNameBytes];
  std::uint8_t EntryCount;
  std::uint8_t Entries[kMacroEntryBytes];
  bool operator==(const MacroSlot&) const = default;
};

struct FirmwareProfile {
  ProfileSettings Settings;
  ButtonAssignment Buttons[kButtons];
  OtgSettings Otg;
  MacroSlot Macros[kButtons];
  bool operator==(const FirmwareProfile&) const = default;
};

struct FirmwareMemory {
  std::uint8_t ActiveProfile = 0;
  std::uint8_t HostPresent = 0;
  std::array<FirmwareProfile, kProfiles> Profiles{};
  std::array<std::uint8_t, kDataBlockSize> TuningTable{};
  bool operator==(const FirmwareMemory&) const = default;
};

static_assert(sizeof(ProfileSettings) == 34);
static_assert(offsetof(ProfileSettings, CpiStep) == 16 - 3);
static_assert(offsetof(ProfileSettings, PollingRate) == 23 - 3);
static_assert(offsetof(ProfileSettings, ProfileIndicator) == 36 - 3);
static_assert(sizeof(ButtonAssignment) == 3);
static_assert(sizeof(OtgSettings) == 4);
static_assert(sizeof(MacroSlot) == 126);

// The mouse as it leaves the factory: the five default profiles, profile 0
// active, no host software, the standard tuning table.
FirmwareMemory FactoryMemory();

// True when `code` is the function code of a macro button.
inline constexpr std::uint8_t kMacroFunctionCode = 16;
inline constexpr std::uint8_t kProgramFunctionCode = 17;

}  // namespace mouse::vmouse
