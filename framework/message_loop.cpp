#include "framework/message_loop.h"

#include "framework/window.h"

namespace framework {

namespace {

void DispatchOne(MSG& message) {
  if (!PreTranslate(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

bool PreTranslate(MSG& message) {
  for (HWND window = message.hwnd; window != nullptr;) {
    if (Window* const object = Window::FromHandle(window);
        object != nullptr && object->PreTranslateMessage(message)) {
      return true;
    }
    if ((GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0) {
      break;
    }
    window = GetParent(window);
  }
  return false;
}

int RunMessageLoop() {
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      return static_cast<int>(message.wParam);
    }
    if (got == -1) {
      return -1;
    }
    DispatchOne(message);
  }
}

WaitResult WaitPumpingMessages(DWORD timeoutMs, const std::function<bool()>& stop) {
  const ULONGLONG start = GetTickCount64();
  const auto remaining = [&]() -> DWORD {
    if (timeoutMs == INFINITE) {
      return INFINITE;
    }
    const ULONGLONG elapsed = GetTickCount64() - start;
    return elapsed >= timeoutMs ? 0 : static_cast<DWORD>(timeoutMs - elapsed);
  };
  for (;;) {
    if (stop && stop()) {
      return WaitResult::Stopped;
    }
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return WaitResult::Quit;
      }
      DispatchOne(message);
      if (stop && stop()) {
        return WaitResult::Stopped;
      }
      if (remaining() == 0) {
        return WaitResult::Elapsed;
      }
    }
    const DWORD wait = remaining();
    if (wait == 0) {
      return WaitResult::Elapsed;
    }
    MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

}  // namespace framework
