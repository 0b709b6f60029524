// Case and white space in UTF-16 text, the way Windows compares names of
// keys, sections and programs.
#pragma once

#include <string_view>

namespace mouse {

// Lower case for the Latin, Greek and Cyrillic letters; other characters
// unchanged.
char16_t FoldCase(char16_t c);

bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b);

// Blanks, tabs, line breaks, the Unicode spaces and the end-of-file mark.
bool IsWhiteSpace(char16_t c);

std::u16string_view TrimWhiteSpace(std::u16string_view text);

}  // namespace mouse
