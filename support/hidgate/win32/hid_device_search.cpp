#include "support/hidgate/win32/hid_device_search.h"

// The HID headers of some toolchains lack C linkage for C++ callers.
extern "C" {
#include <hidsdi.h>
}
#include <setupapi.h>

#include <vector>

#include "settings/win32/wide.h"

namespace mouse::hidgate::win32 {

namespace {

// The information the HID stack gives for an open interface.
std::optional<HidInterfaceInfo> Describe(HANDLE device) {
  HIDD_ATTRIBUTES attributes{};
  attributes.Size = sizeof attributes;
  if (!HidD_GetAttributes(device, &attributes)) {
    return std::nullopt;
  }
  PHIDP_PREPARSED_DATA preparsed = nullptr;
  if (!HidD_GetPreparsedData(device, &preparsed)) {
    return std::nullopt;
  }
  HIDP_CAPS caps{};
  const bool described = HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS;
  HidD_FreePreparsedData(preparsed);
  if (!described) {
    return std::nullopt;
  }
  return HidInterfaceInfo{attributes.VendorID, attributes.ProductID, caps.UsagePage,
                          caps.FeatureReportByteLength, caps.InputReportByteLength};
}

std::optional<std::wstring> InterfacePath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& data) {
  DWORD size = 0;
  SetupDiGetDeviceInterfaceDetailW(set, &data, nullptr, 0, &size, nullptr);
  if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> buffer(size);
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
  if (!SetupDiGetDeviceInterfaceDetailW(set, &data, detail, size, nullptr, nullptr)) {
    return std::nullopt;
  }
  return std::wstring(detail->DevicePath);
}

}  // namespace

GUID HidInterfaceClass() {
  GUID guid{};
  HidD_GetHidGuid(&guid);
  return guid;
}

std::optional<FoundInterface> FindMouseInterface(const HidgateSettings& settings) {
  const GUID hidClass = HidInterfaceClass();
  HDEVINFO set =
      SetupDiGetClassDevsW(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE) {
    return std::nullopt;
  }
  std::optional<FoundInterface> found;
  SP_DEVICE_INTERFACE_DATA data{};
  data.cbSize = sizeof data;
  for (DWORD i = 0; !found && SetupDiEnumDeviceInterfaces(set, nullptr, &hidClass, i, &data); ++i) {
    const std::optional<std::wstring> path = InterfacePath(set, data);
    if (!path) {
      continue;
    }
    // The path names the ids: skip other devices without opening them.
    const auto ids = VidPidFromInterfacePath(mouse::win32::Utf16(*path));
    if (ids && (ids->VendorId != settings.VendorId || ids->ProductId != settings.ProductId)) {
      continue;
    }
    framework::FileHandle device(CreateFileW(path->c_str(), GENERIC_READ | GENERIC_WRITE,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr));
    if (!device) {
      continue;
    }
    const std::optional<HidInterfaceInfo> info = Describe(device.get());
    if (info && IsMouseInterface(settings, *info)) {
      found = FoundInterface{std::move(device), *info};
    }
  }
  SetupDiDestroyDeviceInfoList(set);
  return found;
}

}  // namespace mouse::hidgate::win32
