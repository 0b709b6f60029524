#include "support/vmouse/firmware/memory_dump.h"

#include "support/vmouse/firmware/firmware_reports.h"

namespace mouse::vmouse {

std::vector<std::string> DumpMemory(const FirmwareMemory& memory) {
  std::vector<std::string> lines;
  lines.push_back(HexLine(ProfileSelectReport(memory.ActiveProfile)));
  for (int p = 0; p < kProfiles; ++p) {
    const FirmwareProfile& profile = memory.Profiles[static_cast<std::size_t>(p)];
    lines.push_back(HexLine(SettingsReport(profile.Settings, p)));
    lines.push_back(HexLine(ButtonMapReport(profile, p)));
    lines.push_back(HexLine(OtgReport(profile.Otg)));
    for (int b = 0; b < kButtons; ++b) {
      if (profile.Buttons[b].Code == kMacroFunctionCode) {
        lines.push_back(HexLine(MacroReport(profile.Macros[b], p, b)));
      }
    }
  }
  return lines;
}

}  // namespace mouse::vmouse
