// Timers, continuations and waiting while the thread's messages keep
// flowing.
#include "framework/message_loop.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/timer.h"
#include "framework/window.h"

namespace framework {
namespace {

constexpr UINT kPosted = WM_APP + 10;
constexpr UINT kWaitInside = WM_APP + 11;

class CountingWindow : public Window {
 public:
  int ticks[4] = {};
  int posted = 0;
  int postedDuringWait = 0;
  WaitResult nestedResult = WaitResult::Quit;

 protected:
  void OnTimer(UINT_PTR id) override {
    if (id < 4) {
      ++ticks[id];
    }
  }
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kPosted) {
      ++posted;
      return 0;
    }
    if (message == kWaitInside) {
      // A handler that waits (as Helper does for 8 s when the mouse
      // arrives) while its own window goes on working.
      const int before = posted;
      nestedResult = WaitPumpingMessages(250);
      postedDuringWait = posted - before;
      return 0;
    }
    return Window::OnMessage(message, wParam, lParam);
  }
};

TEST(Timers, TicksArriveUntilKilledAndContinuationsRunOnce) {
  CountingWindow window;
  ASSERT_TRUE(window.Create({}));

  ASSERT_TRUE(window.SetTimer(1, 10));
  EXPECT_EQ(WaitPumpingMessages(3000, [&] { return window.ticks[1] >= 3; }), WaitResult::Stopped);
  window.KillTimer(1);
  const int ticksWhenKilled = window.ticks[1];

  int continuationRuns = 0;
  ASSERT_TRUE(window.RunAfter(2, 10, [&] { ++continuationRuns; }));
  {
    ScopedTimer scoped(window.hwnd(), 3, 10);
    EXPECT_EQ(WaitPumpingMessages(3000, [&] { return window.ticks[3] >= 2; }), WaitResult::Stopped);
  }
  const int scopedTicks = window.ticks[3];
  WaitPumpingMessages(150);

  EXPECT_EQ(window.ticks[1], ticksWhenKilled);
  EXPECT_EQ(window.ticks[3], scopedTicks);
  EXPECT_EQ(continuationRuns, 1);
  EXPECT_EQ(window.ticks[2], 0);  // a continuation is not an OnTimer tick
}

TEST(WaitPumpingMessages, HandlerThatWaitsKeepsTimersAndPostedMessagesFlowing) {
  CountingWindow window;
  ASSERT_TRUE(window.Create({}));
  ASSERT_TRUE(window.SetTimer(1, 20));
  window.Post(kWaitInside);
  for (int i = 0; i < 3; ++i) {
    window.Post(kPosted);
  }
  const ULONGLONG start = GetTickCount64();
  EXPECT_EQ(WaitPumpingMessages(3000, [&] { return window.nestedResult != WaitResult::Quit; }),
            WaitResult::Stopped);
  const ULONGLONG waited = GetTickCount64() - start;

  EXPECT_EQ(window.nestedResult, WaitResult::Elapsed);
  EXPECT_GE(waited, 240u);
  EXPECT_EQ(window.postedDuringWait, 3);
  EXPECT_GE(window.ticks[1], 4);  // about 12 in 250 ms
}

TEST(WaitPumpingMessages, EndsEarlyOnStopAndPassesQuitOn) {
  CountingWindow window;
  ASSERT_TRUE(window.Create({}));
  bool flag = false;
  window.RunAfter(1, 30, [&] { flag = true; });
  const ULONGLONG start = GetTickCount64();
  EXPECT_EQ(WaitPumpingMessages(10000, [&] { return flag; }), WaitResult::Stopped);
  EXPECT_LT(GetTickCount64() - start, 5000u);

  PostQuitMessage(7);
  EXPECT_EQ(WaitPumpingMessages(10000), WaitResult::Quit);
  // The quit is posted again for the loop outside the wait.
  MSG message{};
  EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), 0);
  EXPECT_EQ(message.wParam, 7u);
}

}  // namespace
}  // namespace framework
