#include "support/vmouse/win32/pipe_client.h"

#include <algorithm>

namespace mouse::vmouse::win32 {

namespace {

constexpr ULONGLONG kBusyGraceMs = 1000;

}  // namespace

std::unique_ptr<PipeClient> PipeClient::Connect(std::u16string_view name, DWORD timeoutMs) {
  const std::wstring path = PipePath(name);
  const ULONGLONG start = GetTickCount64();
  const ULONGLONG deadline = start + timeoutMs;
  for (;;) {
    HANDLE pipe = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OVERLAPPED, nullptr);
    if (pipe != INVALID_HANDLE_VALUE) {
      return std::unique_ptr<PipeClient>(new PipeClient(pipe));
    }
    const DWORD error = GetLastError();
    // A busy pipe means the virtual mouse runs and is between two
    // connections: that is worth a short wait whatever the time limit.
    const ULONGLONG end =
        error == ERROR_PIPE_BUSY ? std::max(deadline, start + kBusyGraceMs) : deadline;
    const ULONGLONG now = GetTickCount64();
    if (now >= end) {
      return nullptr;
    }
    const DWORD left = static_cast<DWORD>(end - now);
    if (error == ERROR_PIPE_BUSY) {
      WaitNamedPipeW(path.c_str(), std::min<DWORD>(left, 50));
    } else {
      Sleep(std::min<DWORD>(left, 20));
    }
  }
}

std::optional<PipeResponse> PipeClient::Transact(std::string_view request, DWORD timeoutMs) {
  if (!WriteFrame(pipe_.get(), request, nullptr, timeoutMs)) {
    return std::nullopt;
  }
  const std::optional<std::string> answer = ReadFrame(pipe_.get(), nullptr, timeoutMs);
  if (!answer) {
    return std::nullopt;
  }
  return ParseResponse(*answer);
}

std::optional<std::string> PipeClient::Next(HANDLE stop, DWORD timeoutMs) {
  return ReadFrame(pipe_.get(), stop, timeoutMs);
}

}  // namespace mouse::vmouse::win32
