// The mouse's own buttons: the ones that change its state or ask the host
// for a function, and the fifteen physical slots whose function code the
// host assigns. Each has a name (what vmousectl and the window use).
//
//   profile          next profile                    notice 0x3000, profile 1..5
//   cpi              next enabled CPI level          notice 0xB000, level 1..5
//   sensitivity      both axes one step up (20 -> 1) notice 0xC000, lo = X, hi = Y
//   polling          next polling rate               notice 0xD000, rate code + 1
//   tilt-left        tilt wheel left                 notice 0x1000, 255
//   tilt-right       tilt wheel right                notice 0x1000, 1
//   media-player, media-previous, media-next, media-play-pause, media-stop
//                    media keys                      notice 0xF000 pressed, then released
//   config           the configuration button        notice 0xA000, 1
//   button1..button15  a physical slot: what its function code asks for
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/vmouse/firmware/firmware_memory.h"

namespace mouse::vmouse {

enum class ButtonKind {
  kProfile,
  kCpi,
  kSensitivity,
  kPolling,
  kTiltLeft,
  kTiltRight,
  kMedia,  // Index = the media function code 25..29
  kConfig,
  kSlot,  // Index = the slot 0..14
};

struct MouseButton {
  ButtonKind Kind;
  int Index = 0;
  bool operator==(const MouseButton&) const = default;
};

// A notice as the mouse sends it: a 16-bit type and a 16-bit value.
struct MouseNotice {
  std::uint16_t Type;
  std::uint16_t Value;
  bool operator==(const MouseNotice&) const = default;
};

std::optional<MouseButton> ParseMouseButton(std::string_view name);
std::string MouseButtonName(const MouseButton& button);
// Every button, in the order the window shows them.
std::vector<MouseButton> AllMouseButtons();

// Presses a button: changes the memory as the mouse does and returns the
// notices it sends, in order. Buttons whose function the mouse carries out
// by itself send nothing.
std::vector<MouseNotice> PressButton(FirmwareMemory& memory, const MouseButton& button);

}  // namespace mouse::vmouse
