// The notices the mouse sends through the HID access library: a 16-bit type
// (the notice message's wParam) and a 16-bit value (the low half of lParam),
// whose low and high bytes are called lo and hi.
#pragma once

#include <cstdint>

namespace mouse {

enum NoticeType : std::uint16_t {
  kNoticeTilt = 0x1000,           // 1 = tilt right, 255 = tilt left
  kNoticeProfile = 0x3000,        // new active profile 1..5
  kNoticeMacro = 0x4000,          // lo = button 1..15 playing its macro, hi = 0
  kNoticeProgram = 0x6000,        // lo = button 1..15 asking for its program, hi = 0
  kNoticeDevice = 0x7000,         // arrival (1) and removal (2), made by Helper itself
  kNoticeConfiguration = 0xA000,  // 1 = the configuration button: bring up Option
  kNoticeCpiLevel = 0xB000,       // new active CPI level 1..5
  kNoticeSensitivity = 0xC000,    // lo = X sensitivity, hi = Y sensitivity, each 1..20
  kNoticePollingRate = 0xD000,    // new polling-rate code + 1, 1..4
  kNoticeMedia = 0xF000,          // lo = media key 0x20..0x27, hi = 0 pressed, 1 released
};

inline constexpr std::uint16_t kTiltRight = 1;
inline constexpr std::uint16_t kTiltLeft = 255;

// The media keys of the mouse (lo of a media notice) and the button
// function each one stands for. 0x25..0x27 are reserved and do nothing.
inline constexpr std::uint8_t kMediaKeyFirst = 0x20;
inline constexpr std::uint8_t kMediaKeyLast = 0x27;
inline constexpr std::uint8_t kMediaPlayerKey = 0x20;     // MediaPlayerOpen (25)
inline constexpr std::uint8_t kMediaPreviousKey = 0x21;   // MediaPrevious (26)
inline constexpr std::uint8_t kMediaNextKey = 0x22;       // MediaNext (27)
inline constexpr std::uint8_t kMediaPlayPauseKey = 0x23;  // MediaPlayPause (28)
inline constexpr std::uint8_t kMediaStopKey = 0x24;       // MediaStop (29)
inline constexpr std::uint8_t kMediaPressed = 0;
inline constexpr std::uint8_t kMediaReleased = 1;

// The function code 25..29 a media key stands for; 0 for the reserved keys.
constexpr std::uint8_t MediaFunctionForKey(std::uint8_t key) {
  return key >= kMediaPlayerKey && key <= kMediaStopKey
             ? static_cast<std::uint8_t>(25 + (key - kMediaPlayerKey))
             : 0;
}

// The media key that carries a function code 25..29; 0 for other codes.
constexpr std::uint8_t MediaKeyForFunction(std::uint8_t code) {
  return code >= 25 && code <= 29 ? static_cast<std::uint8_t>(kMediaPlayerKey + (code - 25)) : 0;
}

}  // namespace mouse
