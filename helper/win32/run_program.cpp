#include "helper/win32/run_program.h"

#include <windows.h>

#include <shellapi.h>

#include "settings/win32/wide.h"

namespace mouse::win32 {

namespace {
constexpr std::uint8_t kRunProgramCode = 17;
}

void RunAssignedProgram(int button, const ProfileRecord& profile) {
  if (button < 1 || button > kButtonCount) {
    return;
  }
  const MacroKeyInfo& record = profile.MacroKeyInfo[button - 1];
  if (record.FunctionCode != kRunProgramCode || record.ProgramPath[0] == u'\0') {
    return;
  }
  ShellExecuteW(nullptr, L"open", WidePtr(record.ProgramPath), nullptr, nullptr, SW_SHOW);
}

}  // namespace mouse::win32
