// A profile file: one ProfileRecord in section "Setting" of an
// initialisation file, one key per field.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/ini_document.h"
#include "settings/settings_block.h"
#include "settings/text_encoding.h"

namespace mouse {

// One key of a profile file and the ProfileRecord bytes behind it.
struct ProfileKey {
  enum class Kind {
    String,       // a char16_t array of `size` bytes
    Int32,        // "%d"
    Byte,         // one unsigned byte as "%d"; a missing key reads 255
    ButtonRecord  // one MacroKeyInfo as a byte record
  };
  std::u16string name;
  Kind kind;
  std::size_t offset;
  std::size_t size;
};

// Every key in the order a freshly written profile file holds them.
const std::vector<ProfileKey>& ProfileKeys();

// Fills every field from the document: a missing integer reads -1, a missing
// one-byte field 255, a missing string the empty string, and a missing or
// damaged button record that button's default record.
void ReadProfile(ProfileRecord& profile, const IniDocument& doc);

// Writes every key in the file's fixed order; other keys stay.
void WriteProfile(const ProfileRecord& profile, IniDocument& doc);

// The section that holds a profile.
inline constexpr std::u16string_view kProfileSection = u"Setting";

// The file forms; a file that cannot be read fills the profile as an empty
// one would. Write failures leave the old file whole and are otherwise
// ignored.
void ReadProfileFile(ProfileRecord& profile, const std::filesystem::path& path,
                     const AnsiCodePage& ansi);
void WriteProfileFile(const ProfileRecord& profile, const std::filesystem::path& path,
                      const AnsiCodePage& ansi);

}  // namespace mouse
