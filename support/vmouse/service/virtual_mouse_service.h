// The virtual mouse as one object that several connections share: the
// firmware model behind a lock, the plug, the flash file it keeps in step
// with the memory, and the subscribers that receive its notices and plug
// changes. Portable; the Windows program serves it over a named pipe.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "device/clock.h"
#include "support/vmouse/firmware/firmware_model.h"
#include "support/vmouse/firmware/flash_file.h"

namespace mouse::vmouse {

// What a subscriber receives: a notice of the mouse, or the plug being
// put in (Value 1) or pulled (Value 0).
struct MouseEvent {
  enum class Kind : std::uint8_t { kNotice = 1, kPlug = 2 };
  Kind EventKind;
  std::uint16_t Type;
  std::uint16_t Value;
  bool operator==(const MouseEvent&) const = default;
};

using EventSink = std::function<void(const MouseEvent&)>;

// A consistent picture of the mouse for the live view.
struct MouseSnapshot {
  bool Plugged;
  FirmwareMemory Memory;
  std::deque<CommandRecord> Commands;
  std::uint8_t Status;
};

class VirtualMouseService {
 public:
  // An empty flash path keeps the memory in this process only.
  VirtualMouseService(const Clock& clock, FirmwareOptions options, std::filesystem::path flashPath);

  FlashState FlashAtStart() const { return flashAtStart_; }

  // The feature transfers: they fail while the mouse is unplugged.
  bool SetFeature(const std::uint8_t* report, std::size_t length);
  bool GetFeature(std::uint8_t* report, std::size_t length);

  bool Plugged() const;
  // Whether the host software said it has taken over the mouse.
  bool HostPresent() const;
  // Subscribers hear of every change of the plug.
  void SetPlugged(bool plugged);
  // Presses a button of the mouse and sends its notices to every
  // subscriber. False (and nothing happens) while it is unplugged.
  bool Press(const MouseButton& button);
  // Back to the factory memory.
  void Reset();
  std::vector<std::string> Dump() const;
  MouseSnapshot Snapshot() const;

  // Events reach a sink on the thread that caused them, while the service
  // is locked: a sink only queues them and must not call back.
  int Subscribe(EventSink sink);
  void Unsubscribe(int id);
  // Called (under the same rule) after anything the live view shows changed.
  void SetChangeListener(std::function<void()> listener);

 private:
  VirtualMouseService(const Clock& clock, FirmwareOptions options, std::filesystem::path flashPath,
                      const FlashLoad& load);
  void Raise(const MouseEvent& event);
  void AfterChange();

  mutable std::mutex mutex_;
  FirmwareModel model_;
  std::filesystem::path flashPath_;
  FlashState flashAtStart_ = FlashState::kMissing;
  std::uint64_t savedRevision_ = 0;
  bool plugged_ = true;
  std::map<int, EventSink> sinks_;
  int nextSinkId_ = 1;
  std::function<void()> listener_;
};

}  // namespace mouse::vmouse
