// hidgate's hid backend: the real mouse through the Windows HID stack.
// The feature interface is found by vendor and product id (and usage page)
// from the settings; feature reports go through HidD_SetFeature and
// HidD_GetFeature, padded to the interface's report length; while the
// device is open a reader thread turns its notice input reports into
// notice messages; a hidden window registered for HID device changes turns
// the mouse's arrival and removal into arrival messages.
#pragma once

#include <windows.h>

#include <mutex>
#include <optional>

#include "device/hid_link.h"
#include "framework/handles.h"
#include "support/hidgate/core/hidgate_settings.h"
#include "support/hidgate/win32/monitor_thread.h"

namespace mouse::hidgate::win32 {

class HidBackend final : public HidLink {
 public:
  explicit HidBackend(HidgateSettings settings);
  ~HidBackend() override;

  void OpenDevMonitor(WindowHandle window, unsigned noticeMessage,
                      unsigned arrivalMessage) override;
  void CloseDevMonitor() override;
  bool OpenFeatureDevice() override;
  void CloseFeatureDevice() override;
  bool SetFeature(const std::uint8_t* report, std::size_t length) override;
  bool GetFeature(std::uint8_t* report, std::size_t length) override;

 private:
  void WatchDeviceChanges(HANDLE stop);
  void ReadNotices(HANDLE stop, HANDLE device, std::size_t inputLength);
  static LRESULT CALLBACK ChangeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnDeviceChange(WPARAM event, LPARAM data);

  const HidgateSettings settings_;

  std::mutex deviceMutex_;
  framework::FileHandle device_;
  std::size_t featureLength_ = 0;
  MonitorThread reader_;

  std::mutex targetMutex_;
  std::optional<MessageTarget> target_;
  bool attached_ = false;
  MonitorThread changes_;
};

}  // namespace mouse::hidgate::win32
