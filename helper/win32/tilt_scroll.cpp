#include "helper/win32/tilt_scroll.h"

#include <string>

#include "helper/host_actions.h"
#include "helper/win32/find_scroll_bar.h"
#include "helper/win32/window_text.h"
#include "settings/win32/wide.h"

namespace mouse::win32 {

namespace {

// Key messages of the arrow keys, with the scan code and repeat count
// Windows itself would give them.
constexpr LPARAM kLeftDown = 0x014B0001;
constexpr LPARAM kLeftUp = static_cast<LPARAM>(0xC14B0001u);
constexpr LPARAM kRightDown = 0x014D0001;
constexpr LPARAM kRightUp = static_cast<LPARAM>(0xC14D0001u);

void ClickPrimaryButton(int times) {
  const bool swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
  const DWORD down = swapped ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  const DWORD up = swapped ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  for (int i = 0; i < times; ++i) {
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = down;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = up;
    SendInput(2, inputs, sizeof(INPUT));
  }
}

// Spreadsheets scroll when their horizontal scroll bar's arrow is clicked.
void ClickScrollBarCorner(HWND target, int direction, int repeat, POINT back) {
  RECT rect{};
  GetWindowRect(target, &rect);
  const int x = direction > 0 ? rect.left + 5 : rect.right - 5;
  SetCursorPos(x, rect.top + 5);
  ClickPrimaryButton(repeat);
  SetCursorPos(back.x, back.y);
}

}  // namespace

void TiltScroll(int direction, int repeat) {
  POINT cursor{};
  if (!GetCursorPos(&cursor)) {
    return;
  }
  HWND under = WindowFromPoint(cursor);
  if (!IsTiltCandidate(under)) {
    return;
  }
  const std::wstring className = ClassNameOf(under);
  const TiltMethod method = TiltMethodForClass(Utf16(className));
  const bool mozilla = className == L"MozillaWindowClass";
  const CFindScrollBar finder(cursor);
  HWND target = finder.FindHorizontalTarget(under);
  if (target == nullptr) {
    return;
  }
  const WPARAM scroll = direction > 0 ? SB_LINELEFT : SB_LINERIGHT;
  switch (method) {
    case TiltMethod::ClickScrollBar:
      ClickScrollBarCorner(target, direction, repeat, cursor);
      break;
    case TiltMethod::ScrollBarParent:
      for (int i = 0; i < repeat; ++i) {
        PostMessageW(GetParent(target), WM_HSCROLL, scroll, reinterpret_cast<LPARAM>(target));
      }
      break;
    case TiltMethod::Default:
      for (int i = 0; i < repeat; ++i) {
        if (mozilla) {
          const WPARAM key = direction > 0 ? VK_LEFT : VK_RIGHT;
          PostMessageW(target, WM_KEYDOWN, key, direction > 0 ? kLeftDown : kRightDown);
          PostMessageW(target, WM_KEYUP, key, direction > 0 ? kLeftUp : kRightUp);
        } else {
          PostMessageW(under, WM_HSCROLL, scroll, 0);
        }
      }
      break;
  }
}

}  // namespace mouse::win32
