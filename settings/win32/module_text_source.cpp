#include "settings/win32/module_text_source.h"

#include "settings/win32/wide.h"

namespace mouse::win32 {

std::u16string ModuleTextSource::Text(int id) const {
  if (module_ == nullptr || id < 0 || id > 0xFFFF) {
    return {};
  }
  // With a zero buffer size LoadStringW hands out a pointer to the text in
  // the resource itself, which is not NUL-terminated.
  const wchar_t* text = nullptr;
  const int length =
      LoadStringW(module_, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || text == nullptr) {
    return {};
  }
  return std::u16string(Utf16(std::wstring_view(text, static_cast<std::size_t>(length))));
}

}  // namespace mouse::win32
