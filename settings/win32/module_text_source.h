#pragma once

#include <windows.h>

#include "settings/button_codes.h"

namespace mouse::win32 {

// Text N from the string table of a loaded module (the language module).
// The module stays owned by the caller and must outlive this object.
class ModuleTextSource final : public TextSource {
 public:
  explicit ModuleTextSource(HMODULE module) : module_(module) {}
  std::u16string Text(int id) const override;

 private:
  HMODULE module_;
};

}  // namespace mouse::win32
