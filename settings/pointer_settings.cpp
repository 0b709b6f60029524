#include "settings/pointer_settings.h"

#include <algorithm>

#include "settings/ini_values.h"

namespace mouse {

namespace {

constexpr std::u16string_view kDoubleClickSpeed = u"DoubleClickSpeed";
constexpr std::u16string_view kMouseSensitivity = u"MouseSensitivity";
constexpr std::u16string_view kMouseSpeed = u"MouseSpeed";
constexpr std::u16string_view kMouseThreshold1 = u"MouseThreshold1";
constexpr std::u16string_view kMouseThreshold2 = u"MouseThreshold2";
constexpr std::u16string_view kWheelScrollLines = u"WheelScrollLines";

constexpr std::size_t kValueTextLimit = 40;

std::optional<int> ReadNumber(PointerKey& key, std::u16string_view name) {
  const auto text = key.Read(name);
  if (!text) {
    return std::nullopt;
  }
  return ParsePointerValue(*text);
}

}  // namespace

int AccelerationRowToWrite(const ProfileRecord& profile) {
  if (profile.AccelerationFlag == 0 || profile.Acceleration < 0) {
    return 0;
  }
  return std::min(profile.Acceleration, static_cast<std::int32_t>(kAccelerationTable.size() - 1));
}

std::optional<int> MatchAccelerationRow(int speed, int threshold1, int threshold2) {
  std::optional<int> match;
  for (std::size_t row = 0; row < kAccelerationTable.size(); ++row) {
    const AccelerationRow& r = kAccelerationTable[row];
    if (r.speed == speed && r.threshold1 >= threshold1 && r.threshold2 >= threshold2) {
      match = static_cast<int>(row);
    }
  }
  return match;
}

int ParsePointerValue(std::u16string_view text) {
  return ParseLeadingInt(text.substr(0, std::min(text.size(), kValueTextLimit)));
}

int WritePointerSettings(PointerStore& store, const ProfileRecord& profile) {
  {
    const auto mouseKey = store.Open(PointerKeyId::Mouse);
    if (!mouseKey) {
      return -1;
    }
    mouseKey->Write(kDoubleClickSpeed, FormatInt(profile.DbleClickSpeed));
    mouseKey->Write(kMouseSensitivity, FormatInt(profile.MouseSpeed));
    const AccelerationRow& row = kAccelerationTable[AccelerationRowToWrite(profile)];
    mouseKey->Write(kMouseSpeed, FormatInt(row.speed));
    mouseKey->Write(kMouseThreshold1, FormatInt(row.threshold1));
    mouseKey->Write(kMouseThreshold2, FormatInt(row.threshold2));
  }
  const auto desktopKey = store.Open(PointerKeyId::Desktop);
  if (!desktopKey) {
    return -1;
  }
  desktopKey->Write(kWheelScrollLines,
                    profile.ScrollWheelFlag == 1 ? u"-1" : FormatInt(profile.ScrollWheelSpeed));
  return 1;
}

int ReadPointerSettings(PointerStore& store, ProfileRecord& profile) {
  {
    const auto mouseKey = store.Open(PointerKeyId::Mouse);
    if (!mouseKey) {
      return 0;
    }
    if (const auto value = ReadNumber(*mouseKey, kDoubleClickSpeed)) {
      profile.DbleClickSpeed = *value;
    }
    if (const auto value = ReadNumber(*mouseKey, kMouseSensitivity)) {
      profile.MouseSpeed = *value;
    }
    const auto speed = ReadNumber(*mouseKey, kMouseSpeed);
    const auto threshold1 = ReadNumber(*mouseKey, kMouseThreshold1);
    const auto threshold2 = ReadNumber(*mouseKey, kMouseThreshold2);
    if (speed && threshold1 && threshold2) {
      if (const auto row = MatchAccelerationRow(*speed, *threshold1, *threshold2)) {
        profile.Acceleration = *row;
      }
      profile.AccelerationFlag = profile.Acceleration >= 4 ? 1 : 0;
    }
  }
  const auto desktopKey = store.Open(PointerKeyId::Desktop);
  if (!desktopKey) {
    return -1;
  }
  if (const auto lines = ReadNumber(*desktopKey, kWheelScrollLines)) {
    const bool oneScreen = *lines == -1;
    profile.ScrollWheelSpeed = oneScreen ? 0 : *lines;
    profile.ScrollWheelFlag = oneScreen ? 1 : 0;
  }
  return 1;
}

bool MustResetAcceleration(const ProfileRecord& profile, const AccelerationRow& live) {
  return profile.AccelerationFlag != 1 &&
         (live.speed != 0 || live.threshold1 != 0 || live.threshold2 != 0);
}

}  // namespace mouse
