#include "settings/ini_values.h"

#include <algorithm>

#include "settings/text_case.h"

namespace mouse {

namespace {

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

bool IsQuote(char16_t c) { return c == u'"' || c == u'\''; }

}  // namespace

std::u16string FormatInt(std::int32_t value) {
  std::u16string digits;
  // Work in 64 bits so that INT32_MIN has a positive magnitude.
  std::int64_t magnitude = value < 0 ? -static_cast<std::int64_t>(value) : value;
  do {
    digits.push_back(static_cast<char16_t>(u'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) {
    digits.push_back(u'-');
  }
  std::reverse(digits.begin(), digits.end());
  return digits;
}

std::int32_t ParseLeadingInt(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] <= u' ') {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }
  std::uint32_t total = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    total = total * 10u + static_cast<std::uint32_t>(text[i] - u'0');
  }
  if (negative) {
    total = 0u - total;
  }
  return static_cast<std::int32_t>(total);
}

std::u16string FormatByteRecord(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  std::u16string text(size * 2 + 2, u'0');
  unsigned sum = 0;
  for (std::size_t i = 0; i < size; ++i) {
    text[2 * i] = kHexDigits[bytes[i] >> 4];
    text[2 * i + 1] = kHexDigits[bytes[i] & 0xF];
    sum += bytes[i];
  }
  text[2 * size] = kHexDigits[(sum >> 4) & 0xF];
  text[2 * size + 1] = kHexDigits[sum & 0xF];
  return text;
}

std::optional<std::vector<std::uint8_t>> ParseByteRecord(std::u16string_view text,
                                                         std::size_t size) {
  if (text.size() != size * 2 + 2) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(size + 1);
  for (std::size_t i = 0; i <= size; ++i) {
    const int high = HexValue(text[2 * i]);
    const int low = HexValue(text[2 * i + 1]);
    if (high < 0 || low < 0) {
      return std::nullopt;
    }
    bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
  }
  unsigned sum = 0;
  for (std::size_t i = 0; i < size; ++i) {
    sum += bytes[i];
  }
  if ((sum & 0xFF) != bytes[size]) {
    return std::nullopt;
  }
  bytes.pop_back();
  return bytes;
}

std::u16string QuoteStringValue(std::u16string_view value) {
  std::u16string text(value);
  std::replace_if(
      text.begin(), text.end(), [](char16_t c) { return c == u'\r' || c == u'\n'; }, u' ');
  const bool edgeSpace = !text.empty() && (IsWhiteSpace(text.front()) || IsWhiteSpace(text.back()));
  const bool looksQuoted = text.size() >= 2 && IsQuote(text.front()) && text.back() == text.front();
  if (edgeSpace || looksQuoted) {
    return u'"' + text + u'"';
  }
  return text;
}

std::u16string_view UnquoteStringValue(std::u16string_view stored) {
  if (stored.size() >= 2 && IsQuote(stored.front()) && stored.back() == stored.front()) {
    return stored.substr(1, stored.size() - 2);
  }
  return stored;
}

}  // namespace mouse
