#pragma once

#include <windows.h>

namespace mouse::win32 {

// One horizontal scroll step from the mouse's tilt wheel, repeated `repeat`
// times (the profile's TiltSpeed): `direction` +1 scrolls left, -1 right.
// Nothing happens over the desktop or where nothing scrolls sideways.
void TiltScroll(int direction, int repeat);

}  // namespace mouse::win32
