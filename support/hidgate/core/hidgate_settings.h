// The settings of hidgate.dll, read from hidgate.ini beside it:
//
//   [hidgate]
//   Backend=virtual        virtual | hid; anything else: no mouse
//   [virtual]
//   Pipe=VirtualMouse      the virtual mouse's pipe name (default VirtualMouse)
//   [hid]
//   VendorId=0x1A2B        the mouse's USB vendor and product id (hexadecimal
//   ProductId=0x3C4D       with 0x, or decimal); both are required
//   UsagePage=0xFF00       optional: only the interface with this usage page
//   NoticeReport=0x0C      the id of the input report that carries notices
//
// A missing or unreadable file, an unknown backend, a pipe name that is not
// one plain name, or a hid backend without a valid vendor and product id (or
// with an invalid optional value) all mean: there is no mouse.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/ini_document.h"

namespace mouse::hidgate {

enum class Backend { kAbsent, kVirtual, kHid };

inline constexpr std::uint8_t kDefaultNoticeReportId = 0x0C;

struct HidgateSettings {
  Backend Kind = Backend::kAbsent;
  std::u16string PipeName;
  std::uint16_t VendorId = 0;
  std::uint16_t ProductId = 0;
  std::optional<std::uint16_t> UsagePage;
  std::uint8_t NoticeReportId = kDefaultNoticeReportId;
};

HidgateSettings ParseHidgateSettings(const IniDocument& ini);

// A number as the settings write it: "0x" and hexadecimal digits, or
// decimal digits; nothing when it is not one or exceeds `max`.
std::optional<std::uint32_t> ParseSettingNumber(std::u16string_view text, std::uint32_t max);

}  // namespace mouse::hidgate
