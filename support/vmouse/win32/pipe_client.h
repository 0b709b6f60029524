// A connection to the virtual mouse's pipe, as hidgate.dll, vmousectl and
// the tests open it.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "support/vmouse/service/pipe_protocol.h"
#include "support/vmouse/win32/pipe_io.h"

namespace mouse::vmouse::win32 {

class PipeClient {
 public:
  // Connects within `timeoutMs` (0 = one attempt); nothing when the virtual
  // mouse is not running.
  static std::unique_ptr<PipeClient> Connect(std::u16string_view name, DWORD timeoutMs);

  // One request and its response; nothing when the connection broke or the
  // answer did not come within `timeoutMs`.
  std::optional<PipeResponse> Transact(std::string_view request, DWORD timeoutMs = 5000);
  // The next frame (an event after subscribing).
  std::optional<std::string> Next(HANDLE stop, DWORD timeoutMs = INFINITE);

  HANDLE Handle() const { return pipe_.get(); }

 private:
  explicit PipeClient(HANDLE pipe) : pipe_(pipe) {}
  framework::FileHandle pipe_;
};

}  // namespace mouse::vmouse::win32
