// Helper as an application: one instance per user session.
#pragma once

#include <memory>

#include "framework/app.h"
#include "framework/handles.h"
#include "helper/win32/monitor_wnd.h"

namespace mouse::win32 {

class CMonitorApp final : public framework::App {
 protected:
  bool InitInstance() override;
  int ExitInstance(int exitCode) override;

 private:
  framework::KernelHandle instanceMutex_;
  std::unique_ptr<framework::ComInitializer> com_;
  std::unique_ptr<CMonitorWnd> window_;
};

}  // namespace mouse::win32
