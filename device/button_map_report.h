// ButtonMapReport (id 0x07, 50 bytes): the fifteen button assignments of one
// profile, one triple per button: the function code, then for a KeyStroke
// its modifiers and its key (HID usage), else two zeros.
#pragma once

#include <cstdint>
#include <span>

#include "device/reports.h"

namespace mouse {

Report<kButtonMapReportLength> BuildButtonMapReport(const ProfileRecord& profile, int index);

// Stores a report read from the mouse: every button's FunctionCode; for a
// KeyStroke also its key and modifiers, EventCount 1 and no macro name.
// Nothing else of a record changes. False (nothing changed) when the report
// is malformed.
bool StoreButtonMapReport(std::span<const std::uint8_t> bytes, ProfileRecord& profile);

}  // namespace mouse
