// DeviceWorker: the thread that alone performs the long exchanges with the
// mouse, one task at a time, in the order the window thread posted them.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace mouse {

// Values shared by the window thread and the worker.
struct WorkerState {
  // 0 = the mouse was not opened at start-up, 1 = connected, 2 = removed.
  std::atomic<int> connectionState{0};
  // 1 while a task runs.
  std::atomic<int> workerBusy{0};
  // 1 = abandon the running task at its next wait.
  std::atomic<int> abortFlag{0};
};

inline constexpr int kConnected = 1;
inline constexpr int kRemoved = 2;

class DeviceWorker {
 public:
  using TaskRunner = std::function<void(int task, int parameter)>;

  DeviceWorker(WorkerState& state, TaskRunner runner);
  ~DeviceWorker();
  DeviceWorker(const DeviceWorker&) = delete;
  DeviceWorker& operator=(const DeviceWorker&) = delete;

  void Start();
  // Queues a task (the task message); false when the worker does not run.
  bool Post(int task, int parameter);
  // Ends the worker after the running task (the quit message) and waits for
  // the thread to end. Queued tasks are dropped.
  void Quit();

  // Waits until every posted task has been run or dropped; false when that
  // takes longer than `timeout`.
  bool WaitIdle(std::chrono::milliseconds timeout);

  // Marks the mouse as removed: tasks still queued will be dropped, and the
  // running one is abandoned at its next wait.
  void AbortForRemoval();

 private:
  void Loop();

  WorkerState& state_;
  TaskRunner runner_;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  bool working_ = false;
  std::deque<std::pair<int, int>> queue_;
  bool quit_ = false;
  bool running_ = false;
};

}  // namespace mouse
