// Test windows that record the messages they receive, registered under any
// class name (so they can stand in for other programs' windows). WM_CLOSE
// is recorded but does not close the window.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace mouse::testing {

struct Received {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class RecordingWindow {
 public:
  // A window of class `className` (registered on first use) with `style`.
  RecordingWindow(const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                  int width, int height, HWND parent = nullptr);
  ~RecordingWindow();
  RecordingWindow(const RecordingWindow&) = delete;
  RecordingWindow& operator=(const RecordingWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // The received messages of one kind.
  std::vector<Received> Of(UINT message) const;
  void Clear() { received_.clear(); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
  std::vector<Received> received_;
};

// Handles every message waiting for this thread, for `milliseconds`.
void PumpMessages(DWORD milliseconds);
// Handles the thread's messages until `done` holds; false when that did not
// happen within `timeoutMs`.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// The centre of a window in screen coordinates.
POINT CentreOf(HWND window);

}  // namespace mouse::testing
