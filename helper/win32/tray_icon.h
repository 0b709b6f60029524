// Helper's icon in the notification area.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace mouse::win32 {

class TrayIcon {
 public:
  // The icon lives on `window`, whose messages of kind `callbackMessage`
  // report the mouse actions on it.
  TrayIcon(UINT id, UINT callbackMessage) : id_(id), callbackMessage_(callbackMessage) {}
  ~TrayIcon() { Remove(); }
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Shows the icon with its tip (cut to what the notification area holds).
  bool Add(HWND window, HICON icon, const std::wstring& tip);
  void Remove();
  bool Shown() const { return window_ != nullptr; }

 private:
  UINT id_;
  UINT callbackMessage_;
  HWND window_ = nullptr;
};

}  // namespace mouse::win32
