// Every parser of a report read from the mouse (or, for the mouse's side,
// sent to it) on arbitrary bytes: as they come, and with the parser's own id
// and length forced so that every parser sees the content.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "device/button_map_report.h"
#include "device/data_block_report.h"
#include "device/macro_report.h"
#include "device/profile_settings_report.h"
#include "device/reports.h"
#include "fuzz_check.h"
#include "settings/button_codes.h"

namespace mouse {
namespace {

std::vector<std::uint8_t> AsReport(std::span<const std::uint8_t> data, std::uint8_t id,
                                   std::size_t length) {
  std::vector<std::uint8_t> report(length, 0);
  std::copy_n(data.begin(), std::min(data.size(), length), report.begin());
  report[0] = id;
  return report;
}

void ProfileSettings(std::span<const std::uint8_t> r) {
  ProfileRecord p{};
  ResetProfileDefaults(p, 0);
  if (!StoreProfileSettingsReport(r, p)) {
    return;
  }
  // What the mouse reported goes back to it unchanged.
  const auto sent = BuildProfileSettingsReport(p, 0);
  for (std::size_t i : {3, 4, 16, 23, 25, 26, 27, 28, 29, 30, 31, 32, 33, 35}) {
    FUZZ_CHECK(sent[i] == r[i]);
  }
  FUZZ_CHECK(sent[5] == (r[5] & 0x1F));
  for (int i = 0; i < kCpiLevelCount; ++i) {
    FUZZ_CHECK(p.dpiStepFlag[i] <= 1);
    FUZZ_CHECK(sent[6 + i] >= 1 && sent[6 + i] <= 56);
    FUZZ_CHECK(r[17 + i] == 0xFF || sent[17 + i] == r[17 + i]);
  }
}

void ButtonMap(std::span<const std::uint8_t> r) {
  ProfileRecord p{};
  ResetProfileDefaults(p, 0);
  if (!StoreButtonMapReport(r, p)) {
    return;
  }
  const auto sent = BuildButtonMapReport(p, r[2]);
  for (int b = 0; b < kButtonCount; ++b) {
    const std::size_t at = 3 + 3 * static_cast<std::size_t>(b);
    FUZZ_CHECK(sent[at] == r[at]);
    const bool key = r[at] == kKeyStroke;
    FUZZ_CHECK(sent[at + 1] == (key ? r[at + 1] : 0));
    FUZZ_CHECK(sent[at + 2] == (key ? r[at + 2] : 0));
    FUZZ_CHECK(p.MacroKeyInfo[b].EventCount <= kMaxMacroEvents);
  }
}

void Macro(std::span<const std::uint8_t> r, int profile, int button) {
  const CodePage1252 codePage;
  MacroKeyInfo record{};
  std::memset(&record, 0xA5, sizeof record);
  if (!StoreMacroReport(r, profile, button, record, codePage)) {
    return;
  }
  FUZZ_CHECK(record.FunctionCode == kMacro);
  FUZZ_CHECK(record.EventCount <= kMaxMacroEvents);
  FUZZ_CHECK(record.MacroName[kMacroNameLength - 1] == 0);
  FUZZ_CHECK(record.MacroName[0] != 0);  // a blank name gets a made-up one
  for (int i = record.EventCount; i < kMaxMacroEvents; ++i) {
    FUZZ_CHECK(record.Events[i].Key == 0 && record.Events[i].Delay == 0);
  }
}

}  // namespace
}  // namespace mouse

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace mouse;
  const std::span<const std::uint8_t> bytes(data, size);

  SettingsBlock block{};
  block.CurrentProfile = 2;
  if (StoreProfileSelectReport(bytes, block)) {
    FUZZ_CHECK(IsProfileIndex(block.CurrentProfile));
  } else {
    FUZZ_CHECK(block.CurrentProfile == 2);
  }
  ParseStatusReport(bytes);
  ParseOtgReport(bytes);
  ParseDeviceInfoReport(bytes);
  ParseHostPresenceReport(bytes);
  if (const auto chunk = CheckDataBlockReport(bytes)) {
    FUZZ_CHECK(*chunk >= 1 && *chunk <= kDataBlockChunks);
  }

  ProfileSettings(bytes);
  ProfileSettings(AsReport(bytes, kProfileSettingsReportId, kProfileSettingsReportLength));
  ButtonMap(bytes);
  ButtonMap(AsReport(bytes, kButtonMapReportId, kButtonMapReportLength));
  const int profile = size > 1 ? data[1] % 7 - 1 : 0;  // out of range as well
  const int button = size > 2 ? data[2] % 17 - 1 : 0;
  Macro(bytes, profile, button);
  Macro(AsReport(bytes, kMacroReportId, kMacroReportLength), profile, button);
  return 0;
}
