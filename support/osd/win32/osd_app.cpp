#include "support/osd/win32/osd_app.h"

#include "framework/text.h"
#include "settings/coordination.h"
#include "settings/osd_settings.h"
#include "settings/win32/program_folder_win.h"
#include "settings/win32/wide.h"
#include "settings/win32/windows_code_page.h"

namespace mouse::osd {

bool COsdApp::InitInstance() {
  if (framework::FindWindowByTitle(win32::WidePtr(kOsdWindowTitle)) != nullptr) {
    return false;
  }
  const std::filesystem::path folder = win32::ProgramFolder();
  const OsdSettings settings = EnsureOsdSettings(folder / "config.ini", win32::WindowsCodePage());
  if (!window_.Create(folder, OsdDisplayOf(settings))) {
    return false;
  }
  SetMainWindow(&window_);
  return true;
}

}  // namespace mouse::osd
