#include "helper/win32/tray_icon.h"

namespace mouse::win32 {

bool TrayIcon::Add(HWND window, HICON icon, const std::wstring& tip) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = id_;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = callbackMessage_;
  data.hIcon = icon;
  // The tip holds 127 characters and its NUL.
  tip.copy(data.szTip, std::size(data.szTip) - 1);
  if (!Shell_NotifyIconW(NIM_ADD, &data)) {
    return false;
  }
  window_ = window;
  return true;
}

void TrayIcon::Remove() {
  if (window_ == nullptr) {
    return;
  }
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_;
  data.uID = id_;
  Shell_NotifyIconW(NIM_DELETE, &data);
  window_ = nullptr;
}

}  // namespace mouse::win32
