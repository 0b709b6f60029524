#include <windows.h>

#include "support/osd/win32/osd_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  mouse::osd::COsdApp app;
  return app.Main(commandLine);
}
