// The window of VirtualMouse.exe: the mouse's buttons as push buttons, the
// plug as a check box, and a live view of its state and the last commands
// it received. Plain Win32 controls.
#pragma once

#include <windows.h>

#include <atomic>
#include <vector>

#include "support/vmouse/service/virtual_mouse_service.h"

namespace mouse::vmouse::win32 {

class VirtualMouseWindow {
 public:
  VirtualMouseWindow(VirtualMouseService& service, const Clock& clock);
  ~VirtualMouseWindow();
  VirtualMouseWindow(const VirtualMouseWindow&) = delete;
  VirtualMouseWindow& operator=(const VirtualMouseWindow&) = delete;

  // Creates the window (not shown yet); false when that failed.
  bool Create(HINSTANCE instance, const std::wstring& title);
  HWND Handle() const { return window_; }
  // Asks for a refresh of the live view from any thread; refreshes that
  // pile up while one is pending are merged.
  void RequestRefresh();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void Refresh();
  void OnCommand(int id);

  VirtualMouseService& service_;
  const Clock& clock_;
  HWND window_ = nullptr;
  HWND plug_ = nullptr;
  HWND state_ = nullptr;
  HWND commands_ = nullptr;
  std::vector<MouseButton> buttons_;
  std::atomic<bool> refreshPending_{false};
};

}  // namespace mouse::vmouse::win32
