#include "settings/win32/registry_pointer_store.h"

#include <windows.h>

#include <string>

#include "settings/win32/wide.h"

namespace mouse::win32 {

namespace {

class RegistryPointerKey final : public PointerKey {
 public:
  explicit RegistryPointerKey(HKEY key) : key_(key) {}
  ~RegistryPointerKey() override { RegCloseKey(key_); }
  RegistryPointerKey(const RegistryPointerKey&) = delete;
  RegistryPointerKey& operator=(const RegistryPointerKey&) = delete;

  std::optional<std::u16string> Read(std::u16string_view name) override {
    return ReadRegistryText(key_, name);
  }
  void Write(std::u16string_view name, std::u16string_view value) override {
    WriteRegistryText(key_, name, value);
  }

 private:
  HKEY key_;
};

const wchar_t* KeyPath(PointerKeyId key) {
  return key == PointerKeyId::Mouse ? L"Control Panel\\Mouse" : L"Control Panel\\Desktop";
}

}  // namespace

std::unique_ptr<PointerKey> RegistryPointerStore::Open(PointerKeyId key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(key), 0, KEY_ALL_ACCESS, &handle) != ERROR_SUCCESS &&
      RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(key), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &handle, nullptr) != ERROR_SUCCESS) {
    return nullptr;
  }
  return std::make_unique<RegistryPointerKey>(handle);
}

std::optional<std::u16string> ReadRegistryText(HKEY key, std::u16string_view name) {
  const std::wstring valueName(Wide(name));
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return std::nullopt;
  }
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                       &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  text.resize(wcsnlen(text.c_str(), text.size()));
  return std::u16string(Utf16(text));
}

bool WriteRegistryText(HKEY key, std::u16string_view name, std::u16string_view value) {
  const std::wstring valueName(Wide(name));
  const std::wstring text(Wide(value));
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key, valueName.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
}

}  // namespace mouse::win32
