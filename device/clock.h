// Time as the device code sees it: what time it is, and sleeping. Native
// tests inject a manual clock so that the protocol's pacing takes no real
// time and can be asserted exactly.
#pragma once

#include <cstdint>

namespace mouse {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t NowMs() const = 0;
  virtual void SleepMs(int milliseconds) = 0;
};

// The real clock: steady time and real sleeps.
class SteadyClock final : public Clock {
 public:
  std::int64_t NowMs() const override;
  void SleepMs(int milliseconds) override;
};

}  // namespace mouse
