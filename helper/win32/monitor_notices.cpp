// CMonitorWnd: the mouse's notices, texts for the display, and switching
// profiles by the foreground program.
#include <windows.h>

#include <tlhelp32.h>

#include <optional>
#include <string>
#include <type_traits>
#include <variant>

#include "framework/text.h"
#include "helper/program_match.h"
#include "helper/win32/media_command.h"
#include "helper/win32/monitor_wnd.h"
#include "helper/win32/run_program.h"
#include "helper/win32/tilt_scroll.h"
#include "settings/coordination.h"
#include "settings/ini_file.h"
#include "settings/win32/wide.h"

namespace mouse::win32 {

namespace {

// The executable name of the process that owns the foreground window;
// nothing when it cannot be found or read.
std::optional<std::u16string> ForegroundProgram() {
  DWORD processId = 0;
  GetWindowThreadProcessId(GetForegroundWindow(), &processId);
  if (processId == 0) {
    return std::nullopt;
  }
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) {
    return std::nullopt;
  }
  std::optional<std::u16string> name;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == processId) {
      name = std::u16string(Utf16(entry.szExeFile));
      break;
    }
  }
  CloseHandle(snapshot);
  return name;
}

}  // namespace

void CMonitorWnd::OnDeviceNotice(std::uint32_t notice) {
  const effect::Effects effects =
      block_.Modify([&](SettingsBlock& b) { return HandleNotice(b, notice, Flags()); });
  CarryOut(effects);
}

void CMonitorWnd::OnCopyData(const COPYDATASTRUCT* data) {
  if (data == nullptr) {
    return;
  }
  CarryOut(HandleDisplayText(data->lpData, data->cbData, state_.connectionState == kConnected));
}

void CMonitorWnd::CarryOut(const effect::Effects& effects) {
  for (const effect::Effect& next : effects) {
    std::visit(
        [this](const auto& e) {
          using E = std::decay_t<decltype(e)>;
          if constexpr (std::is_same_v<E, effect::PublishBlock>) {
            if (shared_ && shared_->HasView()) shared_->CopyIn(*block_.Snapshot());
          } else if constexpr (std::is_same_v<E, effect::WriteConfig>) {
            UpdateIniFile(files_->ConfigIni(), ansi_,
                          [&](IniDocument& doc) { doc.SetString(e.section, e.key, e.value); });
          } else if constexpr (std::is_same_v<E, effect::ApplyProfilePointers>) {
            WriteCurrentPointerSettings();
            ApplyCurrentPointerSettings();
          } else if constexpr (std::is_same_v<E, effect::PostToOption>) {
            framework::PostToWindowByTitle(WidePtr(kOptionWindowTitle), e.message);
          } else if constexpr (std::is_same_v<E, effect::PostToDisplay>) {
            framework::PostToWindowByTitle(WidePtr(kOsdWindowTitle), kMsgOsdShow, e.wParam,
                                           static_cast<LPARAM>(e.lParam));
          } else if constexpr (std::is_same_v<E, effect::TiltScroll>) {
            const int speed = block_.Modify(
                [](SettingsBlock& b) { return b.Profiles[b.CurrentProfile].TiltSpeed; });
            TiltScroll(e.direction, speed);
          } else if constexpr (std::is_same_v<E, effect::RunProgram>) {
            const auto snapshot = block_.Snapshot();
            RunAssignedProgram(e.button, snapshot->Profiles[snapshot->CurrentProfile]);
          } else if constexpr (std::is_same_v<E, effect::MediaCommand>) {
            const int player = block_.Modify(
                [](SettingsBlock& b) { return b.Profiles[b.CurrentProfile].MediaOption; });
            MediaCommand(e.code, e.release, player, hwnd(), winampToggle_);
          } else if constexpr (std::is_same_v<E, effect::OpenOption>) {
            Post(WM_COMMAND, kCommandOpenOption);
          } else if constexpr (std::is_same_v<E, effect::DeviceArrived>) {
            OnArrival();
          } else if constexpr (std::is_same_v<E, effect::DeviceRemoved>) {
            OnRemoval();
          }
        },
        next);
  }
}

void CMonitorWnd::ProfileWatch() {
  const auto program = ForegroundProgram();
  const auto profile =
      block_.Modify([&](SettingsBlock& b) { return ProfileToSwitchTo(b, program); });
  if (profile) {
    SwitchProfile(*profile);
  }
}

void CMonitorWnd::SwitchProfile(int profile) {
  block_.Modify([&](SettingsBlock& b) { b.CurrentProfile = profile; });
  if (shared_ && shared_->HasView()) {
    shared_->CopyIn(*block_.Snapshot());
  }
  worker_->Post(kTaskSendCurrentProfile, 0);
  WriteCurrentPointerSettings();
  ApplyCurrentPointerSettings();
  framework::PostToWindowByTitle(WidePtr(kOptionWindowTitle), kMsgProfileChanged);
  if (displayShowsProfile_) {
    PostProfileToDisplay(profile);
  }
}

}  // namespace mouse::win32
