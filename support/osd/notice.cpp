#include "support/osd/notice.h"

#include <string>

#include "settings/coordination.h"
#include "settings/fixed_text.h"
#include "settings/ini_file.h"
#include "settings/ini_values.h"
#include "settings/profile_file.h"
#include "settings/settings_block.h"

namespace mouse::osd {

namespace {

// The name the profile file gives, or empty when the file has none or
// still carries the name every new profile gets.
std::u16string OwnProfileName(int index, const std::filesystem::path& programFolder,
                              const AnsiCodePage& ansi) {
  const auto path = programFolder / "config" / ("Default" + std::to_string(index) + ".gmp");
  const auto text = ReadTextFile(path, ansi);
  if (!text) {
    return {};
  }
  const std::u16string name = IniDocument::Parse(*text).GetString(kProfileSection, u"ProFileName");
  ProfileRecord fresh{};
  ResetProfileDefaults(fresh, index);
  return name == FixedText(fresh.ProFileName) ? std::u16string() : name;
}

std::optional<Notice> ProfileNotice(std::uint64_t lParam, const std::filesystem::path& folder,
                                    const AnsiCodePage& ansi) {
  if ((lParam & 0xFFFF) != 0 || (lParam >> 16) >= static_cast<std::uint64_t>(kProfileCount)) {
    return std::nullopt;
  }
  const int index = static_cast<int>(lParam >> 16);
  const std::u16string label = u"Profile " + FormatInt(index + 1);
  std::u16string name = OwnProfileName(index, folder, ansi);
  if (name.empty()) {
    return Notice{u"", label};
  }
  return Notice{label, std::move(name)};
}

std::optional<Notice> MacroNotice(const IniDocument& config) {
  std::u16string name = config.GetString(u"MacroOSD", u"MacroName");
  if (name.empty()) {
    return std::nullopt;
  }
  const int button = config.GetInt(u"MacroOSD", u"Number", -1);
  std::u16string heading = u"Macro";
  if (button >= 0 && button < kButtonCount) {
    heading += u" \u00B7 Button " + FormatInt(button + 1);
  }
  return Notice{std::move(heading), std::move(name)};
}

std::optional<Notice> MessageNotice(const IniDocument& config) {
  std::u16string text = config.GetString(u"OSDData", u"Message");
  if (text.empty()) {
    return std::nullopt;
  }
  return Notice{u"", std::move(text)};
}

}  // namespace

std::u16string Notice::Text() const { return heading.empty() ? body : heading + u"\n" + body; }

std::optional<Notice> NoticeForMessage(std::uint64_t wParam, std::uint64_t lParam,
                                       const std::filesystem::path& programFolder,
                                       const AnsiCodePage& ansi) {
  switch (wParam) {
    case kOsdShowProfile:
      return ProfileNotice(lParam, programFolder, ansi);
    case kOsdShowMacro:
      return lParam == 0 ? MacroNotice(LoadIniFile(programFolder / "config.ini", ansi))
                         : std::nullopt;
    case kOsdShowText:
      return lParam == 0 ? MessageNotice(LoadIniFile(programFolder / "config.ini", ansi))
                         : std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace mouse::osd
