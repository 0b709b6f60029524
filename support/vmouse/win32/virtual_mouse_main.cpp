// VirtualMouse.exe: the virtual mouse with its window, served to
// hidgate.dll and vmousectl over a named pipe. Its memory is kept in
// VirtualMouse.flash beside the program.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "device/clock.h"
#include "settings/win32/program_folder_win.h"
#include "settings/win32/wide.h"
#include "support/vmouse/service/command_line.h"
#include "support/vmouse/service/virtual_mouse_service.h"
#include "support/vmouse/win32/pipe_server.h"
#include "support/vmouse/win32/virtual_mouse_window.h"

namespace {

using namespace mouse::vmouse;

std::vector<std::u16string> Arguments() {
  std::vector<std::u16string> args;
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; argv != nullptr && i < count; ++i) {
    args.emplace_back(mouse::win32::Utf16(argv[i]));
  }
  LocalFree(argv);
  return args;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  std::string error;
  const std::optional<VirtualMouseOptions> options = ParseVirtualMouseArgs(Arguments(), error);
  if (!options) {
    std::fprintf(stderr, "VirtualMouse: %s\n", error.c_str());
    return 2;
  }
  // One virtual mouse per pipe name: a second one would share the flash.
  const std::wstring instanceName =
      L"Local\\VirtualMouse." + std::wstring(mouse::win32::Wide(options->PipeName));
  HANDLE instanceMutex = CreateMutexW(nullptr, FALSE, instanceName.c_str());
  if (instanceMutex == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) {
    std::fprintf(stderr, "VirtualMouse: another virtual mouse already serves this pipe\n");
    return 1;
  }
  const std::filesystem::path flash =
      options->FlashPath.empty()
          ? mouse::win32::ProgramFolder() / L"VirtualMouse.flash"
          : std::filesystem::path(std::wstring(mouse::win32::Wide(options->FlashPath)));

  mouse::SteadyClock clock;
  FirmwareOptions firmware;
  if (options->BusyMs) {
    firmware.Busy = BusyTimes::Uniform(*options->BusyMs);
  }
  VirtualMouseService service(clock, firmware, flash);
  if (options->StartUnplugged) {
    service.SetPlugged(false);
  }

  win32::VirtualMouseWindow window(service, clock);
  std::wstring title = L"Virtual Mouse";
  if (options->PipeName != kDefaultPipeName) {
    title += L" (" + std::wstring(mouse::win32::Wide(options->PipeName)) + L")";
  }
  if (!window.Create(instance, title)) {
    return 1;
  }
  HWND handle = window.Handle();
  service.SetChangeListener([&window] { window.RequestRefresh(); });
  win32::PipeServer server(service, options->PipeName,
                           [handle] { PostMessageW(handle, WM_CLOSE, 0, 0); });
  if (!server.Start()) {
    std::fprintf(stderr, "VirtualMouse: another virtual mouse already serves this pipe\n");
    service.SetChangeListener(nullptr);
    return 1;
  }
  ShowWindow(handle, show);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(handle, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  server.Stop();
  service.SetChangeListener(nullptr);
  CloseHandle(instanceMutex);
  return 0;
}
