// Decoding the mouse's notices and deciding what they change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "helper/notice_effects.h"
#include "settings/settings_block.h"

namespace mouse {

// Which changes the on-screen display shows (from the display settings).
struct DisplayFlags {
  bool profile = false;
  bool macro = false;
  bool cpi = false;
};

// The 32-bit notice built from the notice message: type in the high half,
// value (the low 16 bits of lParam) in the low half.
constexpr std::uint32_t MakeDeviceNotice(std::uintptr_t wParam, std::intptr_t lParam) {
  return (static_cast<std::uint32_t>(wParam & 0xFFFF) << 16) |
         static_cast<std::uint32_t>(static_cast<std::uintptr_t>(lParam) & 0xFFFF);
}

// The arrival message as a notice: value 1 attached, 2 detached, 0 other.
std::uint32_t ArrivalNotice(std::uintptr_t wParam);

// Applies a notice to Helper's block and lists what must follow. Values
// outside their ranges change nothing and give no effects.
effect::Effects HandleNotice(SettingsBlock& block, std::uint32_t notice, const DisplayFlags& flags);

// The text another program sends for the display (WM_COPYDATA): exactly
// 302 bytes of UTF-16, the first character skipped, at most 150 characters
// up to the first NUL. Anything else does nothing.
effect::Effects HandleDisplayText(const void* data, std::size_t size, bool connected);

// "CPI: 400" .. "CPI: 2000" for levels 1..5.
std::u16string CpiText(int level);

}  // namespace mouse
