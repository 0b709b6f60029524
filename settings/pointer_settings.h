// The Windows pointer settings of a profile: double-click time, pointer
// speed and acceleration, wheel scroll lines. They live in the per-user
// registry ("Control Panel\Mouse" and "Control Panel\Desktop", text values
// holding decimal numbers), reached here through PointerStore.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_block.h"

namespace mouse {

struct AccelerationRow {
  int speed;       // "MouseSpeed"
  int threshold1;  // "MouseThreshold1"
  int threshold2;  // "MouseThreshold2"
};

// Row index = ProfileRecord::Acceleration.
inline constexpr std::array<AccelerationRow, 20> kAccelerationTable = {{
    {0, 0, 0},  {1, 13, 0}, {1, 12, 0}, {1, 11, 0}, {1, 10, 0}, {1, 9, 0},  {1, 8, 0},
    {1, 7, 0},  {1, 6, 0},  {1, 5, 0},  {1, 4, 0},  {2, 4, 13}, {2, 4, 12}, {2, 4, 11},
    {2, 4, 10}, {2, 4, 9},  {2, 4, 8},  {2, 4, 7},  {2, 4, 6},  {2, 4, 5},
}};

// The row written for a profile: 0 when acceleration is off or negative,
// else Acceleration limited to 19.
int AccelerationRowToWrite(const ProfileRecord& profile);

// The last row whose speed equals `speed` and whose thresholds are at least
// the given ones; nothing when no row matches.
std::optional<int> MatchAccelerationRow(int speed, int threshold1, int threshold2);

enum class PointerKeyId { Mouse, Desktop };

class PointerKey {
 public:
  virtual ~PointerKey() = default;
  // The text of a value; nothing when it is missing.
  virtual std::optional<std::u16string> Read(std::u16string_view name) = 0;
  virtual void Write(std::u16string_view name, std::u16string_view value) = 0;
};

class PointerStore {
 public:
  virtual ~PointerStore() = default;
  // Opens a key with full access, creating it when it does not exist;
  // nothing when neither works. The key closes when the handle goes.
  virtual std::unique_ptr<PointerKey> Open(PointerKeyId key) = 0;
};

// Writes the profile's values. 1 on success; -1 when a key can neither be
// opened nor created (values written before that stay written).
int WritePointerSettings(PointerStore& store, const ProfileRecord& profile);

// Reads the live values into the profile; a missing value leaves its field
// unchanged. 1 on success; 0 when the mouse key fails, -1 when the desktop
// key fails.
int ReadPointerSettings(PointerStore& store, ProfileRecord& profile);

// Registry text as a number: at most 40 characters, leading blanks and sign,
// then digits; no digits gives 0.
int ParsePointerValue(std::u16string_view text);

// Applying a profile with acceleration off while Windows still has any
// acceleration value set resets those values (and the profile's
// Acceleration) to 0.
bool MustResetAcceleration(const ProfileRecord& profile, const AccelerationRow& live);

}  // namespace mouse
