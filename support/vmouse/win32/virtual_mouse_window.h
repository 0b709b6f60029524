// The window of VirtualMouse.exe: the mouse's buttons as push buttons, the
// plug as a check box, and a live view of its state and the last commands
// it received.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "framework/window.h"
#include "support/vmouse/service/virtual_mouse_service.h"

namespace mouse::vmouse::win32 {

class VirtualMouseWindow final : public framework::Window {
 public:
  VirtualMouseWindow(VirtualMouseService& service, const Clock& clock);

  // Creates the top-level window (not shown yet).
  bool CreateMain(const std::wstring& title);
  // Asks for a refresh of the live view from any thread; refreshes that
  // pile up while one is pending are merged.
  void RequestRefresh();

 protected:
  bool OnCreate(const CREATESTRUCTW& create) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND AddControl(const wchar_t* type, const std::wstring& text, DWORD style, RECT place, int id);
  void Refresh();

  VirtualMouseService& service_;
  const Clock& clock_;
  const std::vector<MouseButton> buttons_;
  HWND plug_ = nullptr;
  HWND state_ = nullptr;
  HWND commands_ = nullptr;
  std::atomic<HWND> handle_{nullptr};
  std::atomic<bool> refreshPending_{false};
};

}  // namespace mouse::vmouse::win32
