#include "device/win32/debugger_log.h"

#include <windows.h>

#include <string>

namespace mouse::win32 {

void DebuggerLog::Write(std::string_view text) { OutputDebugStringA(std::string(text).c_str()); }

}  // namespace mouse::win32
