// The system's UTF-16 text (char16_t) as Windows' wide characters.
#pragma once

#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16");

namespace mouse::win32 {

inline std::wstring_view Wide(std::u16string_view text) {
  return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

inline std::u16string_view Utf16(std::wstring_view text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

inline const wchar_t* WidePtr(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}

}  // namespace mouse::win32
