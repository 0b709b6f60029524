#pragma once

#include "settings/settings_block.h"

namespace mouse::win32 {

// Starts the program assigned to button `button` (1..15) of the profile,
// when that button holds the program function; otherwise nothing.
void RunAssignedProgram(int button, const ProfileRecord& profile);

}  // namespace mouse::win32
