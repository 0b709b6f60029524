// ProfileSettingsReport (id 0x06, 37 bytes): the CPI levels, indicator,
// polling and lighting settings of one profile.
#pragma once

#include <cstdint>
#include <span>

#include "device/reports.h"

namespace mouse {

// The value of one CPI level as the mouse is sent it: level × sensitivity ÷
// 10, truncated, limited to 1..56.
std::uint8_t ScaleCpiLevel(std::int32_t level, std::int32_t sensitivity);

// Built from `profile`, which is profile number `index` 0..4 (the index also
// picks the indicator constant of byte 36).
Report<kProfileSettingsReportLength> BuildProfileSettingsReport(const ProfileRecord& profile,
                                                                int index);

// Stores a report read from the mouse into `profile`: the CPI levels only
// when the report's X sensitivity is 10 (the levels are unscaled then),
// never the Y levels. False (nothing changed) when the report is malformed.
bool StoreProfileSettingsReport(std::span<const std::uint8_t> bytes, ProfileRecord& profile);

}  // namespace mouse
