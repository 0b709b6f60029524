#include "support/vmouse/win32/pipe_client.h"

namespace mouse::vmouse::win32 {

std::unique_ptr<PipeClient> PipeClient::Connect(std::u16string_view name, DWORD timeoutMs) {
  const std::wstring path = PipePath(name);
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    HANDLE pipe = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OVERLAPPED, nullptr);
    if (pipe != INVALID_HANDLE_VALUE) {
      return std::unique_ptr<PipeClient>(new PipeClient(pipe));
    }
    const DWORD error = GetLastError();
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) {
      return nullptr;
    }
    const DWORD left = static_cast<DWORD>(deadline - now);
    if (error == ERROR_PIPE_BUSY) {
      // Every instance is taken for a moment: wait for the next one.
      WaitNamedPipeW(path.c_str(), left < 50 ? left : 50);
    } else {
      Sleep(left < 20 ? left : 20);
    }
  }
}

std::optional<PipeResponse> PipeClient::Transact(std::string_view request, DWORD timeoutMs) {
  if (!WriteFrame(pipe_.Get(), request, nullptr, timeoutMs)) {
    return std::nullopt;
  }
  const std::optional<std::string> answer = ReadFrame(pipe_.Get(), nullptr, timeoutMs);
  if (!answer) {
    return std::nullopt;
  }
  return ParseResponse(*answer);
}

std::optional<std::string> PipeClient::Next(HANDLE stop, DWORD timeoutMs) {
  return ReadFrame(pipe_.Get(), stop, timeoutMs);
}

}  // namespace mouse::vmouse::win32
