#include "framework/app.h"

#include "framework/message_loop.h"
#include "framework/window.h"

namespace framework {

int App::Main(std::wstring_view commandLine) {
  commandLine_ = commandLine;
  const int exitCode = InitInstance() ? Run() : 0;
  return ExitInstance(exitCode);
}

int App::Run() { return RunMessageLoop(); }

void App::SetMainWindow(Window* window) {
  if (mainWindow_ != nullptr) {
    mainWindow_->SetQuitOnDestroy(false);
  }
  mainWindow_ = window;
  if (window != nullptr) {
    window->SetQuitOnDestroy(true);
  }
}

}  // namespace framework
