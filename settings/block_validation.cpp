#include "settings/block_validation.h"

#include <algorithm>
#include <iterator>

namespace mouse {

namespace {

bool IsFlag(std::int32_t value) { return value == 0 || value == 1; }

template <std::size_t N>
bool IsTerminated(const char16_t (&text)[N]) {
  return std::find(std::begin(text), std::end(text), u'\0') != std::end(text);
}

bool IsValidButton(const MacroKeyInfo& record, int slot) {
  return record.ButtonIndex == slot && record.EventCount <= kMaxMacroEvents &&
         IsTerminated(record.MacroName) && IsTerminated(record.ProgramPath);
}

bool IsValidProfile(const ProfileRecord& profile) {
  if (!IsTerminated(profile.ProFileName) || !IsTerminated(profile.GameFile)) {
    return false;
  }
  for (int b = 0; b < kButtonCount; ++b) {
    if (!IsValidButton(profile.MacroKeyInfo[b], b)) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool IsValidSharedBlock(const SettingsBlock& block) {
  if (!IsProfileIndex(block.CurrentProfile) || !IsFlag(block.ProfileDirty)) {
    return false;
  }
  for (int p = 0; p < kProfileCount; ++p) {
    if (!IsFlag(block.SettingsDirty[p]) || !IsFlag(block.OtgDirty[p]) ||
        !std::all_of(std::begin(block.ButtonDirty[p]), std::end(block.ButtonDirty[p]), IsFlag) ||
        !IsValidProfile(block.Profiles[p])) {
      return false;
    }
  }
  return true;
}

}  // namespace mouse
