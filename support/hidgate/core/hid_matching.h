// The portable half of the hid backend: which HID interface is the mouse,
// how its feature reports are framed for the HID stack, and how its input
// reports carry notices.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "support/hidgate/core/hidgate_settings.h"

namespace mouse::hidgate {

struct VidPid {
  std::uint16_t VendorId;
  std::uint16_t ProductId;
  bool operator==(const VidPid&) const = default;
};

// The vendor and product id in a device interface path
// ("\\?\hid#vid_1a2b&pid_3c4d&mi_01#..."), found without regard to case;
// nothing when the path does not carry both.
std::optional<VidPid> VidPidFromInterfacePath(std::u16string_view path);

// What the HID stack tells about one interface.
struct HidInterfaceInfo {
  std::uint16_t VendorId;
  std::uint16_t ProductId;
  std::uint16_t UsagePage;
  std::size_t FeatureReportLength;  // the longest feature report, id included
  std::size_t InputReportLength;
};

// The mouse's feature interface: the ids match, the usage page matches when
// the settings name one, and the interface has feature reports.
bool IsMouseInterface(const HidgateSettings& settings, const HidInterfaceInfo& info);

// The HID stack moves feature reports in buffers of the interface's longest
// feature report: a shorter report is sent zero-padded and read into such a
// buffer. Nothing when the report is empty or longer than the interface's.
std::optional<std::vector<std::uint8_t>> PaddedFeatureBuffer(const std::uint8_t* report,
                                                             std::size_t length,
                                                             std::size_t interfaceLength);

// A notice as the mouse sends it in an input report: byte 0 = the notice
// report id, bytes 1..2 = the type, bytes 3..4 = the value (little-endian);
// the rest of the report is not used. Nothing for other reports, short
// reports and type 0.
struct HidNotice {
  std::uint16_t Type;
  std::uint16_t Value;
  bool operator==(const HidNotice&) const = default;
};
std::optional<HidNotice> DecodeNoticeReport(const std::uint8_t* report, std::size_t length,
                                            std::uint8_t noticeReportId);

}  // namespace mouse::hidgate
