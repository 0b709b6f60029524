// The reports as the mouse sees them: what it returns for each read, and
// what it makes of each command the host sends. A command that does not
// have the form of its report is "malformed"; the mouse answers it with the
// failed status.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "support/vmouse/firmware/firmware_memory.h"

namespace mouse::vmouse {

enum ReportId : std::uint8_t {
  kReadRequestId = 0x04,  // sent: select the next read; read: the status
  kProfileSelectId = 0x05,
  kSettingsId = 0x06,
  kButtonMapId = 0x07,
  kOtgId = 0x08,
  kMacroId = 0x09,
  kDeviceInfoId = 0x0A,
  kHostPresenceId = 0x0E,
  kDataChunkId = 0x2A,
};

inline constexpr std::size_t kStatusLength = 3;
inline constexpr std::size_t kReadRequestLength = 3;
inline constexpr std::size_t kProfileSelectLength = 3;
inline constexpr std::size_t kSettingsLength = 37;
inline constexpr std::size_t kButtonMapLength = 50;
inline constexpr std::size_t kOtgLength = 6;
inline constexpr std::size_t kMacroLength = 130;
inline constexpr std::size_t kDeviceInfoLength = 8;
inline constexpr std::size_t kHostPresenceLength = 3;
inline constexpr std::size_t kDataChunkLength = 1034;
inline constexpr std::size_t kDataChunkPayload = 1024;
inline constexpr int kDataChunks = 3;

// What a read request asks for: the settings, the button map, or the
// macro of button 0..14.
inline constexpr std::uint8_t kReadSettings = 0x10;
inline constexpr std::uint8_t kReadButtonMap = 0x20;

// The status report's values.
inline constexpr std::uint8_t kStatusCompleted = 1;
inline constexpr std::uint8_t kStatusFailed = 2;
inline constexpr std::uint8_t kStatusBusy = 3;

using Report = std::vector<std::uint8_t>;

// --- What the mouse returns ---
Report StatusReport(std::uint8_t status);
Report ProfileSelectReport(std::uint8_t activeProfile);
Report SettingsReport(const ProfileSettings& settings, int profile);
Report ButtonMapReport(const FirmwareProfile& profile, int profileIndex);
Report OtgReport(const OtgSettings& otg);
Report MacroReport(const MacroSlot& macro, int profile, int button);
Report DeviceInfoReport(std::uint8_t firmwareVersion, std::uint8_t mouseType);

// The length of the report the mouse returns for a read of `id`; nothing
// for ids it does not return.
std::optional<std::size_t> ReadLength(std::uint8_t id);

// --- What the host sends ---
struct ReadRequestCommand {
  std::uint8_t Profile;
  std::uint8_t What;  // kReadSettings, kReadButtonMap or a button 0..14
};
struct ProfileSelectCommand {
  std::uint8_t Profile;
};
struct SettingsCommand {
  std::uint8_t Profile;
  ProfileSettings Settings;
};
struct ButtonMapCommand {
  std::uint8_t Profile;
  std::array<ButtonAssignment, kButtons> Buttons;
};
struct OtgCommand {
  OtgSettings Otg;
};
struct MacroCommand {
  std::uint8_t Profile;
  std::uint8_t Button;
  MacroSlot Macro;
};
struct HostPresenceCommand {
  std::uint8_t Present;
};
struct DataChunkCommand {
  std::uint8_t Chunk;  // 1..3
  std::array<std::uint8_t, kDataChunkPayload> Data;
};
struct MalformedCommand {
  std::uint8_t Id;
  std::string Reason;
};

using Command =
    std::variant<ReadRequestCommand, ProfileSelectCommand, SettingsCommand, ButtonMapCommand,
                 OtgCommand, MacroCommand, HostPresenceCommand, DataChunkCommand, MalformedCommand>;

// The command a sent report carries; nothing when the mouse has no such
// report to receive (an unknown id, or no bytes at all), which the mouse
// refuses outright.
std::optional<Command> ParseCommand(const std::uint8_t* report, std::size_t length);

// The 16-bit sum a data chunk ends with: bytes 0..1031 as unsigned bytes.
std::uint16_t DataChunkSum(const std::uint8_t* report);

// A report as the dump prints it: upper-case hexadecimal pairs separated
// by spaces.
std::string HexLine(const Report& report);

}  // namespace mouse::vmouse
