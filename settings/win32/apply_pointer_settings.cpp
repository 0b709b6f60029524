#include "settings/win32/apply_pointer_settings.h"

#include "settings/pointer_settings.h"
#include "settings/win32/registry_pointer_store.h"

namespace mouse::win32 {

namespace {

int ReadNumber(HKEY key, std::u16string_view name) {
  const auto text = ReadRegistryText(key, name);
  return text ? ParsePointerValue(*text) : 0;
}

// Broadcasting must never hang on a window that does not answer.
constexpr UINT kBroadcastTimeoutMs = 500;

}  // namespace

void ApplyPointerSettings(ProfileRecord& profile, HKEY mouseKey, HWND window) {
  SetDoubleClickTime(static_cast<UINT>(profile.DbleClickSpeed));

  const BOOL swapped = profile.Orientation == 1 ? TRUE : FALSE;
  SystemParametersInfoW(SPI_SETMOUSEBUTTONSWAP, static_cast<UINT>(swapped), nullptr,
                        SPIF_SENDCHANGE);
  SwapMouseButton(swapped);
  SendMessageW(window, WM_SETTINGCHANGE, SPI_SETMOUSEBUTTONSWAP, 0);

  AccelerationRow live{ReadNumber(mouseKey, u"MouseSpeed"),
                       ReadNumber(mouseKey, u"MouseThreshold1"),
                       ReadNumber(mouseKey, u"MouseThreshold2")};
  if (MustResetAcceleration(profile, live)) {
    profile.Acceleration = 0;
    live = AccelerationRow{0, 0, 0};
    WriteRegistryText(mouseKey, u"MouseSpeed", u"0");
    WriteRegistryText(mouseKey, u"MouseThreshold2", u"0");
    WriteRegistryText(mouseKey, u"MouseThreshold1", u"0");
  }
  int mouse[3] = {live.threshold1, live.threshold2, live.speed};
  SystemParametersInfoW(SPI_SETMOUSE, 0, mouse, SPIF_SENDCHANGE);
  SendMessageW(window, WM_SETTINGCHANGE, SPI_SETMOUSE, reinterpret_cast<LPARAM>(mouse));

  // Windows takes the speed from pvParam, Wine from uiParam: pass it in both.
  const auto speed = static_cast<UINT>(profile.MouseSpeed);
  SystemParametersInfoW(SPI_SETMOUSESPEED, speed,
                        reinterpret_cast<PVOID>(static_cast<INT_PTR>(profile.MouseSpeed)),
                        SPIF_SENDCHANGE);
  SendMessageW(window, WM_SETTINGCHANGE, SPI_SETMOUSESPEED, 0);

  const UINT lines =
      profile.ScrollWheelFlag != 0 ? WHEEL_PAGESCROLL : static_cast<UINT>(profile.ScrollWheelSpeed);
  SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, SPIF_SENDCHANGE);
  SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES,
                      reinterpret_cast<LPARAM>(L"WheelScrollLines"), SMTO_ABORTIFHUNG,
                      kBroadcastTimeoutMs, nullptr);
}

}  // namespace mouse::win32
