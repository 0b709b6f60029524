#include "support/hidgate/win32/virtual_backend.h"

#include <cstring>

#include "support/hidgate/win32/monitor_thread.h"
#include "support/vmouse/service/pipe_protocol.h"

namespace mouse::hidgate::win32 {

using vmouse::MouseEvent;
using vmouse::PipeOp;
using vmouse::win32::PipeClient;

namespace {

// How long a feature transfer waits for the virtual mouse's answer.
constexpr DWORD kTransferTimeoutMs = 5000;
// How long Open_FeatureDevice waits for the pipe when all instances are busy.
constexpr DWORD kOpenTimeoutMs = 500;
// How often the monitor looks for a virtual mouse that is not running.
constexpr DWORD kReconnectMs = 250;

bool PluggedState(const std::optional<vmouse::PipeResponse>& response) {
  return response && response->Ok && !response->Body.empty() && response->Body[0] == 1;
}

}  // namespace

// The subscribed connection and its thread.
struct VirtualBackend::Monitor {
  Monitor(std::u16string pipe, MessageTarget target) : Pipe(std::move(pipe)), Target(target) {}

  // Connects and subscribes; the plug state, or nothing when the virtual
  // mouse does not answer.
  std::optional<bool> Subscribe() {
    Client = PipeClient::Connect(Pipe, 0);
    if (!Client) {
      return std::nullopt;
    }
    const auto response = Client->Transact(vmouse::ControlRequest(PipeOp::kSubscribe));
    if (!response || !response->Ok) {
      Client.reset();
      return std::nullopt;
    }
    return PluggedState(response);
  }

  void Attached(bool attached) {
    if (attached != Known) {
      Known = attached;
      Target.PostArrival(attached);
    }
  }

  void Run(HANDLE stop) {
    for (;;) {
      if (!Client) {
        const std::optional<bool> plugged = Subscribe();
        if (!plugged) {
          if (WaitForSingleObject(stop, kReconnectMs) == WAIT_OBJECT_0) {
            return;
          }
          continue;
        }
        Attached(*plugged);
      }
      const std::optional<std::string> frame = Client->Next(stop);
      if (WaitForSingleObject(stop, 0) == WAIT_OBJECT_0) {
        return;
      }
      if (!frame) {
        // The virtual mouse ended: for its users, the mouse is gone.
        Client.reset();
        Attached(false);
        continue;
      }
      const std::optional<MouseEvent> event = vmouse::ParseEvent(*frame);
      if (!event) {
        continue;
      }
      if (event->EventKind == MouseEvent::Kind::kPlug) {
        Attached(event->Value != 0);
      } else {
        Target.PostNotice(event->Type, event->Value);
      }
    }
  }

  std::u16string Pipe;
  MessageTarget Target;
  std::unique_ptr<PipeClient> Client;
  bool Known = false;
  MonitorThread Thread;
};

VirtualBackend::VirtualBackend(std::u16string pipeName) : pipeName_(std::move(pipeName)) {}

VirtualBackend::~VirtualBackend() { CloseDevMonitor(); }

void VirtualBackend::OpenDevMonitor(WindowHandle window, unsigned noticeMessage,
                                    unsigned arrivalMessage) {
  CloseDevMonitor();
  std::lock_guard lock(monitorMutex_);
  auto monitor = std::make_unique<Monitor>(
      pipeName_, MessageTarget{reinterpret_cast<HWND>(window), noticeMessage, arrivalMessage});
  // The state at this moment is what the caller finds by opening the
  // device; only later changes are posted.
  monitor->Known = monitor->Subscribe().value_or(false);
  Monitor* self = monitor.get();
  if (monitor->Thread.Start([self](HANDLE stop) { self->Run(stop); })) {
    monitor_ = std::move(monitor);
  }
}

void VirtualBackend::CloseDevMonitor() {
  std::lock_guard lock(monitorMutex_);
  if (monitor_) {
    monitor_->Thread.Stop();
    monitor_.reset();
  }
}

bool VirtualBackend::OpenFeatureDevice() {
  std::lock_guard lock(featureMutex_);
  feature_ = PipeClient::Connect(pipeName_, kOpenTimeoutMs);
  if (!feature_) {
    return false;
  }
  if (!PluggedState(feature_->Transact(vmouse::ControlRequest(PipeOp::kState)))) {
    feature_.reset();
    return false;
  }
  return true;
}

void VirtualBackend::CloseFeatureDevice() {
  std::lock_guard lock(featureMutex_);
  feature_.reset();
}

std::optional<vmouse::PipeResponse> VirtualBackend::Transact(const std::string& request) {
  std::lock_guard lock(featureMutex_);
  if (!feature_) {
    return std::nullopt;
  }
  std::optional<vmouse::PipeResponse> response = feature_->Transact(request, kTransferTimeoutMs);
  if (!response) {
    // The connection broke (the virtual mouse ended): it stays closed until
    // the device is opened again.
    feature_.reset();
  }
  return response;
}

bool VirtualBackend::SetFeature(const std::uint8_t* report, std::size_t length) {
  if (report == nullptr || length == 0 || length > vmouse::kMaxReportLength) {
    return false;
  }
  const auto response = Transact(vmouse::SetFeatureRequest(report, length));
  return response && response->Ok;
}

bool VirtualBackend::GetFeature(std::uint8_t* report, std::size_t length) {
  if (report == nullptr || length == 0 || length > vmouse::kMaxReportLength) {
    return false;
  }
  const auto response = Transact(vmouse::GetFeatureRequest(report[0], length));
  if (!response || !response->Ok || response->Body.size() != length) {
    return false;
  }
  std::memcpy(report, response->Body.data(), length);
  return true;
}

}  // namespace mouse::hidgate::win32
