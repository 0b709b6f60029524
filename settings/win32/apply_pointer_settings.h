#pragma once

#include <windows.h>

#include "settings/settings_block.h"

namespace mouse::win32 {

// Puts a profile's pointer settings into effect in the running system:
// double-click time, button swap, acceleration, pointer speed and wheel
// lines, each announced with WM_SETTINGCHANGE. With acceleration off while
// the registry under `mouseKey` still holds acceleration values, those
// values become "0" and the profile's Acceleration 0. Failures are ignored.
void ApplyPointerSettings(ProfileRecord& profile, HKEY mouseKey, HWND window);

}  // namespace mouse::win32
