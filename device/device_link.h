// The elementary exchanges with the mouse: one command out and its
// acknowledgement poll, or one read request followed by one report in, with
// the waits between them.
//
// A DeviceLink holds what every exchange needs: the HID access library, the
// clock it waits on, the abort flag (nonzero = stop waiting: the mouse was
// removed or Helper shuts down) and the ANSI code page of macro names. It
// owns none of them. Exchanges return true for success; a failed read
// changes nothing in the block.
//
// Waits: an abortable wait of n ms sleeps n / 100 times 100 ms and looks at
// the abort flag before each sleep and once after the last. The pause
// between a read request and its read, and the sleeps of SendDataBlock, are
// plain sleeps that do not look at the flag.
#pragma once

#include <atomic>

#include "device/clock.h"
#include "device/debug_log.h"
#include "device/hid_link.h"
#include "device/reports.h"
#include "settings/settings_block.h"
#include "settings/text_encoding.h"

namespace mouse {

class DeviceLink {
 public:
  DeviceLink(HidLink& hid, Clock& clock, const std::atomic<int>& abortFlag,
             const AnsiCodePage& codePage, DebugLog* log = nullptr)
      : hid_(hid), clock_(clock), abortFlag_(abortFlag), codePage_(codePage), log_(log) {}

  bool Aborted() const { return abortFlag_.load() != 0; }

  // Waits `milliseconds` in steps of 100 ms; false as soon as the abort flag
  // is seen (before a step or after the last one).
  bool Wait(int milliseconds);
  // A plain pause that does not look at the abort flag.
  void Pause(int milliseconds) { clock_.SleepMs(milliseconds); }

  // The acknowledgement poll after a command: up to ten status reads, the
  // first after `firstWaitMs`, then after 1000, 1500 and 2000 ms for every
  // later one. True when the mouse reports the command completed; false
  // for any other status than busy, for ten busy answers, for a failed read
  // (unless an earlier read said busy: then the poll goes on) and for an
  // abort.
  bool WaitDeviceReady(int firstWaitMs);

  // Commands. Each sends its report and, when it was sent, polls; the poll's
  // result is the command's. Profile and button indices out of range (and
  // a CurrentProfile that names no profile) fail without sending.
  bool SendProfileSelect(int profile);                                // poll(100)
  bool SendProfileSettings(const SettingsBlock& block, int profile);  // poll(200)
  bool SendButtonMap(const SettingsBlock& block, int profile);        // poll(500)
  bool SendOtg(const SettingsBlock& block);  // OTGSpeed of the current profile, poll(100)
  // Only for a macro button (FunctionCode 16); any other button succeeds
  // without sending.
  bool SendMacro(const SettingsBlock& block, int profile, int button);  // poll(200)
  bool SendHostPresence(bool active);                                   // poll(100)

  // Reads. Each stores what it read into the block and is true when a
  // well-formed report was read.
  // CurrentProfile; a value above 4 changes nothing (and gives false).
  bool ReadActiveProfile(SettingsBlock& block);
  // Read request, a plain 200 ms pause, then the report.
  bool ReadProfileSettings(SettingsBlock& block, int profile);
  bool ReadButtonMap(SettingsBlock& block, int profile);
  // Into the OTGSpeed of the current profile.
  bool ReadOtg(SettingsBlock& block);
  // Read request, poll(300) whatever it gives, then the report.
  bool ReadMacro(SettingsBlock& block, int profile, int button);
  // A failed read gives zeros in `info`.
  bool ReadDeviceInfo(DeviceInfo& info);

  // The tuning table in its three chunks, with the pauses the mouse needs to
  // store each one.
  bool SendDataBlock();

 private:
  template <std::size_t N>
  bool Send(const Report<N>& report) {
    return hid_.SetFeature(report.data(), report.size());
  }
  template <std::size_t N>
  bool Read(Report<N>& report) {
    return hid_.GetFeature(report.data(), report.size());
  }
  template <std::size_t N>
  bool SendAndPoll(const Report<N>& report, int firstWaitMs) {
    return Send(report) && WaitDeviceReady(firstWaitMs);
  }
  // Sends a read request, whose result does not matter, and pauses.
  void RequestRead(int profile, std::uint8_t what);

  HidLink& hid_;
  Clock& clock_;
  const std::atomic<int>& abortFlag_;
  const AnsiCodePage& codePage_;
  DebugLog* log_;
};

// The pauses of the exchanges, in ms.
inline constexpr int kWaitStepMs = 100;
inline constexpr int kReadRequestPauseMs = 200;
inline constexpr int kMaxPollAttempts = 10;

}  // namespace mouse
