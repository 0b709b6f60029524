// Finding the mouse's feature interface among the HID interfaces present.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/handles.h"
#include "support/hidgate/core/hid_matching.h"
#include "support/hidgate/core/hidgate_settings.h"

namespace mouse::hidgate::win32 {

struct FoundInterface {
  framework::FileHandle Handle;  // open for reading and writing, overlapped
  HidInterfaceInfo Info;
};

// The first present interface that IsMouseInterface accepts; nothing when
// the mouse is not attached.
std::optional<FoundInterface> FindMouseInterface(const HidgateSettings& settings);

// The class of all HID interfaces, for device-change notifications.
GUID HidInterfaceClass();

}  // namespace mouse::hidgate::win32
