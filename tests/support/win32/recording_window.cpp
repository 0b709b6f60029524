#include "recording_window.h"

namespace mouse::testing {

RecordingWindow::RecordingWindow(const wchar_t* className, const wchar_t* title, DWORD style, int x,
                                 int y, int width, int height, HWND parent) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (!GetClassInfoExW(GetModuleHandleW(nullptr), className, &windowClass)) {
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
  }
  hwnd_ = CreateWindowExW(parent ? 0 : WS_EX_TOPMOST, className, title, style, x, y, width, height,
                          parent, nullptr, GetModuleHandleW(nullptr), this);
}

RecordingWindow::~RecordingWindow() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

std::vector<Received> RecordingWindow::Of(UINT message) const {
  std::vector<Received> matching;
  for (const Received& r : received_) {
    if (r.message == message) matching.push_back(r);
  }
  return matching;
}

LRESULT CALLBACK RecordingWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr) {
    self->received_.push_back({message, wParam, lParam});
  }
  if (message == WM_CLOSE) {
    return 0;  // recorded; the test decides when the window goes
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void PumpMessages(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() >= deadline) {
      return false;
    }
    PumpMessages(10);
  }
  return true;
}

POINT CentreOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace mouse::testing
