// The per-user pointer values in the registry: REG_SZ values under
// HKEY_CURRENT_USER\Control Panel\Mouse and ...\Desktop.
#pragma once

#include <windows.h>

#include "settings/pointer_settings.h"

namespace mouse::win32 {

class RegistryPointerStore final : public PointerStore {
 public:
  std::unique_ptr<PointerKey> Open(PointerKeyId key) override;
};

// Reads a REG_SZ value of an open key; nothing when it is missing or not text.
std::optional<std::u16string> ReadRegistryText(HKEY key, std::u16string_view name);
// Writes a REG_SZ value; false on failure.
bool WriteRegistryText(HKEY key, std::u16string_view name, std::u16string_view value);

}  // namespace mouse::win32
