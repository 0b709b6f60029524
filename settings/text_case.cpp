#include "settings/text_case.h"

#include <algorithm>

namespace mouse {

char16_t FoldCase(char16_t c) {
  const bool upperAscii = c >= u'A' && c <= u'Z';
  const bool upperLatin1 = c >= 0xC0 && c <= 0xDE && c != 0xD7;
  const bool upperGreek = c >= 0x391 && c <= 0x3AB && c != 0x3A2;
  const bool upperCyrillic = c >= 0x410 && c <= 0x42F;
  if (upperAscii || upperLatin1 || upperGreek || upperCyrillic) {
    return static_cast<char16_t>(c + 32);
  }
  if (c >= 0x400 && c <= 0x40F) {
    return static_cast<char16_t>(c + 80);
  }
  // Latin Extended-A pairs its letters as upper (even) and lower (odd).
  if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 &&
      c != 0x17F) {
    const bool evenIsUpper = (c < 0x139) || (c > 0x148 && c < 0x179);
    const bool isUpper = evenIsUpper ? (c % 2 == 0) : (c % 2 == 1);
    return isUpper ? static_cast<char16_t>(c + 1) : c;
  }
  return c;
}

bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

bool IsWhiteSpace(char16_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == u' ' || c == 0x1A || c == 0x85 || c == 0xA0 ||
         c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
         c == 0x205F || c == 0x3000;
}

std::u16string_view TrimWhiteSpace(std::u16string_view text) {
  while (!text.empty() && IsWhiteSpace(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsWhiteSpace(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace mouse
