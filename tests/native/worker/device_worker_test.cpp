#include "device/device_worker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <vector>

namespace mouse {
namespace {

using namespace std::chrono_literals;

// A runner that records its tasks and can hold one until released.
struct Runner {
  std::mutex mutex;
  std::vector<std::pair<int, int>> ran;
  std::promise<void> started;
  std::shared_future<void> release;
  int holdTask = -1;

  void operator()(int task, int parameter) {
    {
      std::lock_guard lock(mutex);
      ran.emplace_back(task, parameter);
    }
    if (task == holdTask) {
      started.set_value();
      release.wait();
    }
  }
  std::vector<std::pair<int, int>> Ran() {
    std::lock_guard lock(mutex);
    return ran;
  }
};

TEST(DeviceWorker, RunsTasksInPostingOrderWhileConnected) {
  WorkerState state;
  state.connectionState = kConnected;
  Runner runner;
  DeviceWorker worker(state, [&](int t, int p) { runner(t, p); });
  worker.Start();
  EXPECT_TRUE(worker.Post(2, 0));
  EXPECT_TRUE(worker.Post(1, 1));
  EXPECT_TRUE(worker.Post(3, 0));
  ASSERT_TRUE(worker.WaitIdle(5s));
  EXPECT_EQ(runner.Ran(), (std::vector<std::pair<int, int>>{{2, 0}, {1, 1}, {3, 0}}));
  worker.Quit();
  EXPECT_FALSE(worker.Post(2, 0)) << "no tasks after the worker ended";
}

TEST(DeviceWorker, DropsTasksWhileTheMouseIsAbsent) {
  WorkerState state;
  state.connectionState = 0;
  Runner runner;
  std::promise<void> done;
  DeviceWorker worker(state, [&](int t, int p) {
    runner(t, p);
    if (t == 9) done.set_value();
  });
  worker.Start();
  worker.Post(2, 0);  // dropped: not connected
  ASSERT_TRUE(worker.WaitIdle(5s));
  state.connectionState = kConnected;
  worker.Post(9, 0);
  ASSERT_EQ(done.get_future().wait_for(5s), std::future_status::ready);
  EXPECT_EQ(runner.Ran(), (std::vector<std::pair<int, int>>{{9, 0}}));
}

TEST(DeviceWorker, RemovalAbortsTheRunningTaskAndDropsTheQueue) {
  WorkerState state;
  state.connectionState = kConnected;
  Runner runner;
  std::promise<void> release;
  runner.release = release.get_future().share();
  runner.holdTask = 1;
  std::atomic<int> abortSeenByTask{-1};
  DeviceWorker worker(state, [&](int t, int p) {
    runner(t, p);
    if (t == 1) abortSeenByTask = state.abortFlag.load();
  });
  worker.Start();
  auto started = runner.started.get_future();
  worker.Post(1, 0);
  ASSERT_EQ(started.wait_for(5s), std::future_status::ready);
  EXPECT_EQ(state.workerBusy, 1);
  worker.Post(2, 0);  // queued behind the running task
  worker.AbortForRemoval();
  EXPECT_EQ(state.connectionState, kRemoved);
  EXPECT_EQ(state.abortFlag, 1);
  release.set_value();
  worker.Quit();
  EXPECT_EQ(abortSeenByTask, 1);
  EXPECT_EQ(runner.Ran(), (std::vector<std::pair<int, int>>{{1, 0}}));
  EXPECT_EQ(state.workerBusy, 0);
}

TEST(DeviceWorker, RemovalWhileIdleLeavesTheAbortFlagDown) {
  WorkerState state;
  state.connectionState = kConnected;
  DeviceWorker worker(state, [](int, int) {});
  worker.Start();
  worker.AbortForRemoval();
  EXPECT_EQ(state.abortFlag, 0);
  EXPECT_EQ(state.connectionState, kRemoved);
}

TEST(DeviceWorker, EachTaskStartsWithTheAbortFlagCleared) {
  WorkerState state;
  state.connectionState = kConnected;
  state.abortFlag = 1;  // left over from an earlier task
  std::promise<int> seen;
  DeviceWorker worker(state, [&](int, int) { seen.set_value(state.abortFlag); });
  worker.Start();
  worker.Post(3, 0);
  auto flag = seen.get_future();
  ASSERT_EQ(flag.wait_for(5s), std::future_status::ready);
  EXPECT_EQ(flag.get(), 0);
}

}  // namespace
}  // namespace mouse
