// Conversions between the UTF-16 text of the system and byte encodings:
// UTF-8, UTF-16LE and the Windows ANSI code page (behind AnsiCodePage, so
// the core stays portable: Windows supplies the system code page, the
// native build code page 1252).
#pragma once

#include <string>
#include <string_view>

namespace mouse {

std::string ToUtf8(std::u16string_view text);
// Invalid sequences become U+FFFD.
std::u16string FromUtf8(std::string_view bytes);

std::string ToUtf16LeBytes(std::u16string_view text);
// A trailing odd byte is ignored.
std::u16string FromUtf16LeBytes(std::string_view bytes);

class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  virtual std::u16string Decode(std::string_view bytes) const = 0;
  // Characters the code page lacks become '?'.
  virtual std::string Encode(std::u16string_view text) const = 0;
};

// Windows code page 1252 (Western European).
class CodePage1252 final : public AnsiCodePage {
 public:
  std::u16string Decode(std::string_view bytes) const override;
  std::string Encode(std::u16string_view text) const override;
};

// Encodes at most `maxBytes` bytes of text without splitting a character
// (a double-byte character or a surrogate pair is taken whole or not at all).
std::string EncodeAnsiPrefix(const AnsiCodePage& codePage, std::u16string_view text,
                             std::size_t maxBytes);

}  // namespace mouse
