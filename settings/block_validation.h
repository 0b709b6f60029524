#pragma once

#include "settings/settings_block.h"

namespace mouse {

// Whether a block that came from another program can be used as it is: the
// current profile is 0..4, every change flag is 0 or 1, no button record
// claims more than 40 events or another slot, and every string is
// NUL-terminated within its field.
bool IsValidSharedBlock(const SettingsBlock& block);

}  // namespace mouse
