// Device contexts and GDI selections, each released in the way the call
// that made it requires.
#pragma once

#include <windows.h>

#include "framework/handles.h"

namespace framework {

// GetDC / ReleaseDC. A null window gives the screen's DC.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_ != nullptr) {
      ReleaseDC(window_, dc_);
    }
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  HDC get() const { return dc_; }
  operator HDC() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// CreateCompatibleDC / DeleteDC.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDC() {
    if (dc_ != nullptr) {
      DeleteDC(dc_);
    }
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

  HDC get() const { return dc_; }
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
};

// BeginPaint / EndPaint, for WM_PAINT handlers.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintDC() { EndPaint(window_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;

  HDC get() const { return dc_; }
  operator HDC() const { return dc_; }
  const RECT& invalid() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back at scope exit,
// so a bitmap, font or brush can be deleted safely afterwards.
class SelectObjectGuard {
 public:
  SelectObjectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectObjectGuard() {
    if (old_ != nullptr && old_ != HGDI_ERROR) {
      SelectObject(dc_, old_);
    }
  }
  SelectObjectGuard(const SelectObjectGuard&) = delete;
  SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// An off-screen picture of a given size, compatible with a target DC: draw
// into dc(), then copy it to the target in one step (no flicker).
class OffscreenBuffer {
 public:
  OffscreenBuffer(HDC target, int width, int height)
      : dc_(target),
        bitmap_(CreateCompatibleBitmap(target, width, height)),
        select_(dc_, bitmap_.get()),
        width_(width),
        height_(height) {}

  HDC dc() const { return dc_; }
  bool valid() const { return dc_.get() != nullptr && bitmap_; }
  void CopyTo(HDC target, int x = 0, int y = 0) const {
    BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
  }

 private:
  MemoryDC dc_;
  GdiBitmap bitmap_;
  SelectObjectGuard select_;
  int width_;
  int height_;
};

}  // namespace framework
