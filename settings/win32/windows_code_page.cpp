#include "settings/win32/windows_code_page.h"

#include <windows.h>

#include "settings/win32/wide.h"

namespace mouse::win32 {

std::u16string WindowsCodePage::Decode(std::string_view bytes) const {
  if (bytes.empty()) {
    return {};
  }
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) {
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), length);
  }
  return std::u16string(Utf16(text));
}

std::string WindowsCodePage::Encode(std::u16string_view text) const {
  if (text.empty()) {
    return {};
  }
  const std::wstring_view wide = Wide(text);
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, wide.data(), size, nullptr, 0,
                                         nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  if (length > 0) {
    WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, wide.data(), size, bytes.data(), length, nullptr,
                        nullptr);
  }
  return bytes;
}

}  // namespace mouse::win32
