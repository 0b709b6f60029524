// Which profile a program belongs to: automatic profile switching ties a
// profile to the program named in its GameFile.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_block.h"

namespace mouse {

// File name and extension of a program path (no folder), with white space
// around the path removed; empty for a blank path.
std::u16string ExecutableName(std::u16string_view path);

// The first profile whose GameFile names a program called `executable`
// (file name and extension compared without regard to case). Blank
// GameFiles never match.
std::optional<int> ProfileForProgram(const SettingsBlock& block, std::u16string_view executable);

// The profile to switch to when `executable` owns the foreground window:
// the profile that names it, unless that profile is already current.
// Nothing when the program is unknown or no profile names it.
std::optional<int> ProfileToSwitchTo(const SettingsBlock& block,
                                     const std::optional<std::u16string>& executable);

}  // namespace mouse
