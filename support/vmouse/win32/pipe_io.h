// Frames over a named pipe opened for overlapped I/O, on either end. Every
// wait can be cut short by a stop event (or null for none) and a time
// limit, so no thread ever hangs on a pipe.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "framework/handles.h"

namespace mouse::vmouse::win32 {

// \\.\pipe\<name>
std::wstring PipePath(std::u16string_view name);

// One whole frame's payload; nothing when the other end went away, the
// frame is too large, `stop` was signalled or `timeoutMs` passed.
std::optional<std::string> ReadFrame(HANDLE pipe, HANDLE stop, DWORD timeoutMs = INFINITE);
bool WriteFrame(HANDLE pipe, std::string_view payload, HANDLE stop, DWORD timeoutMs = 5000);

// An overlapped operation on `pipe` that was started and may be pending:
// waits for it (or `stop`, or the time limit) and gives the bytes moved;
// nothing on failure, after cancelling what is still pending.
std::optional<DWORD> FinishOverlapped(HANDLE pipe, OVERLAPPED& overlapped, BOOL started,
                                      HANDLE stop, DWORD timeoutMs);

}  // namespace mouse::vmouse::win32
