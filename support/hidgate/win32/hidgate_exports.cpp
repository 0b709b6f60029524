// The six entry points of hidgate.dll. The backend comes from hidgate.ini
// beside the library, read at the first call: the virtual mouse, the real
// mouse through the HID stack, or none (the mouse is absent).
#define HIDGATE_BUILDING_DLL
#include <windows.h>

#include <memory>
#include <mutex>

#include "device/hidgate_api.h"
#include "settings/ini_file.h"
#include "settings/win32/program_folder_win.h"
#include "settings/win32/windows_code_page.h"
#include "support/hidgate/core/hidgate_settings.h"
#include "support/hidgate/win32/hid_backend.h"
#include "support/hidgate/win32/virtual_backend.h"

namespace mouse::hidgate::win32 {

namespace {

// No mouse: nothing opens, nothing is sent, nothing is posted.
class AbsentBackend final : public HidLink {
 public:
  void OpenDevMonitor(WindowHandle, unsigned, unsigned) override {}
  void CloseDevMonitor() override {}
  bool OpenFeatureDevice() override { return false; }
  void CloseFeatureDevice() override {}
  bool SetFeature(const std::uint8_t*, std::size_t) override { return false; }
  bool GetFeature(std::uint8_t*, std::size_t) override { return false; }
};

HMODULE ThisLibrary() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ThisLibrary), &module);
  return module;
}

std::unique_ptr<HidLink> MakeBackend() {
  const std::filesystem::path ini = mouse::win32::ModuleFolder(ThisLibrary()) / L"hidgate.ini";
  const HidgateSettings settings =
      ParseHidgateSettings(LoadIniFile(ini, mouse::win32::WindowsCodePage{}));
  switch (settings.Kind) {
    case Backend::kVirtual:
      return std::make_unique<VirtualBackend>(settings.PipeName);
    case Backend::kHid:
      return std::make_unique<HidBackend>(settings);
    case Backend::kAbsent:
      break;
  }
  return std::make_unique<AbsentBackend>();
}

HidLink& TheBackend() {
  // Made once, on first use (never while the loader lock is held), and kept
  // until the process ends.
  static HidLink* backend = MakeBackend().release();
  return *backend;
}

bool ValidLength(int length) { return length > 0; }

}  // namespace

}  // namespace mouse::hidgate::win32

using mouse::hidgate::win32::TheBackend;

extern "C" {

HIDGATE_API int HIDGATE_CALL Open_DevMonitor(void* window, int noticeMessage, int arrivalMessage) {
  TheBackend().OpenDevMonitor(reinterpret_cast<mouse::WindowHandle>(window),
                              static_cast<unsigned>(noticeMessage),
                              static_cast<unsigned>(arrivalMessage));
  return 1;
}

HIDGATE_API int HIDGATE_CALL Close_DevMonitor(void) {
  TheBackend().CloseDevMonitor();
  return 1;
}

HIDGATE_API int HIDGATE_CALL Open_FeatureDevice(void) {
  return TheBackend().OpenFeatureDevice() ? 1 : 0;
}

HIDGATE_API int HIDGATE_CALL Close_FeatureDevice(void) {
  TheBackend().CloseFeatureDevice();
  return 1;
}

HIDGATE_API int HIDGATE_CALL SetFeature(unsigned char* report, int length) {
  if (report == nullptr || !mouse::hidgate::win32::ValidLength(length)) {
    return 0;
  }
  return TheBackend().SetFeature(report, static_cast<std::size_t>(length)) ? 1 : 0;
}

HIDGATE_API int HIDGATE_CALL GetFeature(unsigned char* report, int length) {
  if (report == nullptr || !mouse::hidgate::win32::ValidLength(length)) {
    return 0;
  }
  return TheBackend().GetFeature(report, static_cast<std::size_t>(length)) ? 1 : 0;
}

}  // extern "C"
