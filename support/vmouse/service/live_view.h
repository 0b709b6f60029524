// What the virtual mouse's window shows about its state, as text.
#pragma once

#include <string>
#include <vector>

#include "support/vmouse/service/virtual_mouse_service.h"

namespace mouse::vmouse {

// One line: plug, active profile (1..5), CPI level (1..5) and its value,
// sensitivity, polling-rate code, host presence, status.
std::string StateLine(const MouseSnapshot& snapshot);

// The last commands, newest first, each with how long ago it came:
// "-1.234 s  settings P2", and "REJECTED " before the text of a command the
// mouse refused.
std::vector<std::string> CommandLines(const MouseSnapshot& snapshot, std::int64_t nowMs);

}  // namespace mouse::vmouse
