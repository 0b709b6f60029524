#include "support/vmouse/firmware/firmware_reports.h"

#include <cstring>

namespace mouse::vmouse {

namespace {

Report Framed(std::uint8_t id, std::size_t length) {
  Report report(length, 0);
  report[0] = id;
  report[1] = static_cast<std::uint8_t>(length);
  return report;
}

template <typename T>
void CopyOut(Report& report, std::size_t offset, const T& value) {
  std::memcpy(report.data() + offset, &value, sizeof value);
}

template <typename T>
T CopyIn(const std::uint8_t* report, std::size_t offset) {
  T value;
  std::memcpy(&value, report + offset, sizeof value);
  return value;
}

Command Malformed(std::uint8_t id, std::string reason) {
  return MalformedCommand{id, std::move(reason)};
}

// The checks every command with a length byte shares: the exact length and
// byte 1 holding it.
std::optional<Command> CheckFrame(const std::uint8_t* report, std::size_t length,
                                  std::size_t expected) {
  if (length != expected) {
    return Malformed(
        report[0], "length " + std::to_string(length) + " instead of " + std::to_string(expected));
  }
  if (report[1] != expected) {
    return Malformed(report[0], "length byte " + std::to_string(report[1]));
  }
  return std::nullopt;
}

std::optional<Command> CheckProfile(const std::uint8_t* report, std::uint8_t profile) {
  if (profile >= kProfiles) {
    return Malformed(report[0], "profile " + std::to_string(profile));
  }
  return std::nullopt;
}

Command ParseReadRequest(const std::uint8_t* r, std::size_t length) {
  if (length != kReadRequestLength) {
    return Malformed(r[0], "length " + std::to_string(length) + " instead of 3");
  }
  if (auto bad = CheckProfile(r, r[1])) {
    return *bad;
  }
  const std::uint8_t what = r[2];
  if (what != kReadSettings && what != kReadButtonMap && what >= kButtons) {
    return Malformed(r[0], "read selector " + std::to_string(what));
  }
  return ReadRequestCommand{r[1], what};
}

Command ParseProfileSelect(const std::uint8_t* r, std::size_t length) {
  if (auto bad = CheckFrame(r, length, kProfileSelectLength)) {
    return *bad;
  }
  if (auto bad = CheckProfile(r, r[2])) {
    return *bad;
  }
  return ProfileSelectCommand{r[2]};
}

Command ParseSettings(const std::uint8_t* r, std::size_t length) {
  if (auto bad = CheckFrame(r, length, kSettingsLength)) {
    return *bad;
  }
  if (auto bad = CheckProfile(r, r[2])) {
    return *bad;
  }
  SettingsCommand command{r[2], CopyIn<ProfileSettings>(r, 3)};
  command.Settings.Unused24 = 0;
  return command;
}

Command ParseButtonMap(const std::uint8_t* r, std::size_t length) {
  if (auto bad = CheckFrame(r, length, kButtonMapLength)) {
    return *bad;
  }
  if (auto bad = CheckProfile(r, r[2])) {
    return *bad;
  }
  ButtonMapCommand command{r[2], {}};
  std::memcpy(command.Buttons.data(), r + 3, sizeof command.Buttons);
  return command;
}

Command ParseOtg(const std::uint8_t* r, std::size_t length) {
  if (auto bad = CheckFrame(r, length, kOtgLength)) {
    return *bad;
  }
  return OtgCommand{CopyIn<OtgSettings>(r, 2)};
}

Command ParseMacro(const std::uint8_t* r, std::size_t length) {
  if (auto bad = CheckFrame(r, length, kMacroLength)) {
    return *bad;
  }
  if (auto bad = CheckProfile(r, r[2])) {
    return *bad;
  }
  if (r[3] >= kButtons) {
    return Malformed(r[0], "button " + std::to_string(r[3]));
  }
  MacroCommand command{r[2], r[3], CopyIn<MacroSlot>(r, 4)};
  if (command.Macro.EntryCount > kMacroEntryBytes / 2) {
    return Malformed(r[0], "entry count " + std::to_string(command.Macro.EntryCount));
  }
  return command;
}

Command ParseHostPresence(const std::uint8_t* r, std::size_t length) {
  if (auto bad = CheckFrame(r, length, kHostPresenceLength)) {
    return *bad;
  }
  if (r[2] > 1) {
    return Malformed(r[0], "presence flag " + std::to_string(r[2]));
  }
  return HostPresenceCommand{r[2]};
}

Command ParseDataChunk(const std::uint8_t* r, std::size_t length) {
  if (length != kDataChunkLength) {
    return Malformed(r[0], "length " + std::to_string(length) + " instead of 1034");
  }
  if (r[1] < 1 || r[1] > kDataChunks) {
    return Malformed(r[0], "chunk number " + std::to_string(r[1]));
  }
  const std::uint16_t sum = static_cast<std::uint16_t>(r[1032] | (r[1033] << 8));
  if (sum != DataChunkSum(r)) {
    return Malformed(r[0], "bad sum");
  }
  DataChunkCommand command{r[1], {}};
  std::memcpy(command.Data.data(), r + 8, kDataChunkPayload);
  return command;
}

}  // namespace

Report StatusReport(std::uint8_t status) { return Report{kReadRequestId, status, 0}; }

Report ProfileSelectReport(std::uint8_t activeProfile) {
  return Report{kProfileSelectId, 0x03, activeProfile};
}

Report SettingsReport(const ProfileSettings& settings, int profile) {
  Report report = Framed(kSettingsId, kSettingsLength);
  report[2] = static_cast<std::uint8_t>(profile);
  CopyOut(report, 3, settings);
  return report;
}

Report ButtonMapReport(const FirmwareProfile& profile, int profileIndex) {
  Report report = Framed(kButtonMapId, kButtonMapLength);
  report[2] = static_cast<std::uint8_t>(profileIndex);
  CopyOut(report, 3, profile.Buttons);
  return report;
}

Report OtgReport(const OtgSettings& otg) {
  Report report = Framed(kOtgId, kOtgLength);
  CopyOut(report, 2, otg);
  return report;
}

Report MacroReport(const MacroSlot& macro, int profile, int button) {
  Report report = Framed(kMacroId, kMacroLength);
  report[2] = static_cast<std::uint8_t>(profile);
  report[3] = static_cast<std::uint8_t>(button);
  CopyOut(report, 4, macro);
  return report;
}

Report DeviceInfoReport(std::uint8_t firmwareVersion, std::uint8_t mouseType) {
  Report report = Framed(kDeviceInfoId, kDeviceInfoLength);
  report[2] = firmwareVersion;
  report[4] = mouseType;
  return report;
}

std::optional<std::size_t> ReadLength(std::uint8_t id) {
  switch (id) {
    case kReadRequestId:
      return kStatusLength;
    case kProfileSelectId:
      return kProfileSelectLength;
    case kSettingsId:
      return kSettingsLength;
    case kButtonMapId:
      return kButtonMapLength;
    case kOtgId:
      return kOtgLength;
    case kMacroId:
      return kMacroLength;
    case kDeviceInfoId:
      return kDeviceInfoLength;
    default:
      return std::nullopt;
  }
}

std::optional<Command> ParseCommand(const std::uint8_t* report, std::size_t length) {
  if (report == nullptr || length == 0) {
    return std::nullopt;
  }
  // Every command with a length byte has at least three bytes; shorter ones
  // are malformed before any byte beyond the id is looked at.
  if (length < 3 && report[0] != kReadRequestId) {
    switch (report[0]) {
      case kProfileSelectId:
      case kSettingsId:
      case kButtonMapId:
      case kOtgId:
      case kMacroId:
      case kHostPresenceId:
      case kDataChunkId:
        return Malformed(report[0], "length " + std::to_string(length));
      default:
        return std::nullopt;
    }
  }
  switch (report[0]) {
    case kReadRequestId:
      return ParseReadRequest(report, length);
    case kProfileSelectId:
      return ParseProfileSelect(report, length);
    case kSettingsId:
      return ParseSettings(report, length);
    case kButtonMapId:
      return ParseButtonMap(report, length);
    case kOtgId:
      return ParseOtg(report, length);
    case kMacroId:
      return ParseMacro(report, length);
    case kHostPresenceId:
      return ParseHostPresence(report, length);
    case kDataChunkId:
      return ParseDataChunk(report, length);
    default:
      return std::nullopt;
  }
}

std::uint16_t DataChunkSum(const std::uint8_t* report) {
  unsigned sum = 0;
  for (std::size_t i = 0; i < kDataChunkLength - 2; ++i) {
    sum += report[i];
  }
  return static_cast<std::uint16_t>(sum & 0xFFFF);
}

std::string HexLine(const Report& report) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string line;
  line.reserve(report.size() * 3);
  for (std::uint8_t byte : report) {
    if (!line.empty()) {
      line += ' ';
    }
    line += kDigits[byte >> 4];
    line += kDigits[byte & 0x0F];
  }
  return line;
}

}  // namespace mouse::vmouse
