// Helper: the tray program that owns the mouse's settings.
#include <windows.h>

#include "helper/win32/monitor_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  mouse::win32::CMonitorApp app;
  return app.Main(commandLine != nullptr ? commandLine : L"");
}
