// A scripted HidLink for the device tests: records every report sent and
// read (with the clock's time), answers reads from queues per report id and
// can reject sends of chosen ids.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "device/clock.h"
#include "device/hid_link.h"
#include "device/reports.h"
#include "manual_clock.h"

namespace mouse::testing {

struct HidCall {
  bool sent;  // SetFeature (true) or GetFeature (false)
  std::vector<std::uint8_t> bytes;
  std::int64_t atMs;
  bool ok;
};

class FakeHidLink final : public HidLink {
 public:
  explicit FakeHidLink(const Clock& clock) : clock_(clock) {}

  // The next read of report `id` answers `bytes` (nothing = the read fails).
  void Queue(std::uint8_t id, std::optional<std::vector<std::uint8_t>> bytes) {
    queues_[id].push_back(std::move(bytes));
  }
  void QueueStatus(std::optional<std::uint8_t> status) {
    if (status) {
      const auto report = BuildStatusReport(*status);
      Queue(kStatusReportId, std::vector<std::uint8_t>(report.begin(), report.end()));
    } else {
      Queue(kStatusReportId, std::nullopt);
    }
  }
  // Reads of `id` with nothing queued answer `bytes`.
  void Always(std::uint8_t id, std::vector<std::uint8_t> bytes) { always_[id] = std::move(bytes); }
  void AlwaysStatus(std::uint8_t status) {
    const auto report = BuildStatusReport(status);
    Always(kStatusReportId, std::vector<std::uint8_t>(report.begin(), report.end()));
  }
  void RejectSends(std::uint8_t id) { rejected_.insert(id); }
  // Rejects only the send whose byte 1 is `second` (the data block chunks).
  void RejectSend(std::uint8_t id, std::uint8_t second) { rejectedPairs_.insert({id, second}); }

  // Called after every recorded call.
  std::function<void(const HidCall&)> onCall;

  const std::vector<HidCall>& Calls() const { return calls_; }
  std::vector<HidCall> Sent() const { return Filter(true); }
  std::vector<HidCall> Reads() const { return Filter(false); }

  void OpenDevMonitor(WindowHandle, unsigned, unsigned) override {}
  void CloseDevMonitor() override {}
  bool OpenFeatureDevice() override { return true; }
  void CloseFeatureDevice() override {}

  bool SetFeature(const std::uint8_t* report, std::size_t length) override {
    std::vector<std::uint8_t> bytes(report, report + length);
    const bool ok = rejected_.count(bytes[0]) == 0 &&
                    (length < 2 || rejectedPairs_.count({bytes[0], bytes[1]}) == 0);
    Record({true, std::move(bytes), clock_.NowMs(), ok});
    return ok;
  }

  bool GetFeature(std::uint8_t* report, std::size_t length) override {
    const std::uint8_t id = report[0];
    std::optional<std::vector<std::uint8_t>> answer;
    auto queue = queues_.find(id);
    if (queue != queues_.end() && !queue->second.empty()) {
      answer = std::move(queue->second.front());
      queue->second.pop_front();
    } else if (auto fallback = always_.find(id); fallback != always_.end()) {
      answer = fallback->second;
    }
    const bool ok = answer.has_value();
    if (ok) {
      for (std::size_t i = 0; i < length; ++i) {
        report[i] = i < answer->size() ? (*answer)[i] : 0;
      }
    }
    Record({false, std::vector<std::uint8_t>(report, report + length), clock_.NowMs(), ok});
    return ok;
  }

 private:
  void Record(HidCall call) {
    calls_.push_back(std::move(call));
    if (onCall) {
      onCall(calls_.back());
    }
  }
  std::vector<HidCall> Filter(bool sent) const {
    std::vector<HidCall> out;
    for (const HidCall& call : calls_) {
      if (call.sent == sent) {
        out.push_back(call);
      }
    }
    return out;
  }

  const Clock& clock_;
  std::map<std::uint8_t, std::deque<std::optional<std::vector<std::uint8_t>>>> queues_;
  std::map<std::uint8_t, std::vector<std::uint8_t>> always_;
  std::set<std::uint8_t> rejected_;
  std::set<std::pair<std::uint8_t, std::uint8_t>> rejectedPairs_;
  std::vector<HidCall> calls_;
};

// A manual clock that runs a hook after each sleep (the sleep's number,
// counted from 1), so a test can raise the abort flag in the middle of a
// wait.
class HookedClock final : public Clock {
 public:
  std::int64_t NowMs() const override { return clock_.NowMs(); }
  void SleepMs(int milliseconds) override {
    clock_.SleepMs(milliseconds);
    if (afterSleep) {
      afterSleep(static_cast<int>(clock_.Sleeps().size()));
    }
  }
  std::vector<int> Sleeps() const { return clock_.Sleeps(); }
  std::function<void(int)> afterSleep;

 private:
  ManualClock clock_;
};

}  // namespace mouse::testing
