#include "settings/button_record.h"

#include <cstring>

namespace mouse {

void SetDefaultButtonRecord(MacroKeyInfo& record, int button) {
  std::memset(&record, 0, sizeof record);
  record.ButtonIndex = static_cast<std::uint8_t>(button);
  record.FunctionCode = kDefaultButtonCodes[button];
}

void SanitizeButtonRecord(MacroKeyInfo& record, int button) {
  record.ButtonIndex = static_cast<std::uint8_t>(button);
  if (record.EventCount > kMaxMacroEvents) {
    record.EventCount = kMaxMacroEvents;
  }
  record.MacroName[kMacroNameLength - 1] = u'\0';
  record.ProgramPath[kProgramPathLength - 1] = u'\0';
}

}  // namespace mouse
