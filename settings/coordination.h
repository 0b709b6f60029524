// How Helper and Option find and notify each other: the named kernel
// objects, the window titles and the window messages between the programs,
// the display program and the HID access library.
#pragma once

#include <array>

namespace mouse {

// Named kernel objects (local to the user's logon session).
inline constexpr const char16_t* kHelperInstanceMutex = u"K4_Gaming_Mouse_Normal_Monitor_Mutex";
inline constexpr const char16_t* kOptionInstanceMutex = u"K4_Gaming_Mouse_Normal_configure";
inline constexpr const char16_t* kBlockMutex = u"K4_Gaming_Mouse_Normal_Mutex_Object";
inline constexpr const char16_t* kSharedBlockMapping = u"K4_Gaming_Mouse_Normal_Share_Data";

// Window titles, looked up by title only.
inline constexpr const char16_t* kHelperWindowTitle = u"PUXO-K4_Gaming_Mouse_Normal_Monitor";
inline constexpr const char16_t* kOptionWindowTitle = u"TALVO Gaming Mouse";
inline constexpr const char16_t* kOsdWindowTitle = u"PUXO-K4_Gaming_Mouse_Normal_OSD";
inline constexpr std::array<const char16_t*, 4> kAppletWindowTitles = {
    u"PUXO-K4 Gaming Mouse Pop3", u"PUXO-K4 Gaming Mouse CPU RAM OSD",
    u"PUXO-K4 Gaming Mouse OSD SKYPE", u"PUXO-K4 Gaming Mouse OSD MSN"};

// Window messages (posted, never waited for).
enum : unsigned {
  kMsgTrayNotify = 1036,           // tray icon callback (Helper's own)
  kMsgApplySettings = 1224,        // Option -> Helper: wParam 1 = also send the tuning table
  kMsgCopySharedBlock = 1226,      // any -> Helper: take the shared block
  kMsgCopyAndApplyPointer = 1227,  // any -> Helper: take it and apply the pointer settings
  kMsgReadBackDone = 1254,         // Helper -> Option: everything read back from the mouse
  kMsgProfileChanged = 1255,       // Helper -> Option: the current profile changed
  kMsgApplyDone = 1256,            // Helper -> Option: the apply has finished
  kMsgDeviceStateChanged = 1257,   // Helper -> Option: CPI level, sensitivity or polling rate
  kMsgOsdShow = 1324,              // Helper -> display: wParam 40 profile, 70 macro, 50 text
  kMsgDeviceNotice = 1325,         // HID library -> Helper: wParam type, lParam value
  kMsgDeviceArrival = 1326,        // HID library -> Helper: wParam 1 attached, 0 detached
  kMsgOsdSettings = 1326,          // Helper -> display: the two display settings words
  kMsgDeviceTask = 1649,           // Helper's window thread -> DeviceWorker
};

// wParam of the display message 1324.
enum : unsigned {
  kOsdShowProfile = 40,
  kOsdShowText = 50,
  kOsdShowMacro = 70,
};

// WM_COMMAND ids of Helper's window.
enum : unsigned {
  kCommandOpenOption = 6001,
  kCommandExit = 6002,
};

}  // namespace mouse
