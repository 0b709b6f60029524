// The virtual mouse as a HidLink, without any pipe: the device code runs
// directly against the service, and the messages the HID access library
// would post go to `post` (the window, the message, wParam, lParam).
// Events are posted on the thread that caused them while the service is
// locked: `post` only records or queues them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "device/hid_link.h"
#include "support/vmouse/service/virtual_mouse_service.h"

namespace mouse::vmouse {

class ServiceHidLink final : public HidLink {
 public:
  using Poster = std::function<void(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                    std::intptr_t lParam)>;

  ServiceHidLink(VirtualMouseService& service, Poster post)
      : service_(service), post_(std::move(post)) {}
  ~ServiceHidLink() override { CloseDevMonitor(); }
  ServiceHidLink(const ServiceHidLink&) = delete;
  ServiceHidLink& operator=(const ServiceHidLink&) = delete;

  void OpenDevMonitor(WindowHandle window, unsigned noticeMessage,
                      unsigned arrivalMessage) override;
  void CloseDevMonitor() override;
  bool OpenFeatureDevice() override;
  void CloseFeatureDevice() override { open_ = false; }
  bool SetFeature(const std::uint8_t* report, std::size_t length) override;
  bool GetFeature(std::uint8_t* report, std::size_t length) override;

 private:
  VirtualMouseService& service_;
  Poster post_;
  std::optional<int> subscription_;
  bool open_ = false;
};

}  // namespace mouse::vmouse
