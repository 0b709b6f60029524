#include "framework/text.h"

#include <cwchar>
#include <vector>

namespace framework {

std::wstring FormatTextV(const wchar_t* format, va_list arguments) {
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list copy;
    va_copy(copy, arguments);
    const int written = std::vswprintf(buffer.data(), buffer.size(), format, copy);
    va_end(copy);
    if (written >= 0 && static_cast<std::size_t>(written) < buffer.size()) {
      return std::wstring(buffer.data(), static_cast<std::size_t>(written));
    }
    if (buffer.size() >= (1u << 20)) {
      return {};  // a format error, or far beyond any text we write
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring FormatText(const wchar_t* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::wstring text = FormatTextV(format, arguments);
  va_end(arguments);
  return text;
}

void DebugPrint(const wchar_t* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  const std::wstring text = FormatTextV(format, arguments);
  va_end(arguments);
  OutputDebugStringW(text.c_str());
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) {
    return {};
  }
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

HWND FindWindowByTitle(const wchar_t* title) { return FindWindowW(nullptr, title); }

bool PostToWindowByTitle(const wchar_t* title, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = FindWindowByTitle(title);
  return window != nullptr && PostMessageW(window, message, wParam, lParam);
}

}  // namespace framework
