// The macro conversion both ways: an arbitrary button record (as a profile
// file or the shared block may hold it) is built into a report, which must
// stay within its 130 bytes and read back to the same events, with each
// pause rounded to 50 ms and limited as the report allows.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "device/macro_report.h"
#include "fuzz_check.h"
#include "settings/button_codes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace mouse;
  MacroKeyInfo record{};
  std::memcpy(&record, data, std::min(size, sizeof record));
  const CodePage1252 codePage;

  const auto report = BuildMacroReport(record, 1, 4, codePage);
  const int events = std::min<int>(record.EventCount, kMaxMacroEvents);
  FUZZ_CHECK(report[29] >= events && report[29] <= events + kMaxDelayExtensions);
  FUZZ_CHECK(report[28] == 0);  // the name always ends inside its field

  MacroKeyInfo back{};
  FUZZ_CHECK(StoreMacroReport(report, 1, 4, back, codePage));
  FUZZ_CHECK(back.FunctionCode == kMacro);
  FUZZ_CHECK(back.MacroName[0] != 0);

  // Keys 1..3 cannot travel as events: the report uses them to mark delay
  // extensions. Page-made macros never hold them.
  for (int i = 0; i < events; ++i) {
    if (record.Events[i].Key >= 1 && record.Events[i].Key <= 3) {
      return 0;
    }
  }
  FUZZ_CHECK(back.EventCount == events);
  int extensions = 0;
  for (int i = 0; i < events; ++i) {
    FUZZ_CHECK(back.Events[i].Key == record.Events[i].Key);
    FUZZ_CHECK(back.Events[i].Action ==
               (record.Events[i].Action == kActionPress ? kActionPress : kActionRelease));
    if (i + 1 == events) {
      FUZZ_CHECK(back.Events[i].Delay == 0);
      break;
    }
    int units = std::min(DelayUnits(record.Events[i].Delay), kMaxDelayUnits);
    if (units > kMaxEventUnits) {
      if (extensions < kMaxDelayExtensions) {
        ++extensions;
      } else {
        units = EncodeDelay(units).units;
      }
    }
    FUZZ_CHECK(back.Events[i].Delay == units * kMacroUnitMs);
  }
  return 0;
}
