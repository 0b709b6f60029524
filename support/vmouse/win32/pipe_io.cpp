#include "support/vmouse/win32/pipe_io.h"

#include "support/vmouse/service/pipe_protocol.h"

namespace mouse::vmouse::win32 {

namespace {

DWORD Remaining(ULONGLONG deadline) {
  if (deadline == 0) {
    return INFINITE;
  }
  const ULONGLONG now = GetTickCount64();
  return now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
}

ULONGLONG DeadlineAfter(DWORD timeoutMs) {
  return timeoutMs == INFINITE ? 0 : GetTickCount64() + timeoutMs;
}

bool ReadExactly(HANDLE pipe, char* data, std::size_t size, HANDLE stop, ULONGLONG deadline) {
  framework::KernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  while (size > 0) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = event.get();
    const BOOL started = ReadFile(pipe, data, static_cast<DWORD>(size), nullptr, &overlapped);
    const std::optional<DWORD> moved =
        FinishOverlapped(pipe, overlapped, started, stop, Remaining(deadline));
    if (!moved || *moved == 0) {
      return false;
    }
    data += *moved;
    size -= *moved;
  }
  return true;
}

}  // namespace

std::wstring PipePath(std::u16string_view name) {
  std::wstring path = L"\\\\.\\pipe\\";
  path.append(name.begin(), name.end());
  return path;
}

std::optional<DWORD> FinishOverlapped(HANDLE pipe, OVERLAPPED& overlapped, BOOL started,
                                      HANDLE stop, DWORD timeoutMs) {
  if (!started && GetLastError() != ERROR_IO_PENDING) {
    return std::nullopt;
  }
  HANDLE waits[2] = {overlapped.hEvent, stop};
  const DWORD count = stop != nullptr ? 2 : 1;
  const DWORD woke = WaitForMultipleObjects(count, waits, FALSE, timeoutMs);
  DWORD moved = 0;
  if (woke != WAIT_OBJECT_0) {
    CancelIo(pipe);
    GetOverlappedResult(pipe, &overlapped, &moved, TRUE);
    return std::nullopt;
  }
  if (!GetOverlappedResult(pipe, &overlapped, &moved, FALSE)) {
    return std::nullopt;
  }
  return moved;
}

std::optional<std::string> ReadFrame(HANDLE pipe, HANDLE stop, DWORD timeoutMs) {
  const ULONGLONG deadline = DeadlineAfter(timeoutMs);
  std::string header(kFrameHeaderSize, '\0');
  if (!ReadExactly(pipe, header.data(), header.size(), stop, deadline)) {
    return std::nullopt;
  }
  const std::optional<std::size_t> length = FrameLength(header);
  if (!length) {
    return std::nullopt;
  }
  std::string payload(*length, '\0');
  if (!ReadExactly(pipe, payload.data(), payload.size(), stop, deadline)) {
    return std::nullopt;
  }
  return payload;
}

bool WriteFrame(HANDLE pipe, std::string_view payload, HANDLE stop, DWORD timeoutMs) {
  const std::string frame = EncodeFrame(payload);
  framework::KernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  OVERLAPPED overlapped{};
  overlapped.hEvent = event.get();
  const BOOL started =
      WriteFile(pipe, frame.data(), static_cast<DWORD>(frame.size()), nullptr, &overlapped);
  const std::optional<DWORD> moved = FinishOverlapped(pipe, overlapped, started, stop, timeoutMs);
  return moved && *moved == frame.size();
}

}  // namespace mouse::vmouse::win32
