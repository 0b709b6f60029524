#include "support/vmouse/firmware/firmware_model.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <variant>

namespace mouse::vmouse {

namespace {

std::string ProfileText(int profile) { return "P" + std::to_string(profile + 1); }

// The tuning table the mouse understands starts with "TUN" and version 1.
constexpr std::uint8_t kTableHeader[4] = {'T', 'U', 'N', 1};

}  // namespace

FirmwareModel::FirmwareModel(const Clock& clock, FirmwareOptions options, FirmwareMemory memory)
    : clock_(clock), options_(options), memory_(memory) {
  if (memory_.ActiveProfile >= kProfiles) {
    memory_.ActiveProfile = 0;
  }
}

std::uint8_t FirmwareModel::Status() const {
  return clock_.NowMs() < busyUntilMs_ ? kStatusBusy : result_;
}

bool FirmwareModel::SetFeature(const std::uint8_t* report, std::size_t length) {
  const std::optional<Command> command = ParseCommand(report, length);
  if (!command) {
    return false;
  }
  const Outcome outcome = std::visit([this](const auto& c) { return Execute(c); }, *command);
  result_ = outcome.Accepted ? kStatusCompleted : kStatusFailed;
  busyUntilMs_ = clock_.NowMs() + std::max(outcome.BusyMs, 0);
  Log(outcome.Text, outcome.Accepted);
  return true;
}

bool FirmwareModel::GetFeature(std::uint8_t* report, std::size_t length) {
  if (report == nullptr || length == 0) {
    return false;
  }
  const std::optional<std::size_t> expected = ReadLength(report[0]);
  if (!expected || *expected != length) {
    return false;
  }
  const Report answer = ReadReport(report[0]);
  std::copy(answer.begin(), answer.end(), report);
  return true;
}

Report FirmwareModel::ReadReport(std::uint8_t id) const {
  const FirmwareProfile& active = memory_.Profiles[memory_.ActiveProfile];
  switch (id) {
    case kReadRequestId:
      return StatusReport(Status());
    case kProfileSelectId:
      return ProfileSelectReport(memory_.ActiveProfile);
    case kSettingsId:
      return SettingsReport(memory_.Profiles[settingsProfile_].Settings, settingsProfile_);
    case kButtonMapId:
      return ButtonMapReport(memory_.Profiles[buttonMapProfile_], buttonMapProfile_);
    case kOtgId:
      return OtgReport(active.Otg);
    case kMacroId:
      return MacroReport(memory_.Profiles[macroProfile_].Macros[macroButton_], macroProfile_,
                         macroButton_);
    default:
      return DeviceInfoReport(options_.FirmwareVersion, options_.MouseType);
  }
}

std::vector<MouseNotice> FirmwareModel::Press(const MouseButton& button) {
  const FirmwareMemory before = memory_;
  std::vector<MouseNotice> notices = PressButton(memory_, button);
  if (!(memory_ == before)) {
    Changed();
  }
  std::string text = "pressed " + MouseButtonName(button);
  for (const MouseNotice& notice : notices) {
    char sent[24];
    std::snprintf(sent, sizeof sent, " %04X:%04X", notice.Type, notice.Value);
    text += sent;
  }
  Log(std::move(text), true);
  return notices;
}

void FirmwareModel::ResetToFactory() {
  memory_ = FactoryMemory();
  nextChunk_ = 1;
  result_ = kStatusCompleted;
  busyUntilMs_ = 0;
  Changed();
  Log("factory reset", true);
}

void FirmwareModel::Log(std::string text, bool accepted) {
  log_.push_back({clock_.NowMs(), std::move(text), accepted});
  while (log_.size() > kCommandLogSize) {
    log_.pop_front();
  }
}

FirmwareModel::Outcome FirmwareModel::Execute(const ReadRequestCommand& c) {
  if (c.What == kReadSettings) {
    settingsProfile_ = c.Profile;
    return {options_.Busy.ReadRequestMs, "read settings " + ProfileText(c.Profile)};
  }
  if (c.What == kReadButtonMap) {
    buttonMapProfile_ = c.Profile;
    return {options_.Busy.ReadRequestMs, "read buttons " + ProfileText(c.Profile)};
  }
  macroProfile_ = c.Profile;
  macroButton_ = c.What;
  return {options_.Busy.ReadRequestMs,
          "read macro " + ProfileText(c.Profile) + " button" + std::to_string(c.What + 1)};
}

FirmwareModel::Outcome FirmwareModel::Execute(const ProfileSelectCommand& c) {
  memory_.ActiveProfile = c.Profile;
  Changed();
  return {options_.Busy.ProfileSelectMs, "select " + ProfileText(c.Profile)};
}

FirmwareModel::Outcome FirmwareModel::Execute(const SettingsCommand& c) {
  memory_.Profiles[c.Profile].Settings = c.Settings;
  Changed();
  return {options_.Busy.SettingsMs, "settings " + ProfileText(c.Profile)};
}

FirmwareModel::Outcome FirmwareModel::Execute(const ButtonMapCommand& c) {
  std::copy(c.Buttons.begin(), c.Buttons.end(), memory_.Profiles[c.Profile].Buttons);
  Changed();
  return {options_.Busy.ButtonMapMs, "buttons " + ProfileText(c.Profile)};
}

FirmwareModel::Outcome FirmwareModel::Execute(const OtgCommand& c) {
  memory_.Profiles[memory_.ActiveProfile].Otg = c.Otg;
  Changed();
  return {options_.Busy.OtgMs,
          "OTG " + ProfileText(memory_.ActiveProfile) + " speed " + std::to_string(c.Otg.Speed)};
}

FirmwareModel::Outcome FirmwareModel::Execute(const MacroCommand& c) {
  memory_.Profiles[c.Profile].Macros[c.Button] = c.Macro;
  Changed();
  return {options_.Busy.MacroMs,
          "macro " + ProfileText(c.Profile) + " button" + std::to_string(c.Button + 1)};
}

FirmwareModel::Outcome FirmwareModel::Execute(const HostPresenceCommand& c) {
  memory_.HostPresent = c.Present;
  Changed();
  return {options_.Busy.HostPresenceMs, c.Present ? "host present" : "host gone"};
}

FirmwareModel::Outcome FirmwareModel::Execute(const DataChunkCommand& c) {
  const std::string text = "table chunk " + std::to_string(c.Chunk) + "/3";
  if (c.Chunk == 1) {
    if (!std::equal(std::begin(kTableHeader), std::end(kTableHeader), c.Data.begin())) {
      nextChunk_ = 1;
      return Execute(MalformedCommand{kDataChunkId, "not a tuning table"});
    }
  } else if (c.Chunk != nextChunk_) {
    nextChunk_ = 1;
    return Execute(MalformedCommand{kDataChunkId, text + " out of order"});
  }
  const std::size_t offset = static_cast<std::size_t>(c.Chunk - 1) * kDataChunkPayload;
  const std::size_t size = std::min(kDataChunkPayload, kDataBlockSize - offset);
  std::copy_n(c.Data.begin(), size, staging_.begin() + static_cast<std::ptrdiff_t>(offset));
  nextChunk_ = c.Chunk + 1;
  if (c.Chunk == kDataChunks) {
    memory_.TuningTable = staging_;
    nextChunk_ = 1;
    Changed();
  }
  return {options_.Busy.DataChunkMs, text};
}

FirmwareModel::Outcome FirmwareModel::Execute(const MalformedCommand& c) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string id = "0x";
  id += kDigits[c.Id >> 4];
  id += kDigits[c.Id & 0x0F];
  return {0, "rejected " + id + ": " + c.Reason, false};
}

}  // namespace mouse::vmouse
