// Small text and window helpers every program needs.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <string>

namespace framework {

// printf-style formatting into a wide string, of any length. Wide string
// arguments are "%ls" (plain "%s" means a narrow string on some runtimes).
std::wstring FormatText(const wchar_t* format, ...);
std::wstring FormatTextV(const wchar_t* format, va_list arguments);

// FormatText, written to the debugger output (OutputDebugStringW).
void DebugPrint(const wchar_t* format, ...);

// The text of a window (also of another process's window) as UTF-16.
std::wstring WindowText(HWND window);

// The top-level window with exactly this title, of any class; null if none.
HWND FindWindowByTitle(const wchar_t* title);
// Posts a message to the window with this title; false when there is none
// or posting failed.
bool PostToWindowByTitle(const wchar_t* title, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

}  // namespace framework
