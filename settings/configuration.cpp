#include "settings/configuration.h"

#include <string>
#include <system_error>

#include "settings/ini_file.h"
#include "settings/profile_file.h"

namespace mouse {

namespace {

std::filesystem::path ConfigFolderFile(const std::filesystem::path& programFolder, int index,
                                       const char* extension) {
  return programFolder / "config" / ("Default" + std::to_string(index) + extension);
}

}  // namespace

std::filesystem::path ConfigurationFiles::ConfigIni() const { return programFolder / "config.ini"; }

std::filesystem::path ConfigurationFiles::ProfileFile(int index) const {
  return ConfigFolderFile(programFolder, index, ".gmp");
}

std::filesystem::path ConfigurationFiles::ExportCopy(int index) const {
  return ConfigFolderFile(programFolder, index, ".gkp");
}

int LoadConfiguration(SettingsBlock& block, const ConfigurationFiles& files) {
  const IniDocument config = LoadIniFile(files.ConfigIni(), files.ansi);
  block.CurrentProfile = config.GetInt(kSettingSection, kCurrentProfileKey, -1);
  block.MouseType = config.GetInt(kSettingSection, kMouseTypeKey, -1);
  block.MouseColor = config.GetInt(kSettingSection, kMouseColorKey, -1);

  for (int i = 0; i < kProfileCount; ++i) {
    const auto text = ReadTextFile(files.ProfileFile(i), files.ansi);
    if (text) {
      ReadProfile(block.Profiles[i], IniDocument::Parse(*text));
    } else {
      ResetProfileDefaults(block.Profiles[i], i);
    }
  }

  if (IsProfileIndex(block.CurrentProfile)) {
    ReadPointerSettings(files.pointers, block.Profiles[block.CurrentProfile]);
  } else {
    block.CurrentProfile = 0;
  }
  return 1;
}

void SaveConfiguration(const SettingsBlock& block, const ConfigurationFiles& files) {
  if (IsProfileIndex(block.CurrentProfile)) {
    WritePointerSettings(files.pointers, block.Profiles[block.CurrentProfile]);
  }
  UpdateIniFile(files.ConfigIni(), files.ansi, [&block](IniDocument& doc) {
    doc.SetInt(kSettingSection, kCurrentProfileKey, block.CurrentProfile);
    doc.SetInt(kSettingSection, kMouseTypeKey, block.MouseType);
    doc.SetInt(kSettingSection, kMouseColorKey, block.MouseColor);
  });
  // A missing configuration folder would silently lose every profile.
  std::error_code ignored;
  std::filesystem::create_directories(files.ProfileFile(0).parent_path(), ignored);
  for (int i = 0; i < kProfileCount; ++i) {
    WriteProfileFile(block.Profiles[i], files.ProfileFile(i), files.ansi);
  }
}

void WriteConfigInt(const ConfigurationFiles& files, std::u16string_view section,
                    std::u16string_view key, std::int32_t value) {
  UpdateIniFile(files.ConfigIni(), files.ansi,
                [&](IniDocument& doc) { doc.SetInt(section, key, value); });
}

}  // namespace mouse
