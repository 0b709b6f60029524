// The notice on the screen: a small dark rounded panel near the bottom of
// the primary screen, topmost, never activated, click-through and without
// a taskbar button. It stays for the display time and then fades out. Its
// window text is the text it shows (heading and body on two lines).
#pragma once

#include <windows.h>

#include "framework/handles.h"
#include "framework/window.h"
#include "settings/osd_settings.h"
#include "support/osd/notice.h"

namespace mouse::osd {

inline constexpr wchar_t kNoticePanelClass[] = L"MouseOsdNotice";

class CNoticePanel : public framework::Window {
 public:
  bool Create(HWND owner, const OsdDisplay& display);
  // Shows (or replaces) the notice at full opacity and restarts its time.
  void Show(const Notice& notice);
  // New display time and opacity; a notice on the screen takes the opacity
  // at once.
  void SetDisplay(const OsdDisplay& display);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnTimer(UINT_PTR id) override;
  void OnPaint() override;

 private:
  enum class State { Hidden, Showing, Fading };

  void Layout();
  void SetAlpha(int percentOfOpacity);
  void Hide();

  OsdDisplay display_{};
  Notice notice_;
  State state_ = State::Hidden;
  int fadeStep_ = 0;
  framework::GdiFont headingFont_;
  framework::GdiFont bodyFont_;
};

}  // namespace mouse::osd
