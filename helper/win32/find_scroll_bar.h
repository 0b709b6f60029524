// Finding the window that a horizontal scroll step should reach: the
// window under the cursor when it scrolls horizontally itself, or a
// horizontal scroll bar next to it.
#pragma once

#include <windows.h>

namespace mouse::win32 {

class CFindScrollBar {
 public:
  // `cursor` is the screen position of the cursor when the step started.
  explicit CFindScrollBar(POINT cursor) : x_(cursor.x), y_(cursor.y) {}

  // The scroll target for the window under the cursor; null when there is
  // none (the desktop, desktop icons, nothing that scrolls sideways).
  HWND FindHorizontalTarget(HWND window) const;
  // Whether a window scrolls horizontally (or is a horizontal scroll bar
  // reaching past the cursor).
  bool IsScrollTarget(HWND window) const;
  // A horizontal scroll bar among the window's siblings, nearest first:
  // those after it, then those before it.
  HWND SearchSiblings(HWND window) const;

 private:
  HWND NearbyScrollBar(HWND window) const;

  LONG x_;
  LONG y_;
};

// Whether a window is a candidate at all: not null, not the desktop, and not
// the desktop's icon list.
bool IsTiltCandidate(HWND window);

}  // namespace mouse::win32
