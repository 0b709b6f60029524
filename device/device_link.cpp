#include "device/device_link.h"

#include "device/button_map_report.h"
#include "device/macro_report.h"
#include "device/profile_settings_report.h"
#include "settings/button_codes.h"

namespace mouse {

namespace {

bool IsButtonIndex(int button) { return button >= 0 && button < kButtonCount; }

// The wait before status read `attempt` of a poll.
int PollWait(int attempt, int firstWaitMs) {
  switch (attempt) {
    case 0:
      return firstWaitMs;
    case 1:
      return 1000;
    case 2:
      return 1500;
    default:
      return 2000;
  }
}

}  // namespace

bool DeviceLink::Wait(int milliseconds) {
  const int steps = milliseconds / kWaitStepMs;
  for (int i = 0; i < steps; ++i) {
    if (Aborted()) {
      return false;
    }
    clock_.SleepMs(kWaitStepMs);
  }
  return !Aborted();
}

bool DeviceLink::WaitDeviceReady(int firstWaitMs) {
  std::uint8_t status = 0;
  bool result = false;
  for (int attempt = 0; attempt < kMaxPollAttempts; ++attempt) {
    if (!Wait(PollWait(attempt, firstWaitMs))) {
      return false;
    }
    Report<kStatusReportLength> report = EmptyReport<kStatusReportLength>(kStatusReportId);
    const std::optional<std::uint8_t> read =
        Read(report) ? ParseStatusReport(report) : std::nullopt;
    if (read) {
      status = *read;
      result = status == kStatusDone;
    } else {
      result = false;
    }
    if (status != kStatusBusy) {
      return result;
    }
  }
  return false;
}

void DeviceLink::RequestRead(int profile, std::uint8_t what) {
  Send(BuildReadRequest(profile, what));
  clock_.SleepMs(kReadRequestPauseMs);
}

bool DeviceLink::SendProfileSelect(int profile) {
  return IsProfileIndex(profile) && SendAndPoll(BuildProfileSelectReport(profile), 100);
}

bool DeviceLink::SendProfileSettings(const SettingsBlock& block, int profile) {
  return IsProfileIndex(profile) &&
         SendAndPoll(BuildProfileSettingsReport(block.Profiles[profile], profile), 200);
}

bool DeviceLink::SendButtonMap(const SettingsBlock& block, int profile) {
  return IsProfileIndex(profile) &&
         SendAndPoll(BuildButtonMapReport(block.Profiles[profile], profile), 500);
}

bool DeviceLink::SendOtg(const SettingsBlock& block) {
  const int current = block.CurrentProfile;
  return IsProfileIndex(current) &&
         SendAndPoll(BuildOtgReport(block.Profiles[current].OTGSpeed), 100);
}

bool DeviceLink::SendMacro(const SettingsBlock& block, int profile, int button) {
  if (!IsProfileIndex(profile) || !IsButtonIndex(button)) {
    return false;
  }
  const MacroKeyInfo& record = block.Profiles[profile].MacroKeyInfo[button];
  if (record.FunctionCode != kMacro) {
    return true;
  }
  return SendAndPoll(BuildMacroReport(record, profile, button, codePage_, log_), 200);
}

bool DeviceLink::SendHostPresence(bool active) {
  return SendAndPoll(BuildHostPresenceReport(active), 100);
}

bool DeviceLink::ReadActiveProfile(SettingsBlock& block) {
  Report<kProfileSelectReportLength> report =
      EmptyReport<kProfileSelectReportLength>(kProfileSelectReportId);
  return Read(report) && StoreProfileSelectReport(report, block);
}

bool DeviceLink::ReadProfileSettings(SettingsBlock& block, int profile) {
  if (!IsProfileIndex(profile)) {
    return false;
  }
  RequestRead(profile, kReadProfileSettings);
  Report<kProfileSettingsReportLength> report =
      EmptyReport<kProfileSettingsReportLength>(kProfileSettingsReportId);
  return Read(report) && StoreProfileSettingsReport(report, block.Profiles[profile]);
}

bool DeviceLink::ReadButtonMap(SettingsBlock& block, int profile) {
  if (!IsProfileIndex(profile)) {
    return false;
  }
  RequestRead(profile, kReadButtonMap);
  Report<kButtonMapReportLength> report = EmptyReport<kButtonMapReportLength>(kButtonMapReportId);
  return Read(report) && StoreButtonMapReport(report, block.Profiles[profile]);
}

bool DeviceLink::ReadOtg(SettingsBlock& block) {
  const int current = block.CurrentProfile;
  if (!IsProfileIndex(current)) {
    return false;
  }
  Report<kOtgReportLength> report = EmptyReport<kOtgReportLength>(kOtgReportId);
  const std::optional<std::uint8_t> speed = Read(report) ? ParseOtgReport(report) : std::nullopt;
  if (!speed) {
    return false;
  }
  block.Profiles[current].OTGSpeed = *speed;
  return true;
}

bool DeviceLink::ReadMacro(SettingsBlock& block, int profile, int button) {
  if (!IsProfileIndex(profile) || !IsButtonIndex(button)) {
    return false;
  }
  // The request itself is acknowledged before the macro can be read; how
  // that poll ends does not matter.
  if (Send(BuildReadRequest(profile, static_cast<std::uint8_t>(button)))) {
    WaitDeviceReady(300);
  }
  Report<kMacroReportLength> report = EmptyReport<kMacroReportLength>(kMacroReportId);
  return Read(report) && StoreMacroReport(report, profile, button,
                                          block.Profiles[profile].MacroKeyInfo[button], codePage_);
}

bool DeviceLink::ReadDeviceInfo(DeviceInfo& info) {
  Report<kDeviceInfoReportLength> report =
      EmptyReport<kDeviceInfoReportLength>(kDeviceInfoReportId);
  const std::optional<DeviceInfo> read =
      Read(report) ? ParseDeviceInfoReport(report) : std::nullopt;
  info = read.value_or(DeviceInfo{});
  return read.has_value();
}

}  // namespace mouse
