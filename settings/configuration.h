// The configuration on disk: config.ini and the five profile files in the
// program folder, plus the live Windows pointer values of the current
// profile.
#pragma once

#include <filesystem>

#include "settings/pointer_settings.h"
#include "settings/settings_block.h"
#include "settings/text_encoding.h"

namespace mouse {

// Where the configuration lives and how to reach what is outside the files.
struct ConfigurationFiles {
  std::filesystem::path programFolder;
  const AnsiCodePage& ansi;
  PointerStore& pointers;

  std::filesystem::path ConfigIni() const;
  // config\Default<index>.gmp
  std::filesystem::path ProfileFile(int index) const;
  // config\Default<index>.gkp, the copy written by an export.
  std::filesystem::path ExportCopy(int index) const;
};

// Section and keys of config.ini.
inline constexpr std::u16string_view kSettingSection = u"Setting";
inline constexpr std::u16string_view kCurrentProfileKey = u"CurrentProfile";
inline constexpr std::u16string_view kMouseTypeKey = u"MouseType";
inline constexpr std::u16string_view kMouseColorKey = u"MouseColor";

// Loads config.ini and the five profiles; a missing profile file gives that
// profile its defaults, and the current profile takes the live pointer
// values. A CurrentProfile missing or outside 0..4 becomes 0, so every user
// of the block has a valid index. The change-tracking area is untouched.
// Returns 1.
int LoadConfiguration(SettingsBlock& block, const ConfigurationFiles& files);

// Writes the current profile's pointer values, config.ini's keys and the
// five profile files. Failures are silent and never leave a damaged file.
void SaveConfiguration(const SettingsBlock& block, const ConfigurationFiles& files);

// Sets one integer key of config.ini, section "Setting" (or another), and
// keeps every other key.
void WriteConfigInt(const ConfigurationFiles& files, std::u16string_view section,
                    std::u16string_view key, std::int32_t value);

}  // namespace mouse
