// MacroReport (id 0x09, 130 bytes): the macro of one button.
//
//   2 profile, 3 button, 4 play count (1 when the block's is 0),
//   5..28 the name in the ANSI code page, NUL-terminated,
//   29 number of two-byte entries, 30..129 the entries.
//
// An event entry is (key, units | 0x80 when the event is not a press), the
// units being the pause before the event in 50 ms. A delay extension entry
// (1, 2 or 3, x) before an event adds x, 2x or 4x units to its pause. At
// most ten extensions are written; longer pauses beyond that, and pauses
// longer than the longest an extension can carry, are shortened.
//
// In the block an event's Delay is the pause after it, so the pause before
// event k on the mouse is the Delay of event k - 1 in the block.
#pragma once

#include <cstdint>
#include <span>

#include "device/debug_log.h"
#include "device/reports.h"
#include "settings/text_encoding.h"

namespace mouse {

inline constexpr int kMacroNameBytes = 23;  // bytes 5..28 less the NUL
inline constexpr int kMaxDelayExtensions = 10;
inline constexpr int kMacroUnitMs = 50;
inline constexpr int kMaxEventUnits = 127;
// The longest pause one event can be given: a (3, 255) extension and 127.
inline constexpr int kMaxDelayUnits = 4 * 255 + kMaxEventUnits;

// A delay in ms as units of 50 ms, rounded to the nearest (25 ms rounds up).
int DelayUnits(std::uint16_t delayMs);

// How a pause of `units` travels: an optional extension entry (kind 1..3,
// 0 = none) and the units left in the event entry (at most 127). Pauses
// above kMaxDelayUnits are limited to it.
struct EncodedDelay {
  std::uint8_t kind = 0;
  std::uint8_t extension = 0;
  std::uint8_t units = 0;
};
EncodedDelay EncodeDelay(int units);

// Built from button `button` of profile `profile`. The name is converted to
// the ANSI code page and cut to 23 bytes without splitting a character.
// Every pause is traced to `log` as "Delay: d,t m" when one is given.
Report<kMacroReportLength> BuildMacroReport(const MacroKeyInfo& record, int profile, int button,
                                            const AnsiCodePage& codePage, DebugLog* log = nullptr);

// Stores a report read from the mouse into `record` (button `button` of
// profile `profile`): the name (or "Pro<p+1>-M<b+1>" when it is blank), the
// play count, FunctionCode 16 and the events. A report whose count byte
// claims more than 40 events or more entries than it holds stores no events.
// False (nothing changed) when the report is malformed.
bool StoreMacroReport(std::span<const std::uint8_t> bytes, int profile, int button,
                      MacroKeyInfo& record, const AnsiCodePage& codePage);

}  // namespace mouse
