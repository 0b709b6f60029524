// The message loop, and waiting without blocking the thread's windows.
#pragma once

#include <windows.h>

#include <functional>

namespace framework {

// Offers a message to the framework windows from its target window up to
// the top-level window (Window::PreTranslateMessage); true when one of them
// consumed it.
bool PreTranslate(MSG& message);

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

enum class WaitResult {
  Elapsed,  // the time ran out
  Stopped,  // `stop` returned true
  Quit      // WM_QUIT arrived; it is posted again so the outer loop ends too
};

// Handles the thread's messages (posted, sent, timers, painting) as the
// message loop would, for `timeoutMs` (INFINITE: no limit) or until `stop`
// returns true. `stop` is asked before waiting and after every message.
// Handlers run nested inside the caller: a handler that waits here may see
// its own message again.
//
//   // Give the device 8 s after it arrived, while timers and messages go on.
//   if (WaitPumpingMessages(8000, [&] { return removed_; }) == WaitResult::Elapsed) ...
WaitResult WaitPumpingMessages(DWORD timeoutMs, const std::function<bool()>& stop = {});

}  // namespace framework
