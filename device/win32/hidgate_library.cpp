#include "device/win32/hidgate_library.h"

#include <climits>
#include <vector>

#include "settings/win32/program_folder_win.h"

namespace mouse::win32 {

namespace {

template <typename Function>
bool Bind(HMODULE module, const char* name, Function& function) {
  // GetProcAddress gives a generic function pointer; the entry point's real
  // type is the one the library is built against.
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return function != nullptr;
}

bool FitsInt(std::size_t length) { return length <= static_cast<std::size_t>(INT_MAX); }

}  // namespace

HidgateLibrary::HidgateLibrary() : HidgateLibrary(ProgramFolder() / HIDGATE_LIBRARY_NAME) {}

HidgateLibrary::HidgateLibrary(const std::filesystem::path& path) {
  // No error box when the file is missing or damaged.
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryW(path.c_str());
  SetErrorMode(oldMode);
  if (module == nullptr) {
    return;
  }
  const bool complete = Bind(module, HIDGATE_OPEN_DEV_MONITOR_NAME, openDevMonitor_) &&
                        Bind(module, HIDGATE_CLOSE_DEV_MONITOR_NAME, closeDevMonitor_) &&
                        Bind(module, HIDGATE_OPEN_FEATURE_DEVICE_NAME, openFeatureDevice_) &&
                        Bind(module, HIDGATE_CLOSE_FEATURE_DEVICE_NAME, closeFeatureDevice_) &&
                        Bind(module, HIDGATE_SET_FEATURE_NAME, setFeature_) &&
                        Bind(module, HIDGATE_GET_FEATURE_NAME, getFeature_);
  if (!complete) {
    openDevMonitor_ = nullptr;
    closeDevMonitor_ = nullptr;
    openFeatureDevice_ = nullptr;
    closeFeatureDevice_ = nullptr;
    setFeature_ = nullptr;
    getFeature_ = nullptr;
    FreeLibrary(module);
    return;
  }
  module_ = module;
}

HidgateLibrary::~HidgateLibrary() {
  if (module_ != nullptr) {
    FreeLibrary(module_);
  }
}

void HidgateLibrary::OpenDevMonitor(WindowHandle window, unsigned noticeMessage,
                                    unsigned arrivalMessage) {
  if (Available()) {
    openDevMonitor_(reinterpret_cast<void*>(window), static_cast<int>(noticeMessage),
                    static_cast<int>(arrivalMessage));
  }
}

void HidgateLibrary::CloseDevMonitor() {
  if (Available()) {
    closeDevMonitor_();
  }
}

bool HidgateLibrary::OpenFeatureDevice() { return Available() && openFeatureDevice_() != 0; }

void HidgateLibrary::CloseFeatureDevice() {
  if (Available()) {
    closeFeatureDevice_();
  }
}

bool HidgateLibrary::SetFeature(const std::uint8_t* report, std::size_t length) {
  if (!Available() || report == nullptr || length == 0 || !FitsInt(length)) {
    return false;
  }
  // The entry point takes a writable buffer; it gets a copy, so the
  // caller's report stays as it was whatever the library does.
  std::vector<unsigned char> copy(report, report + length);
  return setFeature_(copy.data(), static_cast<int>(length)) != 0;
}

bool HidgateLibrary::GetFeature(std::uint8_t* report, std::size_t length) {
  if (!Available() || report == nullptr || length == 0 || !FitsInt(length)) {
    return false;
  }
  return getFeature_(report, static_cast<int>(length)) != 0;
}

}  // namespace mouse::win32
