#include "settings/ini_file.h"

#include <mutex>

#include "settings/atomic_file.h"

namespace mouse {

namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::u16string FromUtf16BeBytes(std::string_view bytes) {
  std::string swapped(bytes);
  for (std::size_t i = 0; i + 1 < swapped.size(); i += 2) {
    std::swap(swapped[i], swapped[i + 1]);
  }
  return FromUtf16LeBytes(swapped);
}

std::u16string DecodeText(std::string_view bytes, const AnsiCodePage& ansi) {
  if (bytes.starts_with(kUtf16LeMark)) {
    return FromUtf16LeBytes(bytes.substr(2));
  }
  if (bytes.starts_with(kUtf16BeMark)) {
    return FromUtf16BeBytes(bytes.substr(2));
  }
  if (bytes.starts_with(kUtf8Mark)) {
    return FromUtf8(bytes.substr(3));
  }
  return ansi.Decode(bytes);
}

}  // namespace

std::optional<std::u16string> ReadTextFile(const std::filesystem::path& path,
                                           const AnsiCodePage& ansi) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) {
    return std::nullopt;
  }
  return DecodeText(*bytes, ansi);
}

bool WriteTextFileAtomically(const std::filesystem::path& path, std::u16string_view text) {
  return WriteFileAtomically(path, std::string(kUtf16LeMark) + ToUtf16LeBytes(text));
}

IniDocument LoadIniFile(const std::filesystem::path& path, const AnsiCodePage& ansi) {
  const auto text = ReadTextFile(path, ansi);
  return text ? IniDocument::Parse(*text) : IniDocument();
}

bool SaveIniFile(const std::filesystem::path& path, const IniDocument& doc) {
  return WriteTextFileAtomically(path, doc.Serialize());
}

bool UpdateIniFile(const std::filesystem::path& path, const AnsiCodePage& ansi,
                   const std::function<void(IniDocument&)>& edit) {
  // Two threads of one program (Helper's window and its device worker) must
  // not read the same file, each change it, and the later replace the
  // earlier's change.
  static std::mutex updating;
  std::lock_guard lock(updating);
  const auto bytes = ReadFileBytes(path);
  const std::u16string original = bytes ? DecodeText(*bytes, ansi) : std::u16string();
  IniDocument doc = IniDocument::Parse(original);
  edit(doc);
  const std::u16string text = doc.Serialize();
  // A file that already holds exactly this text in our encoding is left
  // untouched: most saves change one profile, not six files.
  if (bytes && bytes->starts_with(kUtf16LeMark) && text == original) {
    return true;
  }
  return WriteTextFileAtomically(path, text);
}

}  // namespace mouse
