#include "device/device_tasks.h"

#include <algorithm>
#include <iterator>

#include "settings/button_codes.h"
#include "settings/coordination.h"

namespace mouse {

DeviceTasks::DeviceTasks(DeviceLink& link, GuardedBlock& block, DeviceTaskHost& host, DebugLog* log)
    : link_(link), block_(block), host_(host), log_(log) {}

template <typename Exchange>
bool DeviceTasks::OnBlock(Exchange exchange) {
  const auto before = block_.Snapshot();
  auto work = std::make_unique<SettingsBlock>(*before);
  const bool result = exchange(*work);
  block_.CommitChanges(*before, *work);
  return result;
}

int DeviceTasks::CurrentProfile() const {
  return block_.Modify([](SettingsBlock& b) { return b.CurrentProfile; });
}

void DeviceTasks::Log(std::string_view text) {
  if (log_ != nullptr) {
    log_->Write(text);
  }
}

void DeviceTasks::Run(int task, int parameter) {
  switch (task) {
    case kTaskApplyChanges:
      ApplyTask(parameter);
      break;
    case kTaskReadAll:
      ReadAllTask();
      break;
    case kTaskSendCurrentProfile:
      SendCurrentProfile();
      break;
    default:
      break;
  }
}

bool DeviceTasks::ApplyChangedSettings() {
  const auto flags = block_.Snapshot();
  if (flags->ProfileDirty == 1) {
    OnBlock([&](SettingsBlock& b) { return link_.SendProfileSelect(b.CurrentProfile); });
    if (!link_.Wait(kProfileStepPauseMs)) return false;
  }
  for (int p = 0; p < kProfileCount; ++p) {
    if (flags->SettingsDirty[p] == 1) {
      OnBlock([&](SettingsBlock& b) { return link_.SendProfileSettings(b, p); });
      if (!link_.Wait(kProfileStepPauseMs)) return false;
    }
  }
  for (int p = 0; p < kProfileCount; ++p) {
    const auto& buttons = flags->ButtonDirty[p];
    if (std::any_of(std::begin(buttons), std::end(buttons), [](int f) { return f == 1; })) {
      OnBlock([&](SettingsBlock& b) { return link_.SendButtonMap(b, p); });
      if (!link_.Wait(kProfileStepPauseMs)) return false;
    }
  }
  if (IsProfileIndex(flags->CurrentProfile) && flags->OtgDirty[flags->CurrentProfile] == 1) {
    OnBlock([&](SettingsBlock& b) { return link_.SendOtg(b); });
    if (!link_.Wait(kOtgPauseMs)) return false;
  }
  bool lastMacro = true;
  for (int p = 0; p < kProfileCount; ++p) {
    for (int b = 0; b < kButtonCount; ++b) {
      if (flags->ButtonDirty[p][b] != 1) continue;
      const bool sent = OnBlock([&](SettingsBlock& s) { return link_.SendMacro(s, p, b); });
      if (p == kProfileCount - 1) lastMacro = sent;
      if (link_.Aborted()) break;
    }
    if (!link_.Wait(kMacroPauseMs)) return false;
  }
  return lastMacro;
}

void DeviceTasks::ApplyTask(int parameter) {
  ApplyChangedSettings();
  if (parameter == 1 && !link_.Aborted()) {
    link_.SendDataBlock();
  }
  host_.ShowProfileOnDisplay(CurrentProfile());
  // Option waits for this in every case, also after a failed or cut-short
  // apply.
  if (!host_.PostToOption(kMsgApplyDone)) {
    Log("OnApplyAllSetting Don't find Mirt Option Dialog\n");
  }
  Log("Thread Send Enable OK/Apply Button\n");
}

bool DeviceTasks::ReadProfileMacros(int profile) {
  const auto snapshot = block_.Snapshot();
  for (int b = 0; b < kButtonCount; ++b) {
    if (snapshot->Profiles[profile].MacroKeyInfo[b].FunctionCode != kMacro) continue;
    bool read = false;
    for (int attempt = 0; attempt < kMacroReadAttempts && !read; ++attempt) {
      read = OnBlock([&](SettingsBlock& s) { return link_.ReadMacro(s, profile, b); });
      if (!read && attempt < kMacroReadAttempts - 1) {
        link_.Wait(kMacroRetryPauseMs);  // cut short by an abort, without failing
      }
    }
    if (link_.Aborted() || !read) {
      return false;
    }
  }
  return true;
}

bool DeviceTasks::ReadAllFromDevice() {
  DeviceInfo info{};
  link_.ReadDeviceInfo(info);
  host_.WriteFirmwareVersion(info.firmwareVersion);
  block_.Modify([&](SettingsBlock& b) { b.MouseType = info.mouseType; });

  if (!link_.Wait(kProfileStepPauseMs)) return false;
  OnBlock([&](SettingsBlock& b) { return link_.ReadActiveProfile(b); });
  if (!link_.Wait(kProfileStepPauseMs)) return false;
  for (int p = 0; p < kProfileCount; ++p) {
    OnBlock([&](SettingsBlock& b) { return link_.ReadProfileSettings(b, p); });
    if (!link_.Wait(kProfileStepPauseMs)) return false;
  }
  for (int p = 0; p < kProfileCount; ++p) {
    OnBlock([&](SettingsBlock& b) { return link_.ReadButtonMap(b, p); });
    if (!link_.Wait(kProfileStepPauseMs)) return false;
  }
  OnBlock([&](SettingsBlock& b) { return link_.ReadOtg(b); });
  if (!link_.Wait(kProfileStepPauseMs)) return false;

  bool macros = true;
  for (int p = 0; p < kProfileCount && macros; ++p) {
    macros = ReadProfileMacros(p);
    if (macros && !link_.Wait(kMacroPauseMs)) {
      break;
    }
  }
  block_.Modify([](SettingsBlock& b) {
    for (auto& profile : b.ButtonDirty) std::fill(std::begin(profile), std::end(profile), 0);
  });
  if (macros) {
    const auto result = block_.Snapshot();
    host_.SaveConfiguration(*result);
    host_.PublishBlock(*result);
    host_.PostToOption(kMsgReadBackDone);
  }
  return macros;
}

void DeviceTasks::ReadAllTask() {
  ReadAllFromDevice();
  link_.SendHostPresence(true);
}

void DeviceTasks::SendCurrentProfile() {
  const int profile = CurrentProfile();
  link_.SendProfileSelect(profile);
  link_.Pause(kProfileStepPauseMs);
  host_.ShowProfileOnDisplay(profile);
}

}  // namespace mouse
