// Fixed diagnostic texts for the debugger output. Windows writes them with
// OutputDebugString; elsewhere they may go nowhere or into a test.
#pragma once

#include <string_view>

namespace mouse {

class DebugLog {
 public:
  virtual ~DebugLog() = default;
  virtual void Write(std::string_view text) = 0;
};

}  // namespace mouse
