#include "device/reports.h"

namespace mouse {

bool IsReport(std::span<const std::uint8_t> bytes, std::uint8_t id, std::size_t length) {
  return bytes.size() >= length && bytes[0] == id;
}

Report<kReadRequestLength> BuildReadRequest(int profile, std::uint8_t what) {
  return {kReadRequestId, LowByte(profile), what};
}

std::optional<std::uint8_t> ParseStatusReport(std::span<const std::uint8_t> bytes) {
  if (!IsReport(bytes, kStatusReportId, kStatusReportLength)) {
    return std::nullopt;
  }
  return bytes[1];
}

Report<kStatusReportLength> BuildStatusReport(std::uint8_t status) {
  return {kStatusReportId, status, 0};
}

Report<kProfileSelectReportLength> BuildProfileSelectReport(int profile) {
  return {kProfileSelectReportId, kProfileSelectReportLength, LowByte(profile)};
}

std::optional<int> ParseProfileSelectReport(std::span<const std::uint8_t> bytes) {
  if (!IsReport(bytes, kProfileSelectReportId, kProfileSelectReportLength) ||
      !IsProfileIndex(bytes[2])) {
    return std::nullopt;
  }
  return bytes[2];
}

bool StoreProfileSelectReport(std::span<const std::uint8_t> bytes, SettingsBlock& block) {
  const std::optional<int> profile = ParseProfileSelectReport(bytes);
  if (!profile) {
    return false;
  }
  block.CurrentProfile = *profile;
  return true;
}

Report<kOtgReportLength> BuildOtgReport(std::int32_t otgSpeed) {
  return {kOtgReportId, kOtgReportLength, LowByte(otgSpeed), 0x03, 0x09, 0};
}

std::optional<std::uint8_t> ParseOtgReport(std::span<const std::uint8_t> bytes) {
  if (!IsReport(bytes, kOtgReportId, kOtgReportLength)) {
    return std::nullopt;
  }
  return bytes[2];
}

Report<kDeviceInfoReportLength> BuildDeviceInfoReport(const DeviceInfo& info) {
  Report<kDeviceInfoReportLength> report =
      EmptyReport<kDeviceInfoReportLength>(kDeviceInfoReportId);
  report[2] = info.firmwareVersion;
  report[4] = info.mouseType;
  return report;
}

std::optional<DeviceInfo> ParseDeviceInfoReport(std::span<const std::uint8_t> bytes) {
  if (!IsReport(bytes, kDeviceInfoReportId, kDeviceInfoReportLength)) {
    return std::nullopt;
  }
  return DeviceInfo{bytes[2], bytes[4]};
}

Report<kHostPresenceReportLength> BuildHostPresenceReport(bool active) {
  return {kHostPresenceReportId, kHostPresenceReportLength, static_cast<std::uint8_t>(active)};
}

std::optional<bool> ParseHostPresenceReport(std::span<const std::uint8_t> bytes) {
  if (!IsReport(bytes, kHostPresenceReportId, kHostPresenceReportLength)) {
    return std::nullopt;
  }
  return bytes[2] != 0;
}

}  // namespace mouse
