#include "device/device_worker.h"

namespace mouse {

DeviceWorker::DeviceWorker(WorkerState& state, TaskRunner runner)
    : state_(state), runner_(std::move(runner)) {}

DeviceWorker::~DeviceWorker() { Quit(); }

void DeviceWorker::Start() {
  std::lock_guard lock(mutex_);
  if (running_) {
    return;
  }
  quit_ = false;
  running_ = true;
  thread_ = std::thread([this] { Loop(); });
}

bool DeviceWorker::Post(int task, int parameter) {
  {
    std::lock_guard lock(mutex_);
    if (!running_ || quit_) {
      return false;
    }
    queue_.emplace_back(task, parameter);
  }
  wake_.notify_one();
  return true;
}

void DeviceWorker::Quit() {
  {
    std::lock_guard lock(mutex_);
    if (!running_) {
      return;
    }
    quit_ = true;
  }
  wake_.notify_one();
  if (thread_.joinable()) {
    thread_.join();
  }
  std::lock_guard lock(mutex_);
  running_ = false;
  queue_.clear();
}

bool DeviceWorker::WaitIdle(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return idle_.wait_for(lock, timeout, [this] { return queue_.empty() && !working_; });
}

void DeviceWorker::AbortForRemoval() {
  state_.connectionState = kRemoved;
  if (state_.workerBusy == 1) {
    state_.abortFlag = 1;
  }
}

void DeviceWorker::Loop() {
  for (;;) {
    std::pair<int, int> task;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return quit_ || !queue_.empty(); });
      if (quit_) {
        return;
      }
      task = queue_.front();
      queue_.pop_front();
      working_ = true;
    }
    // Busy before the connection is looked at: a removal that sees the
    // worker idle finds the state already changed, one that sees it busy
    // raises the abort flag after it was cleared here.
    state_.workerBusy = 1;
    state_.abortFlag = 0;
    if (state_.connectionState == kConnected) {
      runner_(task.first, task.second);
    }
    state_.workerBusy = 0;
    {
      std::lock_guard lock(mutex_);
      working_ = false;
    }
    idle_.notify_all();
  }
}

}  // namespace mouse
