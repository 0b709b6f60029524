#include "support/vmouse/service/service_hid_link.h"

namespace mouse::vmouse {

void ServiceHidLink::OpenDevMonitor(WindowHandle window, unsigned noticeMessage,
                                    unsigned arrivalMessage) {
  CloseDevMonitor();
  subscription_ =
      service_.Subscribe([this, window, noticeMessage, arrivalMessage](const MouseEvent& event) {
        if (event.EventKind == MouseEvent::Kind::kPlug) {
          post_(window, arrivalMessage, event.Value != 0 ? 1 : 0, 0);
        } else {
          post_(window, noticeMessage, event.Type, event.Value);
        }
      });
}

void ServiceHidLink::CloseDevMonitor() {
  if (subscription_) {
    service_.Unsubscribe(*subscription_);
    subscription_.reset();
  }
}

bool ServiceHidLink::OpenFeatureDevice() {
  open_ = service_.Plugged();
  return open_;
}

bool ServiceHidLink::SetFeature(const std::uint8_t* report, std::size_t length) {
  return open_ && service_.SetFeature(report, length);
}

bool ServiceHidLink::GetFeature(std::uint8_t* report, std::size_t length) {
  return open_ && service_.GetFeature(report, length);
}

}  // namespace mouse::vmouse
