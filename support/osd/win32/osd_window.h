// The display program's window: hidden, titled so that Helper finds it,
// taking the display messages and showing their notices on the panel.
//   1324  show a notice (wParam 40 profile, 70 macro, 50 text)
//   1326  new display settings (lParam: display time << 16 | opacity)
//   WM_CLOSE  end the program
// Anything else, or a value out of range, changes nothing.
#pragma once

#include <windows.h>

#include <filesystem>

#include "framework/window.h"
#include "settings/osd_settings.h"
#include "settings/win32/windows_code_page.h"
#include "support/osd/win32/notice_panel.h"

namespace mouse::osd {

class COsdWnd : public framework::Window {
 public:
  bool Create(const std::filesystem::path& programFolder, const OsdDisplay& display);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnShow(WPARAM kind, LPARAM value);
  void OnDisplaySettings(LPARAM value);

  std::filesystem::path programFolder_;
  win32::WindowsCodePage ansi_;
  CNoticePanel panel_;
};

}  // namespace mouse::osd
