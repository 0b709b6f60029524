#include "support/vmouse/service/live_view.h"

#include <cstdio>

namespace mouse::vmouse {

namespace {

const char* StatusText(std::uint8_t status) {
  switch (status) {
    case kStatusCompleted:
      return "ready";
    case kStatusBusy:
      return "busy";
    default:
      return "failed";
  }
}

}  // namespace

std::string StateLine(const MouseSnapshot& snapshot) {
  const FirmwareMemory& memory = snapshot.Memory;
  const ProfileSettings& settings = memory.Profiles[memory.ActiveProfile % kProfiles].Settings;
  const int level = settings.CpiStep % kLevels;
  char line[200];
  std::snprintf(line, sizeof line,
                "%s | profile %d | CPI level %d (%d) | sensitivity %d/%d | polling %d | host %s | "
                "%s",
                snapshot.Plugged ? "plugged in" : "UNPLUGGED", memory.ActiveProfile + 1, level + 1,
                settings.LevelsX[level], settings.SensitivityX, settings.SensitivityY,
                settings.PollingRate, memory.HostPresent ? "present" : "absent",
                StatusText(snapshot.Status));
  return line;
}

std::vector<std::string> CommandLines(const MouseSnapshot& snapshot, std::int64_t nowMs) {
  std::vector<std::string> lines;
  for (auto it = snapshot.Commands.rbegin(); it != snapshot.Commands.rend(); ++it) {
    const double ago = static_cast<double>(nowMs - it->TimeMs) / 1000.0;
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "-%.3f s  ", ago < 0 ? 0.0 : ago);
    lines.push_back(prefix + std::string(it->Accepted ? "" : "REJECTED ") + it->Text);
  }
  return lines;
}

}  // namespace mouse::vmouse
