// Helpers for the button records (MacroKeyInfo) of a profile.
#pragma once

#include "settings/settings_block.h"

namespace mouse {

// ButtonIndex = button, FunctionCode = the button's default code, every
// other byte 0.
void SetDefaultButtonRecord(MacroKeyInfo& record, int button);

// Brings a record that came from outside (a file, another program) within
// the invariants every user relies on: ButtonIndex equals its slot,
// EventCount is at most 40, and both strings are NUL-terminated.
void SanitizeButtonRecord(MacroKeyInfo& record, int button);

}  // namespace mouse
