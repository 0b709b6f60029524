// Reports written as hexadecimal text in the tests.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace mouse::vmouse::testing {

// "06 25 00 ..." as bytes; spaces are ignored.
inline std::vector<std::uint8_t> Hex(std::string_view text) {
  auto digit = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
  std::vector<std::uint8_t> bytes;
  int high = -1;
  for (char c : text) {
    if (c == ' ') {
      continue;
    }
    if (high < 0) {
      high = digit(c);
    } else {
      bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit(c)));
      high = -1;
    }
  }
  return bytes;
}

// A report of `length` bytes: id, length byte, then `rest` from byte 2 on.
inline std::vector<std::uint8_t> Framed(std::uint8_t id, std::size_t length,
                                        std::vector<std::uint8_t> rest = {}) {
  std::vector<std::uint8_t> report(length, 0);
  report[0] = id;
  if (length > 1) {
    report[1] = static_cast<std::uint8_t>(length);
  }
  for (std::size_t i = 0; i < rest.size() && i + 2 < length; ++i) {
    report[i + 2] = rest[i];
  }
  return report;
}

}  // namespace mouse::vmouse::testing
