// A clock for tests: sleeping advances time at once and is recorded, so
// protocol pacing takes no real time and can be asserted exactly.
#pragma once

#include <mutex>
#include <vector>

#include "device/clock.h"

namespace mouse::testing {

class ManualClock final : public Clock {
 public:
  std::int64_t NowMs() const override {
    std::lock_guard lock(mutex_);
    return now_;
  }
  void SleepMs(int milliseconds) override {
    std::lock_guard lock(mutex_);
    sleeps_.push_back(milliseconds);
    now_ += milliseconds;
  }
  void Advance(int milliseconds) {
    std::lock_guard lock(mutex_);
    now_ += milliseconds;
  }
  std::vector<int> Sleeps() const {
    std::lock_guard lock(mutex_);
    return sleeps_;
  }
  void ClearSleeps() {
    std::lock_guard lock(mutex_);
    sleeps_.clear();
  }

 private:
  mutable std::mutex mutex_;
  std::int64_t now_ = 0;
  std::vector<int> sleeps_;
};

}  // namespace mouse::testing
