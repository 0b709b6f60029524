// VirtualMouse.exe: the virtual mouse with its window, served to
// hidgate.dll and vmousectl over a named pipe. Its memory is kept in
// VirtualMouse.flash beside the program.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "device/clock.h"
#include "framework/app.h"
#include "framework/handles.h"
#include "settings/win32/program_folder_win.h"
#include "settings/win32/wide.h"
#include "support/vmouse/service/command_line.h"
#include "support/vmouse/service/virtual_mouse_service.h"
#include "support/vmouse/win32/pipe_server.h"
#include "support/vmouse/win32/virtual_mouse_window.h"

namespace mouse::vmouse::win32 {

namespace {

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

// Exit codes: 0 ended normally, 1 another virtual mouse serves the pipe (or
// the window failed), 2 bad arguments.
class VirtualMouseApp final : public framework::App {
 public:
  explicit VirtualMouseApp(int show) : show_(show) {}

 protected:
  bool InitInstance() override {
    std::string error;
    const std::optional<VirtualMouseOptions> options = ParseVirtualMouseArgs(Arguments(), error);
    if (!options) {
      std::fprintf(stderr, "VirtualMouse: %s\n", error.c_str());
      failure_ = 2;
      return false;
    }
    // One virtual mouse per pipe name: a second one would share the flash.
    instance_.reset(CreateMutexW(
        nullptr, FALSE,
        (L"Local\\VirtualMouse." + std::wstring(mouse::win32::Wide(options->PipeName))).c_str()));
    if (!instance_ || GetLastError() == ERROR_ALREADY_EXISTS) {
      std::fprintf(stderr, "VirtualMouse: another virtual mouse already serves this pipe\n");
      return false;
    }
    const std::filesystem::path flash =
        options->FlashPath.empty()
            ? mouse::win32::ProgramFolder() / L"VirtualMouse.flash"
            : std::filesystem::path(std::wstring(mouse::win32::Wide(options->FlashPath)));
    FirmwareOptions firmware;
    if (options->BusyMs) {
      firmware.Busy = BusyTimes::Uniform(*options->BusyMs);
    }
    service_ = std::make_unique<VirtualMouseService>(clock_, firmware, flash);
    if (options->StartUnplugged) {
      service_->SetPlugged(false);
    }

    window_ = std::make_unique<VirtualMouseWindow>(*service_, clock_);
    std::wstring title = L"Virtual Mouse";
    if (options->PipeName != kDefaultPipeName) {
      title += L" (" + std::wstring(mouse::win32::Wide(options->PipeName)) + L")";
    }
    if (!window_->CreateMain(title)) {
      return false;
    }
    SetMainWindow(window_.get());
    service_->SetChangeListener([window = window_.get()] { window->RequestRefresh(); });
    const HWND handle = window_->hwnd();
    server_ = std::make_unique<PipeServer>(*service_, options->PipeName,
                                           [handle] { PostMessageW(handle, WM_CLOSE, 0, 0); });
    if (!server_->Start()) {
      std::fprintf(stderr, "VirtualMouse: the pipe cannot be created\n");
      return false;
    }
    ShowWindow(handle, show_);
    started_ = true;
    return true;
  }

  int ExitInstance(int exitCode) override {
    if (server_) {
      server_->Stop();
    }
    if (service_) {
      service_->SetChangeListener(nullptr);
    }
    if (failure_ != 0) {
      return failure_;
    }
    return started_ ? exitCode : 1;
  }

 private:
  int show_;
  int failure_ = 0;
  bool started_ = false;
  SteadyClock clock_;
  framework::KernelHandle instance_;
  std::unique_ptr<VirtualMouseService> service_;
  std::unique_ptr<VirtualMouseWindow> window_;
  std::unique_ptr<PipeServer> server_;
};

}  // namespace

}  // namespace mouse::vmouse::win32

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int show) {
  mouse::vmouse::win32::VirtualMouseApp app(show);
  return app.Main(commandLine);
}
