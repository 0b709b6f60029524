#include "device/button_map_report.h"

#include "settings/button_codes.h"
#include "settings/fixed_text.h"

namespace mouse {

namespace {

constexpr std::size_t kFirstTriple = 3;

constexpr std::size_t TripleAt(int button) {
  return kFirstTriple + 3 * static_cast<std::size_t>(button);
}

}  // namespace

Report<kButtonMapReportLength> BuildButtonMapReport(const ProfileRecord& profile, int index) {
  Report<kButtonMapReportLength> r = EmptyReport<kButtonMapReportLength>(kButtonMapReportId);
  r[1] = kButtonMapReportLength;
  r[2] = LowByte(index);
  for (int b = 0; b < kButtonCount; ++b) {
    const MacroKeyInfo& record = profile.MacroKeyInfo[b];
    const std::size_t at = TripleAt(b);
    r[at] = record.FunctionCode;
    if (record.FunctionCode == kKeyStroke) {
      r[at + 1] = record.Events[0].Action;  // the modifiers
      r[at + 2] = record.Events[0].Key;
    }
  }
  return r;
}

bool StoreButtonMapReport(std::span<const std::uint8_t> r, ProfileRecord& profile) {
  if (!IsReport(r, kButtonMapReportId, kButtonMapReportLength)) {
    return false;
  }
  for (int b = 0; b < kButtonCount; ++b) {
    MacroKeyInfo& record = profile.MacroKeyInfo[b];
    const std::size_t at = TripleAt(b);
    record.FunctionCode = r[at];
    if (record.FunctionCode == kKeyStroke) {
      record.Events[0].Action = r[at + 1];
      record.Events[0].Key = r[at + 2];
      record.EventCount = 1;
      SetFixedText(record.MacroName, u"");
    }
  }
  return true;
}

}  // namespace mouse
