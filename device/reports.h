// The feature reports of the mouse: ids, lengths, and the small reports.
//
// Every function here is pure: a builder makes the bytes of a report from
// values or from the settings block, a parser or Store function reads a
// report's bytes. Both sides use them: Helper's exchanges and the firmware
// model of the virtual mouse.
//
// Framing: byte 0 is the report id; in every report Helper sends except the
// read request and the data block, byte 1 is the report's total length.
// Unstated bytes are 0, multi-byte values little-endian, values from 32-bit
// fields of the block are sent as their low byte.
//
// Parsers accept any byte span: one shorter than its report, or whose byte 0
// is not the report's id, is rejected and changes nothing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "settings/settings_block.h"

namespace mouse {

template <std::size_t N>
using Report = std::array<std::uint8_t, N>;

inline constexpr std::uint8_t kReadRequestId = 0x04;
inline constexpr std::uint8_t kStatusReportId = 0x04;
inline constexpr std::uint8_t kProfileSelectReportId = 0x05;
inline constexpr std::uint8_t kProfileSettingsReportId = 0x06;
inline constexpr std::uint8_t kButtonMapReportId = 0x07;
inline constexpr std::uint8_t kOtgReportId = 0x08;
inline constexpr std::uint8_t kMacroReportId = 0x09;
inline constexpr std::uint8_t kDeviceInfoReportId = 0x0A;
inline constexpr std::uint8_t kHostPresenceReportId = 0x0E;
inline constexpr std::uint8_t kDataBlockReportId = 0x2A;

inline constexpr std::size_t kReadRequestLength = 3;
inline constexpr std::size_t kStatusReportLength = 3;
inline constexpr std::size_t kProfileSelectReportLength = 3;
inline constexpr std::size_t kProfileSettingsReportLength = 37;
inline constexpr std::size_t kButtonMapReportLength = 50;
inline constexpr std::size_t kOtgReportLength = 6;
inline constexpr std::size_t kMacroReportLength = 130;
inline constexpr std::size_t kDeviceInfoReportLength = 8;
inline constexpr std::size_t kHostPresenceReportLength = 3;
inline constexpr std::size_t kDataBlockReportLength = 1034;

// What a read request asks the mouse to return next (byte 2); the values
// 0..14 ask for the macro of that button.
inline constexpr std::uint8_t kReadProfileSettings = 0x10;
inline constexpr std::uint8_t kReadButtonMap = 0x20;

// The status byte of a StatusReport; every other value means failed.
inline constexpr std::uint8_t kStatusDone = 1;
inline constexpr std::uint8_t kStatusBusy = 3;

// How a 32-bit field of the block is sent.
constexpr std::uint8_t LowByte(std::int32_t value) {
  return static_cast<std::uint8_t>(value & 0xFF);
}

// A report whose byte 0 is `id` and whose other bytes are 0, ready to be
// read into.
template <std::size_t N>
Report<N> EmptyReport(std::uint8_t id) {
  Report<N> report{};
  report[0] = id;
  return report;
}

// True when `bytes` can hold report `id` of `length` bytes.
bool IsReport(std::span<const std::uint8_t> bytes, std::uint8_t id, std::size_t length);

// ReadRequest: what the next read returns (kReadProfileSettings,
// kReadButtonMap or a button index 0..14) for `profile`.
Report<kReadRequestLength> BuildReadRequest(int profile, std::uint8_t what);

// StatusReport: the status byte.
std::optional<std::uint8_t> ParseStatusReport(std::span<const std::uint8_t> bytes);
Report<kStatusReportLength> BuildStatusReport(std::uint8_t status);

// ProfileSelectReport: sent to make `profile` active; read, byte 2 is the
// active profile.
Report<kProfileSelectReportLength> BuildProfileSelectReport(int profile);
// The active profile 0..4; nothing for a value above 4.
std::optional<int> ParseProfileSelectReport(std::span<const std::uint8_t> bytes);
// CurrentProfile = the active profile; false (nothing changed) when the
// report is malformed or names no profile.
bool StoreProfileSelectReport(std::span<const std::uint8_t> bytes, SettingsBlock& block);

// OtgReport: the OTGSpeed of the current profile.
Report<kOtgReportLength> BuildOtgReport(std::int32_t otgSpeed);
std::optional<std::uint8_t> ParseOtgReport(std::span<const std::uint8_t> bytes);

// DeviceInfoReport: firmware version (byte 2) and mouse type (byte 4).
struct DeviceInfo {
  std::uint8_t firmwareVersion = 0;
  std::uint8_t mouseType = 0;
};
Report<kDeviceInfoReportLength> BuildDeviceInfoReport(const DeviceInfo& info);
std::optional<DeviceInfo> ParseDeviceInfoReport(std::span<const std::uint8_t> bytes);

// HostPresenceReport: 1 when Helper has taken over the mouse, 0 when it
// shuts down.
Report<kHostPresenceReportLength> BuildHostPresenceReport(bool active);
std::optional<bool> ParseHostPresenceReport(std::span<const std::uint8_t> bytes);

}  // namespace mouse
