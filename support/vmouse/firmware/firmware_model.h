// The firmware of the virtual mouse: it answers every feature report as the
// mouse does. A read request selects what the following read returns; each
// command is checked, stored, and keeps the status "busy" for a while before
// it reads "completed" (a malformed command reads "failed" at once). The
// mouse's own buttons change its state and send notices. Time comes from
// the injected clock, so tests take no real time.
//
// Not thread-safe: whoever shares a model between threads holds a lock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "device/clock.h"
#include "support/vmouse/firmware/firmware_memory.h"
#include "support/vmouse/firmware/firmware_reports.h"
#include "support/vmouse/firmware/mouse_buttons.h"

namespace mouse::vmouse {

// How long the mouse stays busy after each kind of command, in ms.
struct BusyTimes {
  int ReadRequestMs = 100;
  int ProfileSelectMs = 80;
  int SettingsMs = 250;
  int ButtonMapMs = 300;
  int OtgMs = 80;
  int MacroMs = 150;
  int HostPresenceMs = 80;
  int DataChunkMs = 600;

  // Every command busy for the same time.
  static BusyTimes Uniform(int ms) { return {ms, ms, ms, ms, ms, ms, ms, ms}; }
};

struct FirmwareOptions {
  BusyTimes Busy;
  std::uint8_t FirmwareVersion = 0x15;
  std::uint8_t MouseType = 0x02;
};

// One command as the mouse received it, or one press of its buttons with
// the notices it sent ("pressed profile 3000:0002"), for the live view.
struct CommandRecord {
  std::int64_t TimeMs;
  std::string Text;
  bool Accepted;
};

class FirmwareModel {
 public:
  static constexpr std::size_t kCommandLogSize = 8;

  explicit FirmwareModel(const Clock& clock, FirmwareOptions options = {},
                         FirmwareMemory memory = FactoryMemory());

  // A command from the host. False only when the mouse has no such report
  // (unknown id, no bytes); a malformed command is taken and fails.
  bool SetFeature(const std::uint8_t* report, std::size_t length);
  // The report whose id is in byte 0, exactly `length` bytes long. False for
  // ids the mouse does not return or a length that is not the report's.
  bool GetFeature(std::uint8_t* report, std::size_t length);

  std::vector<MouseNotice> Press(const MouseButton& button);
  void ResetToFactory();

  const FirmwareMemory& Memory() const { return memory_; }
  const FirmwareOptions& Options() const { return options_; }
  // Grows whenever the memory changes, so a holder knows when to save.
  std::uint64_t Revision() const { return revision_; }
  // The last commands and presses, oldest first.
  const std::deque<CommandRecord>& RecentCommands() const { return log_; }
  std::uint8_t Status() const;

 private:
  struct Outcome {
    int BusyMs;
    std::string Text;
    bool Accepted = true;
  };
  Outcome Execute(const ReadRequestCommand& command);
  Outcome Execute(const ProfileSelectCommand& command);
  Outcome Execute(const SettingsCommand& command);
  Outcome Execute(const ButtonMapCommand& command);
  Outcome Execute(const OtgCommand& command);
  Outcome Execute(const MacroCommand& command);
  Outcome Execute(const HostPresenceCommand& command);
  Outcome Execute(const DataChunkCommand& command);
  Outcome Execute(const MalformedCommand& command);
  Report ReadReport(std::uint8_t id) const;
  void Log(std::string text, bool accepted);
  void Changed() { ++revision_; }

  const Clock& clock_;
  FirmwareOptions options_;
  FirmwareMemory memory_;
  std::uint64_t revision_ = 0;
  std::deque<CommandRecord> log_;

  // The last command's result and when the mouse stops being busy with it.
  std::uint8_t result_ = kStatusCompleted;
  std::int64_t busyUntilMs_ = 0;

  // What the read requests selected.
  std::uint8_t settingsProfile_ = 0;
  std::uint8_t buttonMapProfile_ = 0;
  std::uint8_t macroProfile_ = 0;
  std::uint8_t macroButton_ = 0;

  // The tuning table arrives in three chunks and is taken as a whole.
  std::array<std::uint8_t, kDataBlockSize> staging_{};
  int nextChunk_ = 1;
};

}  // namespace mouse::vmouse
