// The six operations of the HID access library, as all device code uses
// them. On Windows they reach "hidgate.dll"; natively they reach the
// firmware model of the virtual mouse.
#pragma once

#include <cstddef>
#include <cstdint>

namespace mouse {

// A window handle carried through the portable core without Windows headers.
using WindowHandle = std::uintptr_t;

class HidLink {
 public:
  virtual ~HidLink() = default;

  // From now on the library posts `noticeMessage` (wParam = notice type,
  // lParam = value) for every notice of the mouse and `arrivalMessage`
  // (wParam 1 = attached, 0 = detached) to `window`.
  virtual void OpenDevMonitor(WindowHandle window, unsigned noticeMessage,
                              unsigned arrivalMessage) = 0;
  virtual void CloseDevMonitor() = 0;
  // True when the mouse's feature interface is open.
  virtual bool OpenFeatureDevice() = 0;
  virtual void CloseFeatureDevice() = 0;
  // Sends `length` bytes as one feature report; byte 0 is the report id.
  virtual bool SetFeature(const std::uint8_t* report, std::size_t length) = 0;
  // Reads the report whose id the caller put in byte 0.
  virtual bool GetFeature(std::uint8_t* report, std::size_t length) = 0;
};

}  // namespace mouse
