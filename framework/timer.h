// A timer of a window that is killed when it goes out of scope, for timers
// on windows that are not framework Window objects (Window has its own
// SetTimer, KillTimer and RunAfter).
#pragma once

#include <windows.h>

#include <utility>

namespace framework {

class ScopedTimer {
 public:
  ScopedTimer() = default;
  ScopedTimer(HWND window, UINT_PTR id, UINT periodMs) { Set(window, id, periodMs); }
  ~ScopedTimer() { Kill(); }
  ScopedTimer(ScopedTimer&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), id_(other.id_) {}
  ScopedTimer& operator=(ScopedTimer&& other) noexcept {
    if (this != &other) {
      Kill();
      window_ = std::exchange(other.window_, nullptr);
      id_ = other.id_;
    }
    return *this;
  }
  ScopedTimer(const ScopedTimer&) = delete;
  ScopedTimer& operator=(const ScopedTimer&) = delete;

  // (Re)starts the timer; a previous one of this object is killed first.
  bool Set(HWND window, UINT_PTR id, UINT periodMs) {
    Kill();
    if (::SetTimer(window, id, periodMs, nullptr) == 0) {
      return false;
    }
    window_ = window;
    id_ = id;
    return true;
  }
  void Kill() {
    if (window_ != nullptr) {
      ::KillTimer(std::exchange(window_, nullptr), id_);
    }
  }
  bool active() const { return window_ != nullptr; }
  UINT_PTR id() const { return id_; }

 private:
  HWND window_ = nullptr;
  UINT_PTR id_ = 0;
};

}  // namespace framework
