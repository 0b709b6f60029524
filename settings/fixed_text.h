// Text in the fixed UTF-16 arrays of the settings block.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace mouse {

// Length of text that fits in `capacity` code units with room for the NUL,
// never ending between the two halves of a surrogate pair.
std::size_t FittingLength(std::u16string_view text, std::size_t capacity);

// Copies text into a fixed array, cut to fit, always NUL-terminated; the
// rest of the array is zeroed so the stored bytes do not depend on history.
template <std::size_t N>
void SetFixedText(char16_t (&field)[N], std::u16string_view text) {
  const std::size_t length = FittingLength(text, N);
  std::copy_n(text.data(), length, field);
  std::fill(field + length, field + N, u'\0');
}

// The text of a fixed array up to its NUL (or the whole array when it has
// none).
template <std::size_t N>
std::u16string_view FixedText(const char16_t (&field)[N]) {
  const char16_t* end = std::find(field, field + N, u'\0');
  return std::u16string_view(field, static_cast<std::size_t>(end - field));
}

}  // namespace mouse
