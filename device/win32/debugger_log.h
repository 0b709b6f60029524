#pragma once

#include "device/debug_log.h"

namespace mouse::win32 {

// Writes to the debugger output (OutputDebugStringA).
class DebuggerLog final : public DebugLog {
 public:
  void Write(std::string_view text) override;
};

}  // namespace mouse::win32
