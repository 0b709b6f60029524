#include "helper/win32/monitor_app.h"

#include "framework/text.h"
#include "settings/coordination.h"
#include "settings/win32/wide.h"

namespace mouse::win32 {

bool CMonitorApp::InitInstance() {
  framework::DebugPrint(L"CMonitorApp: %ls\n", CommandLine().c_str());
  const bool openOptionOnStart = !CommandLine().empty() && CommandLine().front() == L'1';

  instanceMutex_.reset(CreateMutexW(nullptr, FALSE, WidePtr(kHelperInstanceMutex)));
  if (instanceMutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
    instanceMutex_.reset();
    if (openOptionOnStart) {
      framework::PostToWindowByTitle(WidePtr(kHelperWindowTitle), WM_COMMAND, kCommandOpenOption);
    }
    return false;
  }
  com_ = std::make_unique<framework::ComInitializer>();
  window_ = std::make_unique<CMonitorWnd>(openOptionOnStart);
  if (!window_->CreateHidden()) {
    return false;
  }
  SetMainWindow(window_.get());
  return true;
}

int CMonitorApp::ExitInstance(int exitCode) {
  window_.reset();
  com_.reset();
  if (instanceMutex_) {
    ReleaseMutex(instanceMutex_.get());
    instanceMutex_.reset();
  }
  return exitCode;
}

}  // namespace mouse::win32
