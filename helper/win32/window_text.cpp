#include "helper/win32/window_text.h"

namespace mouse::win32 {

std::wstring ClassNameOf(HWND window) {
  if (window == nullptr) {
    return {};
  }
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

bool LiesOnDesktop(HWND window) {
  for (HWND ancestor = GetParent(window); ancestor != nullptr; ancestor = GetParent(ancestor)) {
    if (ClassNameOf(ancestor) == L"Progman") {
      return true;
    }
  }
  return false;
}

}  // namespace mouse::win32
