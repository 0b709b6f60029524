#include "system_run.h"

#include <shellapi.h>

#include "settings/configuration.h"
#include "settings/coordination.h"
#include "settings/ini_file.h"
#include "settings/profile_file.h"
#include "settings/win32/registry_pointer_store.h"
#include "settings/win32/shared_block.h"
#include "settings/win32/wide.h"
#include "settings/win32/windows_code_page.h"

namespace mouse::testing {

namespace {

constexpr UINT kTrayIconId = 102;
constexpr DWORD kHelperStartMs = 10000;

bool StartProcess(const std::filesystem::path& program, const std::wstring& arguments,
                  const std::filesystem::path& folder, PROCESS_INFORMATION& process) {
  std::wstring commandLine = L"\"" + program.wstring() + L"\"";
  if (!arguments.empty()) {
    commandLine += L" " + arguments;
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  process.hThread = nullptr;
  return true;
}

}  // namespace

SystemRun::SystemRun() : mouse_(vmouse::testing::VirtualMouseRun::Contents::ProgramFolder) {}

SystemRun::~SystemRun() {
  EndHelper();
  mouse_.Stop();
}

bool SystemRun::StartHelper(const std::wstring& arguments) {
  if (!StartProcess(Folder() / "Helper.exe", arguments, Folder(), helper_)) {
    return false;
  }
  return PumpUntil([this] { return HelperWindow() != nullptr; }, kHelperStartMs);
}

HWND SystemRun::HelperWindow() const {
  return FindWindowW(nullptr, win32::WidePtr(kHelperWindowTitle));
}

bool SystemRun::HelperRunning() const {
  return helper_.hProcess != nullptr && WaitForSingleObject(helper_.hProcess, 0) == WAIT_TIMEOUT;
}

bool SystemRun::WaitForHelperExit(DWORD timeoutMs) {
  return helper_.hProcess == nullptr || PumpUntil([this] { return !HelperRunning(); }, timeoutMs);
}

DWORD SystemRun::RunSecondHelper(const std::wstring& arguments, DWORD timeoutMs) {
  PROCESS_INFORMATION second{};
  if (!StartProcess(Folder() / "Helper.exe", arguments, Folder(), second)) {
    return ~0u;
  }
  DWORD exitCode = ~0u;
  if (PumpUntil([&] { return WaitForSingleObject(second.hProcess, 0) == WAIT_OBJECT_0; },
                timeoutMs)) {
    GetExitCodeProcess(second.hProcess, &exitCode);
  } else {
    TerminateProcess(second.hProcess, 99);
  }
  CloseHandle(second.hProcess);
  return exitCode;
}

void SystemRun::EndHelper() {
  if (helper_.hProcess == nullptr) {
    return;
  }
  if (HelperRunning()) {
    if (HWND window = HelperWindow()) {
      PostMessageW(window, WM_COMMAND, kCommandExit, 0);
    }
    if (!WaitForHelperExit(15000)) {
      TerminateProcess(helper_.hProcess, 99);
      WaitForSingleObject(helper_.hProcess, 5000);
    }
  }
  CloseHandle(helper_.hProcess);
  helper_.hProcess = nullptr;
}

RecordingWindow& SystemRun::Option() {
  if (!option_) {
    option_ =
        std::make_unique<RecordingWindow>(L"OptionStandIn", win32::WidePtr(kOptionWindowTitle),
                                          WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 200, 300, 200);
  }
  return *option_;
}

std::size_t SystemRun::OptionReceived(UINT message) { return Option().Of(message).size(); }

bool SystemRun::WaitForOption(UINT message, std::size_t count, DWORD timeoutMs) {
  return PumpUntil([&] { return OptionReceived(message) >= count; }, timeoutMs);
}

IniDocument SystemRun::Config() const {
  return LoadIniFile(Folder() / "config.ini", win32::WindowsCodePage());
}

int SystemRun::ConfigInt(std::u16string_view key) const {
  return Config().GetInt(kSettingSection, key, -99);
}

SettingsBlock SystemRun::LoadedConfiguration() const {
  const win32::WindowsCodePage ansi;
  win32::RegistryPointerStore pointers;
  SettingsBlock block;
  InitBlock(block);
  LoadConfiguration(block, ConfigurationFiles{Folder(), ansi, pointers});
  return block;
}

bool SystemRun::TrayIconShown() const {
  // Changing nothing on an icon succeeds only when the icon exists.
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = HelperWindow();
  data.uID = kTrayIconId;
  return data.hWnd != nullptr && Shell_NotifyIconW(NIM_MODIFY, &data);
}

std::wstring SystemRun::DisplayText() const {
  HWND display = FindWindowW(nullptr, win32::WidePtr(kOsdWindowTitle));
  if (display == nullptr) {
    return {};
  }
  for (HWND panel = FindWindowExW(nullptr, nullptr, L"MouseOsdNotice", nullptr); panel != nullptr;
       panel = FindWindowExW(nullptr, panel, L"MouseOsdNotice", nullptr)) {
    if (GetWindow(panel, GW_OWNER) == display && IsWindowVisible(panel)) {
      wchar_t text[512] = {};
      GetWindowTextW(panel, text, 512);
      return text;
    }
  }
  return {};
}

void SystemRun::WriteProfile(int index, const std::function<void(ProfileRecord&)>& change) const {
  ProfileRecord profile{};
  ResetProfileDefaults(profile, index);
  change(profile);
  std::filesystem::create_directories(Folder() / "config");
  WriteProfileFile(profile, Folder() / "config" / ("Default" + std::to_string(index) + ".gmp"),
                   win32::WindowsCodePage());
}

SettingsBlock SystemRun::SharedBlock() const {
  SettingsBlock block;
  InitBlock(block);
  if (auto shared = win32::SharedBlock::Open()) {
    shared->CopyOut(block);
  }
  return block;
}

}  // namespace mouse::testing
