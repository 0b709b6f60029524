// CMonitorWnd: requests from Option, the mouse arriving and leaving, the
// pointer and display settings.
#include <cstring>

#include "framework/text.h"
#include "helper/win32/monitor_wnd.h"
#include "settings/block_validation.h"
#include "settings/coordination.h"
#include "settings/ini_file.h"
#include "settings/win32/apply_pointer_settings.h"
#include "settings/win32/wide.h"

namespace mouse::win32 {

bool CMonitorWnd::TakeSharedBlock() {
  if (!shared_ || !shared_->HasView()) {
    return false;
  }
  auto taken = std::make_unique<SettingsBlock>();
  // The shared block may come from any program: only a valid one is used.
  if (!shared_->CopyOut(*taken) || !IsValidSharedBlock(*taken)) {
    return false;
  }
  block_.Modify([&](SettingsBlock& b) { b = *taken; });
  return true;
}

void CMonitorWnd::OnApplyAllSetting(WPARAM restoredDefaults) {
  const bool taken = TakeSharedBlock();
  if (taken) {
    ApplyCurrentPointerSettings();
    ReloadOsdSettings();
    if (HWND display = framework::FindWindowByTitle(WidePtr(kOsdWindowTitle))) {
      const LPARAM words = static_cast<LPARAM>(
          (static_cast<std::uint32_t>(osd_.DisplayTime) << 16) | osd_.DisplayOpacity);
      PostMessageW(display, kMsgOsdSettings, 0, words);
    }
    if (state_.connectionState == kConnected &&
        worker_->Post(kTaskApplyChanges, static_cast<int>(restoredDefaults))) {
      return;  // the task tells Option when it is done
    }
  }
  if (!framework::PostToWindowByTitle(WidePtr(kOptionWindowTitle), kMsgApplyDone)) {
    framework::DebugPrint(L"OnApplyAllSetting Don't find Mirt Option Dialog\n");
  }
  framework::DebugPrint(L"OnApplyAllSetting  Send Enable OK/Apply Button\n");
}

void CMonitorWnd::OnCopyRequest(bool applyPointer) {
  if (TakeSharedBlock() && applyPointer) {
    ApplyCurrentPointerSettings();
  }
}

void CMonitorWnd::OnArrival() {
  if (state_.connectionState == kConnected || arrivalPending_) {
    return;
  }
  // The mouse needs a moment to start. Messages and timers go on meanwhile;
  // a removal in that time cancels the arrival.
  arrivalPending_ = true;
  RunAfter(kArrivalTimer, kArrivalPauseMs, [this] {
    arrivalPending_ = false;
    state_.connectionState = kConnected;
    hid_->OpenFeatureDevice();
    worker_->Post(kTaskReadAll, 0);
    ShowTrayIcon();
    WriteDeviceKey(1);
    SetTimer(kProfileWatchTimer, kProfileWatchPeriodMs);
  });
}

void CMonitorWnd::OnRemoval() {
  if (arrivalPending_) {
    KillTimer(kArrivalTimer);
    arrivalPending_ = false;
  }
  if (state_.connectionState == kRemoved) {
    return;
  }
  worker_->AbortForRemoval();
  hid_->CloseFeatureDevice();
  tray_.Remove();
  KillTimer(kProfileWatchTimer);
  WriteDeviceKey(0);
  framework::PostToWindowByTitle(WidePtr(kOptionWindowTitle), WM_CLOSE);
}

void CMonitorWnd::ApplyCurrentPointerSettings() {
  const auto snapshot = block_.Snapshot();
  if (!IsProfileIndex(snapshot->CurrentProfile)) {
    return;
  }
  const int current = snapshot->CurrentProfile;
  ProfileRecord profile = snapshot->Profiles[current];
  // Applying broadcasts to every window: never under the block's lock.
  ApplyPointerSettings(profile, mouseKey_.get(), hwnd());
  if (profile.Acceleration != snapshot->Profiles[current].Acceleration) {
    block_.Modify([&](SettingsBlock& b) {
      if (b.CurrentProfile == current) {
        b.Profiles[current].Acceleration = profile.Acceleration;
      }
    });
  }
}

void CMonitorWnd::WriteCurrentPointerSettings() {
  const auto snapshot = block_.Snapshot();
  if (IsProfileIndex(snapshot->CurrentProfile)) {
    WritePointerSettings(pointers_, snapshot->Profiles[snapshot->CurrentProfile]);
  }
}

void CMonitorWnd::ReloadOsdSettings() {
  osd_ = ReadOsdSettings(LoadIniFile(files_->ConfigIni(), ansi_)).settings;
  displayShowsProfile_ = osd_.ProfileFlag == 1;
}

DisplayFlags CMonitorWnd::Flags() const {
  return {osd_.ProfileFlag == 1, osd_.MacroFlag == 1, osd_.CpiFlag == 1};
}

}  // namespace mouse::win32
