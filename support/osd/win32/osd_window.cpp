#include "support/osd/win32/osd_window.h"

#include <cstdint>

#include "settings/coordination.h"
#include "settings/win32/wide.h"
#include "support/osd/notice.h"

namespace mouse::osd {

bool COsdWnd::Create(const std::filesystem::path& programFolder, const OsdDisplay& display) {
  programFolder_ = programFolder;
  if (!Window::Create({.title = win32::WidePtr(kOsdWindowTitle),
                       .style = WS_POPUP,
                       .exStyle = WS_EX_TOOLWINDOW})) {
    return false;
  }
  return panel_.Create(hwnd(), display);
}

LRESULT COsdWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kMsgOsdShow:
      OnShow(wParam, lParam);
      return 0;
    case kMsgOsdSettings:
      OnDisplaySettings(lParam);
      return 0;
  }
  return Window::OnMessage(message, wParam, lParam);
}

void COsdWnd::OnShow(WPARAM kind, LPARAM value) {
  const auto notice = NoticeForMessage(static_cast<std::uint64_t>(kind),
                                       static_cast<std::uint64_t>(value), programFolder_, ansi_);
  if (notice) {
    panel_.Show(*notice);
  }
}

void COsdWnd::OnDisplaySettings(LPARAM value) {
  const auto raw = static_cast<std::uint64_t>(value);
  if (raw > 0xFFFFFFFFu) {
    return;
  }
  if (const auto display = DecodeOsdDisplay(static_cast<std::uint32_t>(raw))) {
    panel_.SetDisplay(*display);
  }
}

}  // namespace mouse::osd
