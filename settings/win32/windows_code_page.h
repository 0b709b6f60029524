#pragma once

#include "settings/text_encoding.h"

namespace mouse::win32 {

// The system's ANSI code page (CP_ACP).
class WindowsCodePage final : public AnsiCodePage {
 public:
  std::u16string Decode(std::string_view bytes) const override;
  std::string Encode(std::u16string_view text) const override;
};

}  // namespace mouse::win32
