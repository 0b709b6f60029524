#include "settings/fixed_text.h"

namespace mouse {

std::size_t FittingLength(std::u16string_view text, std::size_t capacity) {
  if (text.size() < capacity) {
    return text.size();
  }
  if (capacity <= 1) {
    return 0;
  }
  std::size_t length = capacity - 1;
  const char16_t last = text[length - 1];
  if (last >= 0xD800 && last <= 0xDBFF) {
    --length;
  }
  return length;
}

}  // namespace mouse
