#include "support/osd/win32/notice_panel.h"

#include <algorithm>
#include <string>

#include "framework/dc.h"
#include "settings/win32/wide.h"

namespace mouse::osd {

namespace {

constexpr UINT_PTR kHoldTimer = 1;
constexpr UINT_PTR kFadeTimer = 2;
constexpr UINT kFadeIntervalMs = 30;
constexpr int kFadeSteps = 10;

constexpr COLORREF kBackground = RGB(0x1F, 0x1F, 0x1F);
constexpr COLORREF kAccent = RGB(0xFF, 0x08, 0x08);
constexpr COLORREF kBodyColour = RGB(0xFF, 0xFF, 0xFF);

constexpr int kAccentWidth = 6;
constexpr int kPaddingX = 22;
constexpr int kPaddingY = 10;
constexpr int kLineGap = 2;
constexpr int kCornerRadius = 14;
constexpr int kMinWidth = 200;
constexpr int kBottomMargin = 72;  // from the bottom of the work area

// The interface face of the skin does not exist everywhere; Tahoma does.
constexpr wchar_t kFontFace[] = L"Tahoma";

constexpr UINT kTextFormat = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_VCENTER;

HFONT MakeFont(int pixelHeight) {
  return CreateFontW(-pixelHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, kFontFace);
}

SIZE TextSize(HFONT font, const std::u16string& text) {
  if (text.empty()) {
    return {0, 0};
  }
  framework::WindowDC screen(nullptr);
  framework::SelectObjectGuard select(screen, font);
  RECT bounds{0, 0, 0, 0};
  DrawTextW(screen, win32::WidePtr(text.c_str()), static_cast<int>(text.size()), &bounds,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

}  // namespace

bool CNoticePanel::Create(HWND owner, const OsdDisplay& display) {
  display_ = display;
  headingFont_.reset(MakeFont(14));
  bodyFont_.reset(MakeFont(24));
  framework::RegisterWindowClass({.name = kNoticePanelClass});
  if (!Window::Create({.className = kNoticePanelClass,
                       .style = WS_POPUP,
                       .exStyle = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST |
                                  WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                       .parent = owner})) {
    return false;
  }
  SetAlpha(100);
  return true;
}

void CNoticePanel::Show(const Notice& notice) {
  notice_ = notice;
  SetWindowTextW(hwnd(), win32::WidePtr(notice_.Text().c_str()));
  KillTimer(kFadeTimer);
  Layout();
  SetAlpha(100);
  state_ = State::Showing;
  InvalidateRect(hwnd(), nullptr, FALSE);
  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetTimer(kHoldTimer, static_cast<UINT>(display_.displayMs));
}

void CNoticePanel::SetDisplay(const OsdDisplay& display) {
  display_ = display;
  if (state_ != State::Fading) {
    SetAlpha(100);
  }
}

void CNoticePanel::Layout() {
  const SIZE heading = TextSize(headingFont_.get(), notice_.heading);
  const SIZE body = TextSize(bodyFont_.get(), notice_.body);

  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int workWidth = work.right - work.left;
  const int textWidth = std::max(heading.cx, body.cx);
  const int width =
      std::clamp(kAccentWidth + 2 * kPaddingX + textWidth, kMinWidth, workWidth * 4 / 5);
  const int height =
      2 * kPaddingY + body.cy + (notice_.heading.empty() ? 0 : heading.cy + kLineGap);
  const int x = work.left + (workWidth - width) / 2;
  const int y = work.bottom - kBottomMargin - height;

  SetWindowPos(hwnd(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  framework::GdiRegion shape(
      CreateRoundRectRgn(0, 0, width + 1, height + 1, kCornerRadius, kCornerRadius));
  if (SetWindowRgn(hwnd(), shape.get(), TRUE)) {
    shape.release();  // the window owns it now
  }
}

void CNoticePanel::SetAlpha(int percentOfOpacity) {
  const int alpha = display_.opacityPercent * 255 / 100 * percentOfOpacity / 100;
  SetLayeredWindowAttributes(hwnd(), 0, static_cast<BYTE>(std::clamp(alpha, 0, 255)), LWA_ALPHA);
}

void CNoticePanel::Hide() {
  KillTimer(kHoldTimer);
  KillTimer(kFadeTimer);
  ShowWindow(hwnd(), SW_HIDE);
  state_ = State::Hidden;
  SetAlpha(100);
}

void CNoticePanel::OnTimer(UINT_PTR id) {
  if (id == kHoldTimer) {
    KillTimer(kHoldTimer);
    state_ = State::Fading;
    fadeStep_ = 0;
    SetTimer(kFadeTimer, kFadeIntervalMs);
  } else if (id == kFadeTimer) {
    if (++fadeStep_ >= kFadeSteps) {
      Hide();
    } else {
      SetAlpha(100 * (kFadeSteps - fadeStep_) / kFadeSteps);
    }
  }
}

LRESULT CNoticePanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painting covers everything
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
  }
  return Window::OnMessage(message, wParam, lParam);
}

void CNoticePanel::OnPaint() {
  framework::PaintDC target(hwnd());
  RECT client{};
  GetClientRect(hwnd(), &client);
  framework::OffscreenBuffer buffer(target, client.right, client.bottom);
  if (!buffer.valid()) {
    return;
  }
  const HDC dc = buffer.dc();

  framework::GdiBrush background(CreateSolidBrush(kBackground));
  framework::GdiBrush accent(CreateSolidBrush(kAccent));
  FillRect(dc, &client, background.get());
  const RECT bar{0, 0, kAccentWidth, client.bottom};
  FillRect(dc, &bar, accent.get());
  framework::GdiRegion outline(
      CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, kCornerRadius, kCornerRadius));
  FrameRgn(dc, outline.get(), accent.get(), 1, 1);

  SetBkMode(dc, TRANSPARENT);
  RECT text{kAccentWidth + kPaddingX, kPaddingY, client.right - kPaddingX,
            client.bottom - kPaddingY};
  if (!notice_.heading.empty()) {
    const SIZE heading = TextSize(headingFont_.get(), notice_.heading);
    RECT line = text;
    line.bottom = line.top + heading.cy;
    framework::SelectObjectGuard font(dc, headingFont_.get());
    SetTextColor(dc, kAccent);
    DrawTextW(dc, win32::WidePtr(notice_.heading.c_str()), static_cast<int>(notice_.heading.size()),
              &line, kTextFormat | DT_LEFT);
    text.top = line.bottom + kLineGap;
  }
  {
    framework::SelectObjectGuard font(dc, bodyFont_.get());
    SetTextColor(dc, kBodyColour);
    DrawTextW(dc, win32::WidePtr(notice_.body.c_str()), static_cast<int>(notice_.body.size()),
              &text, kTextFormat | DT_LEFT);
  }
  buffer.CopyTo(target);
}

}  // namespace mouse::osd
