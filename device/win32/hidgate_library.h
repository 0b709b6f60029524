// The HID access library "hidgate.dll", loaded at run time, as a HidLink.
//
// When the library cannot be loaded, or lacks any of its six entry points,
// the mouse is absent: nothing is ever called through a missing entry point,
// OpenFeatureDevice, SetFeature and GetFeature fail and the other operations
// do nothing.
#pragma once

#include <windows.h>

#include <filesystem>

#include "device/hid_link.h"
#include "device/hidgate_api.h"

namespace mouse::win32 {

class HidgateLibrary final : public HidLink {
 public:
  // Loads the library from `path`.
  explicit HidgateLibrary(const std::filesystem::path& path);
  // Loads ProgramFolder() + "hidgate.dll".
  HidgateLibrary();
  ~HidgateLibrary() override;
  HidgateLibrary(const HidgateLibrary&) = delete;
  HidgateLibrary& operator=(const HidgateLibrary&) = delete;

  // True when the library and all six entry points were found.
  bool Available() const { return module_ != nullptr; }

  void OpenDevMonitor(WindowHandle window, unsigned noticeMessage,
                      unsigned arrivalMessage) override;
  void CloseDevMonitor() override;
  bool OpenFeatureDevice() override;
  void CloseFeatureDevice() override;
  bool SetFeature(const std::uint8_t* report, std::size_t length) override;
  bool GetFeature(std::uint8_t* report, std::size_t length) override;

 private:
  HMODULE module_ = nullptr;
  Hidgate_Open_DevMonitor openDevMonitor_ = nullptr;
  Hidgate_Close_DevMonitor closeDevMonitor_ = nullptr;
  Hidgate_Open_FeatureDevice openFeatureDevice_ = nullptr;
  Hidgate_Close_FeatureDevice closeFeatureDevice_ = nullptr;
  Hidgate_SetFeature setFeature_ = nullptr;
  Hidgate_GetFeature getFeature_ = nullptr;
};

}  // namespace mouse::win32
