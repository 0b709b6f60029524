#include "support/hidgate/core/hid_matching.h"

#include <algorithm>

#include "support/hidgate/core/hidgate_settings.h"

namespace mouse::hidgate {

namespace {

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

// The four hexadecimal digits after `tag` ("vid_" or "pid_").
std::optional<std::uint16_t> TaggedId(std::u16string_view path, std::u16string_view tag) {
  for (std::size_t at = 0; at + tag.size() + 4 <= path.size(); ++at) {
    bool found = true;
    for (std::size_t i = 0; i < tag.size() && found; ++i) {
      found = Lower(path[at + i]) == tag[i];
    }
    if (!found) {
      continue;
    }
    const auto value = ParseSettingNumber(
        std::u16string(u"0x") + std::u16string(path.substr(at + tag.size(), 4)), 0xFFFF);
    if (value) {
      return static_cast<std::uint16_t>(*value);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<VidPid> VidPidFromInterfacePath(std::u16string_view path) {
  const auto vendor = TaggedId(path, u"vid_");
  const auto product = TaggedId(path, u"pid_");
  if (!vendor || !product) {
    return std::nullopt;
  }
  return VidPid{*vendor, *product};
}

bool IsMouseInterface(const HidgateSettings& settings, const HidInterfaceInfo& info) {
  return info.VendorId == settings.VendorId && info.ProductId == settings.ProductId &&
         (!settings.UsagePage || *settings.UsagePage == info.UsagePage) &&
         info.FeatureReportLength > 1;
}

std::optional<std::vector<std::uint8_t>> PaddedFeatureBuffer(const std::uint8_t* report,
                                                             std::size_t length,
                                                             std::size_t interfaceLength) {
  if (report == nullptr || length == 0 || length > interfaceLength) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> buffer(interfaceLength, 0);
  std::copy_n(report, length, buffer.begin());
  return buffer;
}

std::optional<HidNotice> DecodeNoticeReport(const std::uint8_t* report, std::size_t length,
                                            std::uint8_t noticeReportId) {
  if (report == nullptr || length < 5 || report[0] != noticeReportId) {
    return std::nullopt;
  }
  const HidNotice notice{static_cast<std::uint16_t>(report[1] | (report[2] << 8)),
                         static_cast<std::uint16_t>(report[3] | (report[4] << 8))};
  if (notice.Type == 0) {
    return std::nullopt;
  }
  return notice;
}

}  // namespace mouse::hidgate
