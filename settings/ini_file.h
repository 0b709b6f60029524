// Initialisation files on disk: one read and one write per file.
//
// Reading accepts UTF-16 (either byte order) and UTF-8 with a byte-order
// mark, and reads a file without one in the ANSI code page, as Windows does.
// Writing always produces UTF-16LE with a byte-order mark, so no character
// of a name or path is lost, and goes through a temporary file that replaces
// the old one: a crash or a full disk never leaves a half-written file.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "settings/ini_document.h"
#include "settings/text_encoding.h"

namespace mouse {

// The decoded text of a file; nothing when it cannot be read.
std::optional<std::u16string> ReadTextFile(const std::filesystem::path& path,
                                           const AnsiCodePage& ansi);

// Writes text as UTF-16LE with a byte-order mark through a temporary file in
// the same folder. On failure the old file stays as it was.
bool WriteTextFileAtomically(const std::filesystem::path& path, std::u16string_view text);

// A missing or unreadable file gives an empty document.
IniDocument LoadIniFile(const std::filesystem::path& path, const AnsiCodePage& ansi);
bool SaveIniFile(const std::filesystem::path& path, const IniDocument& doc);

// Reads the file just before replacing it and changes only what `edit`
// changes, so keys another program wrote a moment earlier survive. A file
// whose text would not change is not written at all.
bool UpdateIniFile(const std::filesystem::path& path, const AnsiCodePage& ansi,
                   const std::function<void(IniDocument&)>& edit);

}  // namespace mouse
