#include "support/hidgate/core/hidgate_settings.h"

#include "settings/text_case.h"
#include "support/vmouse/service/pipe_protocol.h"

namespace mouse::hidgate {

namespace {

int DigitValue(char16_t c, int base) {
  int value = 99;
  if (c >= u'0' && c <= u'9') {
    value = c - u'0';
  } else if (c >= u'a' && c <= u'f') {
    value = c - u'a' + 10;
  } else if (c >= u'A' && c <= u'F') {
    value = c - u'A' + 10;
  }
  return value < base ? value : -1;
}

}  // namespace

std::optional<std::uint32_t> ParseSettingNumber(std::u16string_view text, std::uint32_t max) {
  text = TrimWhiteSpace(text);
  int base = 10;
  if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty() || text.size() > 10) {
    return std::nullopt;
  }
  std::uint64_t value = 0;
  for (char16_t c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) {
      return std::nullopt;
    }
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
  }
  if (value > max) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

HidgateSettings ParseHidgateSettings(const IniDocument& ini) {
  HidgateSettings settings;
  settings.PipeName = vmouse::kDefaultPipeName;
  const std::u16string backend = ini.GetString(u"hidgate", u"Backend");
  if (EqualIgnoringCase(TrimWhiteSpace(backend), u"virtual")) {
    const std::u16string pipe = ini.GetString(u"virtual", u"Pipe");
    const std::u16string_view name = TrimWhiteSpace(pipe);
    if (!name.empty()) {
      if (!vmouse::IsPipeName(name)) {
        return settings;
      }
      settings.PipeName = name;
    }
    settings.Kind = Backend::kVirtual;
    return settings;
  }
  if (!EqualIgnoringCase(TrimWhiteSpace(backend), u"hid")) {
    return settings;
  }
  const auto vendor = ParseSettingNumber(ini.GetString(u"hid", u"VendorId"), 0xFFFF);
  const auto product = ParseSettingNumber(ini.GetString(u"hid", u"ProductId"), 0xFFFF);
  if (!vendor || !product) {
    return settings;
  }
  settings.VendorId = static_cast<std::uint16_t>(*vendor);
  settings.ProductId = static_cast<std::uint16_t>(*product);
  if (ini.Find(u"hid", u"UsagePage")) {
    const auto value = ParseSettingNumber(ini.GetString(u"hid", u"UsagePage"), 0xFFFF);
    if (!value) {
      return {};
    }
    settings.UsagePage = static_cast<std::uint16_t>(*value);
  }
  if (ini.Find(u"hid", u"NoticeReport")) {
    const auto id = ParseSettingNumber(ini.GetString(u"hid", u"NoticeReport"), 0xFF);
    if (!id || *id == 0) {
      return {};
    }
    settings.NoticeReportId = static_cast<std::uint8_t>(*id);
  }
  settings.Kind = Backend::kHid;
  return settings;
}

}  // namespace mouse::hidgate
