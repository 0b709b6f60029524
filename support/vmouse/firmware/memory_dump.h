// The mouse's memory as the reports it returns, one line per report in
// upper-case hexadecimal: the active profile, then for each profile its
// settings, its button map, its OTG report and the macro report of each
// button that holds a macro.
#pragma once

#include <string>
#include <vector>

#include "support/vmouse/firmware/firmware_memory.h"

namespace mouse::vmouse {

std::vector<std::string> DumpMemory(const FirmwareMemory& memory);

}  // namespace mouse::vmouse
