#include "device/macro_report.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "settings/button_codes.h"
#include "settings/fixed_text.h"

namespace mouse {

namespace {

constexpr std::size_t kPlayCount = 4;
constexpr std::size_t kName = 5;
constexpr std::size_t kNameField = 24;
constexpr std::size_t kEntryCount = 29;
constexpr std::size_t kFirstEntry = 30;
constexpr std::uint8_t kReleaseFlag = 0x80;
constexpr std::uint8_t kUnitsMask = 0x7F;

bool IsExtension(std::uint8_t kind) { return kind >= 1 && kind <= 3; }

int ExtensionUnits(std::uint8_t kind, std::uint8_t value) { return value << (kind - 1); }

std::string NameBytes(std::u16string_view name, const AnsiCodePage& codePage) {
  std::string bytes = codePage.Encode(name);
  if (bytes.size() > kMacroNameBytes) {
    bytes = EncodeAnsiPrefix(codePage, name, kMacroNameBytes);
  }
  return bytes;
}

std::u16string NameFromBytes(std::span<const std::uint8_t> field, int profile, int button,
                             const AnsiCodePage& codePage) {
  std::string bytes(field.begin(), field.end());
  bytes.resize(std::min(bytes.find('\0'), bytes.size()));
  while (!bytes.empty() && bytes.back() == ' ') {
    bytes.pop_back();
  }
  if (bytes.empty()) {
    char fallback[32];
    std::snprintf(fallback, sizeof fallback, "Pro%d-M%d", profile + 1, button + 1);
    return FromUtf8(fallback);
  }
  return codePage.Decode(bytes);
}

}  // namespace

int DelayUnits(std::uint16_t delayMs) {
  const int whole = delayMs / kMacroUnitMs;
  const int rest = delayMs - whole * kMacroUnitMs;
  return whole + (rest >= kMacroUnitMs / 2 ? 1 : 0);
}

EncodedDelay EncodeDelay(int units) {
  units = std::clamp(units, 0, kMaxDelayUnits);
  const int over = units - kMaxEventUnits;
  if (over <= 0) {
    return {0, 0, static_cast<std::uint8_t>(units)};
  }
  if (units < 382) {
    return {1, static_cast<std::uint8_t>(over), kMaxEventUnits};
  }
  if (units < 637) {
    const int k = (over + 1) / 2;
    return {2, static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(units - 2 * k)};
  }
  const int k = (over + 3) / 4;
  return {3, static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(units - 4 * k)};
}

Report<kMacroReportLength> BuildMacroReport(const MacroKeyInfo& record, int profile, int button,
                                            const AnsiCodePage& codePage, DebugLog* log) {
  Report<kMacroReportLength> r = EmptyReport<kMacroReportLength>(kMacroReportId);
  r[1] = kMacroReportLength;
  r[2] = LowByte(profile);
  r[3] = LowByte(button);
  const std::uint8_t playCount = LowByte(record.MacroParam);
  r[kPlayCount] = playCount == 0 ? 1 : playCount;
  const std::string name = NameBytes(FixedText(record.MacroName), codePage);
  std::copy(name.begin(), name.end(), r.begin() + kName);

  const int events = std::min<int>(record.EventCount, kMaxMacroEvents);
  int extensions = 0;
  std::size_t at = kFirstEntry;
  for (int i = 0; i < events; ++i) {
    int units = 0;
    if (i > 0) {
      const std::uint16_t delay = record.Events[i - 1].Delay;
      units = DelayUnits(delay);
      if (log != nullptr) {
        char line[64];
        std::snprintf(line, sizeof line, "Delay: %d,%d %d\n", delay, units, delay % kMacroUnitMs);
        log->Write(line);
      }
    }
    const EncodedDelay encoded = EncodeDelay(units);
    if (encoded.kind != 0 && extensions < kMaxDelayExtensions) {
      r[at++] = encoded.kind;
      r[at++] = encoded.extension;
      ++extensions;
    }
    const MacroEvent& event = record.Events[i];
    r[at++] = event.Key;
    r[at++] = static_cast<std::uint8_t>(encoded.units |
                                        (event.Action != kActionPress ? kReleaseFlag : 0));
  }
  r[kEntryCount] = static_cast<std::uint8_t>(events + extensions);
  return r;
}

bool StoreMacroReport(std::span<const std::uint8_t> r, int profile, int button,
                      MacroKeyInfo& record, const AnsiCodePage& codePage) {
  if (!IsReport(r, kMacroReportId, kMacroReportLength)) {
    return false;
  }
  SetFixedText(record.MacroName,
               NameFromBytes(r.subspan(kName, kNameField), profile, button, codePage));
  record.MacroParam = r[kPlayCount];
  record.FunctionCode = kMacro;
  std::memset(record.Events, 0, sizeof record.Events);

  // Each event may be preceded by one extension entry, which the count byte
  // also counts.
  int remaining = r[kEntryCount];
  int k = 0;
  std::size_t at = kFirstEntry;
  bool complete = true;
  while (k < remaining) {
    if (k == kMaxMacroEvents || at + 1 >= kMacroReportLength) {
      complete = false;
      break;
    }
    int units = 0;
    if (IsExtension(r[at])) {
      units = ExtensionUnits(r[at], r[at + 1]);
      at += 2;
      --remaining;
      if (at + 1 >= kMacroReportLength) {
        complete = false;
        break;
      }
    }
    units += r[at + 1] & kUnitsMask;
    MacroEvent& event = record.Events[k];
    event.Key = r[at];
    event.Action = (r[at + 1] & kReleaseFlag) != 0 ? kActionRelease : kActionPress;
    event.Delay = 0;
    if (k > 0) {
      record.Events[k - 1].Delay = static_cast<std::uint16_t>(units * kMacroUnitMs);
    }
    at += 2;
    ++k;
  }
  if (!complete) {
    std::memset(record.Events, 0, sizeof record.Events);
    k = 0;
  }
  record.EventCount = static_cast<std::uint16_t>(k);
  record.ButtonIndex = static_cast<std::uint8_t>(button);
  return true;
}

}  // namespace mouse
