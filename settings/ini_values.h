// The value kinds of the initialisation files: integers as "%d" text, byte
// records as hexadecimal with a one-byte sum, and strings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mouse {

// "%d".
std::u16string FormatInt(std::int32_t value);

// Reads text as Windows reads a number: leading blanks and control
// characters skipped, an optional sign, then decimal digits up to the first
// other character (32-bit wrap-around, as Windows does); no digits gives 0.
std::int32_t ParseLeadingInt(std::u16string_view text);

// N bytes as 2N upper-case hexadecimal digits in memory order, then two more
// digits holding the sum of the bytes modulo 256.
std::u16string FormatByteRecord(const void* data, std::size_t size);

// The bytes of a record of exactly `size` bytes; nothing when the length is
// not 2*size + 2, a digit is not hexadecimal (either case), or the sum does
// not match.
std::optional<std::vector<std::uint8_t>> ParseByteRecord(std::u16string_view text,
                                                         std::size_t size);

// The text stored for a string value, so that reading it back yields the
// string unchanged: line breaks (which the format cannot hold) become
// spaces, and a value that starts or ends with white space or is wrapped in
// matching quotes gets an extra pair of double quotes, which the reader (and
// Windows' own reader) removes.
std::u16string QuoteStringValue(std::u16string_view value);

// The string a stored value stands for: one pair of matching outer quotes
// (' or ") removed, as Windows' reader does.
std::u16string_view UnquoteStringValue(std::u16string_view stored);

}  // namespace mouse
