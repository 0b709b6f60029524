// Small queries on windows that the host actions need.
#pragma once

#include <windows.h>

#include <string>

namespace mouse::win32 {

// The class name of a window; empty for no window.
std::wstring ClassNameOf(HWND window);

// Whether a window of class "Progman" (the desktop's program manager) is
// among the window's ancestors.
bool LiesOnDesktop(HWND window);

}  // namespace mouse::win32
