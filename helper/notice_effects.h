// What Helper does in answer to a notice from the mouse, as a list of
// effects in the order they must happen. The decisions are made here, on
// Helper's block; the Windows side carries the effects out.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace mouse::effect {

// Copy Helper's block into the shared block (under the block mutex).
struct PublishBlock {
  bool operator==(const PublishBlock&) const = default;
};
// Write a text value to config.ini.
struct WriteConfig {
  std::u16string section;
  std::u16string key;
  std::u16string value;
  bool operator==(const WriteConfig&) const = default;
};
// Write the current profile's pointer values to the registry, then put
// them into effect.
struct ApplyProfilePointers {
  bool operator==(const ApplyProfilePointers&) const = default;
};
// Post a message to Option's window when it exists.
struct PostToOption {
  unsigned message;
  bool operator==(const PostToOption&) const = default;
};
// Post 1324 to the display window when it exists.
struct PostToDisplay {
  unsigned wParam;
  std::uint32_t lParam;
  bool operator==(const PostToDisplay&) const = default;
};
// Host actions the mouse asks for.
struct TiltScroll {
  int direction;  // +1 scrolls left, -1 scrolls right
  bool operator==(const TiltScroll&) const = default;
};
struct RunProgram {
  int button;  // 1..15
  bool operator==(const RunProgram&) const = default;
};
struct MediaCommand {
  std::uint8_t code;  // 25..29
  std::uint8_t release;
  bool operator==(const MediaCommand&) const = default;
};
struct OpenOption {
  bool operator==(const OpenOption&) const = default;
};
struct DeviceArrived {
  bool operator==(const DeviceArrived&) const = default;
};
struct DeviceRemoved {
  bool operator==(const DeviceRemoved&) const = default;
};

using Effect =
    std::variant<PublishBlock, WriteConfig, ApplyProfilePointers, PostToOption, PostToDisplay,
                 TiltScroll, RunProgram, MediaCommand, OpenOption, DeviceArrived, DeviceRemoved>;
using Effects = std::vector<Effect>;

}  // namespace mouse::effect
