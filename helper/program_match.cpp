#include "helper/program_match.h"

#include "settings/fixed_text.h"
#include "settings/text_case.h"

namespace mouse {

std::u16string ExecutableName(std::u16string_view path) {
  const std::u16string_view trimmed = TrimWhiteSpace(path);
  const std::size_t separator = trimmed.find_last_of(u"\\/:");
  return std::u16string(separator == std::u16string_view::npos ? trimmed
                                                               : trimmed.substr(separator + 1));
}

std::optional<int> ProfileForProgram(const SettingsBlock& block, std::u16string_view executable) {
  for (int i = 0; i < kProfileCount; ++i) {
    const std::u16string_view gameFile = FixedText(block.Profiles[i].GameFile);
    if (TrimWhiteSpace(gameFile).empty()) {
      continue;
    }
    if (EqualIgnoringCase(ExecutableName(gameFile), executable)) {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<int> ProfileToSwitchTo(const SettingsBlock& block,
                                     const std::optional<std::u16string>& executable) {
  if (!executable) {
    return std::nullopt;
  }
  const auto profile = ProfileForProgram(block, *executable);
  if (!profile || *profile == block.CurrentProfile) {
    return std::nullopt;
  }
  return profile;
}

}  // namespace mouse
