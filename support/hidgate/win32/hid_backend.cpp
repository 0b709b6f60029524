#include "support/hidgate/win32/hid_backend.h"

#include <dbt.h>
// The HID headers of some toolchains lack C linkage for C++ callers.
extern "C" {
#include <hidsdi.h>
}

#include <vector>

#include "settings/win32/wide.h"
#include "support/hidgate/core/hid_matching.h"
#include "support/hidgate/win32/hid_device_search.h"
#include "support/vmouse/win32/pipe_io.h"

namespace mouse::hidgate::win32 {

namespace {

constexpr wchar_t kChangeWindowClass[] = L"hidgate.DeviceChanges";

bool RegisterChangeWindowClass(WNDPROC procedure) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kChangeWindowClass;
  return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

HidBackend::HidBackend(HidgateSettings settings) : settings_(std::move(settings)) {}

HidBackend::~HidBackend() {
  CloseDevMonitor();
  CloseFeatureDevice();
}

void HidBackend::OpenDevMonitor(WindowHandle window, unsigned noticeMessage,
                                unsigned arrivalMessage) {
  CloseDevMonitor();
  const MessageTarget target{reinterpret_cast<HWND>(window), noticeMessage, arrivalMessage};
  {
    std::lock_guard lock(targetMutex_);
    target_ = target;
    attached_ = FindMouseInterface(settings_).has_value();
  }
  changes_.Start([this](HANDLE stop) { WatchDeviceChanges(stop); });
}

void HidBackend::CloseDevMonitor() {
  changes_.Stop();
  std::lock_guard lock(targetMutex_);
  target_.reset();
}

bool HidBackend::OpenFeatureDevice() {
  CloseFeatureDevice();
  std::optional<FoundInterface> found = FindMouseInterface(settings_);
  if (!found) {
    return false;
  }
  std::lock_guard lock(deviceMutex_);
  device_ = std::move(found->Handle);
  featureLength_ = found->Info.FeatureReportLength;
  const std::size_t inputLength = found->Info.InputReportLength;
  if (inputLength >= 5) {
    HANDLE device = device_.get();
    reader_.Start(
        [this, device, inputLength](HANDLE stop) { ReadNotices(stop, device, inputLength); });
  }
  return true;
}

void HidBackend::CloseFeatureDevice() {
  reader_.Stop();
  std::lock_guard lock(deviceMutex_);
  device_.reset();
  featureLength_ = 0;
}

bool HidBackend::SetFeature(const std::uint8_t* report, std::size_t length) {
  std::lock_guard lock(deviceMutex_);
  if (!device_) {
    return false;
  }
  std::optional<std::vector<std::uint8_t>> buffer =
      PaddedFeatureBuffer(report, length, featureLength_);
  return buffer && HidD_SetFeature(device_.get(), buffer->data(),
                                   static_cast<ULONG>(buffer->size())) != FALSE;
}

bool HidBackend::GetFeature(std::uint8_t* report, std::size_t length) {
  std::lock_guard lock(deviceMutex_);
  if (!device_) {
    return false;
  }
  std::optional<std::vector<std::uint8_t>> buffer =
      PaddedFeatureBuffer(report, report != nullptr ? 1 : 0, featureLength_);
  if (!buffer || length > buffer->size() ||
      !HidD_GetFeature(device_.get(), buffer->data(), static_cast<ULONG>(buffer->size()))) {
    return false;
  }
  std::copy_n(buffer->begin(), length, report);
  return true;
}

void HidBackend::ReadNotices(HANDLE stop, HANDLE device, std::size_t inputLength) {
  std::vector<std::uint8_t> buffer(inputLength);
  framework::KernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  for (;;) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = event.get();
    const BOOL started =
        ReadFile(device, buffer.data(), static_cast<DWORD>(buffer.size()), nullptr, &overlapped);
    const std::optional<DWORD> read =
        vmouse::win32::FinishOverlapped(device, overlapped, started, stop, INFINITE);
    if (!read) {
      return;  // stopped, or the device went away
    }
    const auto notice = DecodeNoticeReport(buffer.data(), *read, settings_.NoticeReportId);
    std::lock_guard lock(targetMutex_);
    if (notice && target_) {
      target_->PostNotice(notice->Type, notice->Value);
    }
  }
}

void HidBackend::WatchDeviceChanges(HANDLE stop) {
  if (!RegisterChangeWindowClass(&HidBackend::ChangeWindowProc)) {
    return;
  }
  HWND window = CreateWindowExW(0, kChangeWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) {
    return;
  }
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  DEV_BROADCAST_DEVICEINTERFACE_W filter{};
  filter.dbcc_size = sizeof filter;
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  filter.dbcc_classguid = HidInterfaceClass();
  HDEVNOTIFY registration =
      RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
  for (;;) {
    const DWORD woke = MsgWaitForMultipleObjects(1, &stop, FALSE, INFINITE, QS_ALLINPUT);
    if (woke != WAIT_OBJECT_0 + 1) {
      break;
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageW(&message);
    }
  }
  if (registration != nullptr) {
    UnregisterDeviceNotification(registration);
  }
  DestroyWindow(window);
}

LRESULT CALLBACK HidBackend::ChangeWindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_DEVICECHANGE) {
    if (auto* self = reinterpret_cast<HidBackend*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
      self->OnDeviceChange(wParam, lParam);
    }
    return TRUE;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void HidBackend::OnDeviceChange(WPARAM event, LPARAM data) {
  if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) {
    return;
  }
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
  if (header == nullptr || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) {
    return;
  }
  const auto* device = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
  const auto ids = VidPidFromInterfacePath(mouse::win32::Utf16(device->dbcc_name));
  if (!ids || ids->VendorId != settings_.VendorId || ids->ProductId != settings_.ProductId) {
    return;
  }
  // A mouse has several interfaces: the first arrival and the first removal
  // count.
  const bool attached = event == DBT_DEVICEARRIVAL;
  std::lock_guard lock(targetMutex_);
  if (target_ && attached != attached_) {
    attached_ = attached;
    target_->PostArrival(attached);
  }
}

}  // namespace mouse::hidgate::win32
