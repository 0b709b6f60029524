// The pieces both backends use to report to the window Helper registered:
// the window and its two messages, and a thread with a stop event.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "framework/handles.h"

namespace mouse::hidgate::win32 {

// The window that receives the notice message (wParam = notice type,
// lParam = value) and the arrival message (wParam 1 attached, 0 detached).
struct MessageTarget {
  HWND Window;
  unsigned NoticeMessage;
  unsigned ArrivalMessage;

  void PostNotice(std::uint16_t type, std::uint16_t value) const {
    PostMessageW(Window, NoticeMessage, type, value);
  }
  void PostArrival(bool attached) const {
    PostMessageW(Window, ArrivalMessage, attached ? 1 : 0, 0);
  }
};

// A thread that runs until its stop event is set. It keeps the library
// loaded while it runs, so a caller that frees the library without closing
// the monitor first leaves a thread behind, never one without its code.
class MonitorThread {
 public:
  MonitorThread() = default;
  ~MonitorThread() { Stop(); }
  MonitorThread(const MonitorThread&) = delete;
  MonitorThread& operator=(const MonitorThread&) = delete;

  // Runs body(stop) on the thread.
  bool Start(std::function<void(HANDLE stop)> body);
  // Sets the stop event and waits for the thread.
  void Stop();

 private:
  static DWORD WINAPI Entry(void* self);

  std::function<void(HANDLE)> body_;
  framework::KernelHandle stop_;
  framework::KernelHandle thread_;
};

}  // namespace mouse::hidgate::win32
