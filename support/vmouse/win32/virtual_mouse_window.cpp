#include "support/vmouse/win32/virtual_mouse_window.h"

#include "settings/text_encoding.h"
#include "settings/win32/wide.h"
#include "support/vmouse/service/live_view.h"

namespace mouse::vmouse::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"VirtualMouseWindow";
constexpr UINT kRefreshMessage = WM_APP + 1;

constexpr int kPlugId = 100;
constexpr int kFirstButtonId = 200;

// Layout: the plug, a grid of buttons, the state line, the command list.
constexpr int kMargin = 10;
constexpr int kGap = 6;
constexpr int kButtonWidth = 118;
constexpr int kButtonHeight = 26;
constexpr int kColumns = 6;
constexpr int kLineHeight = 22;
constexpr int kListHeight = 150;
constexpr int kClientWidth = 2 * kMargin + kColumns * kButtonWidth + (kColumns - 1) * kGap;

int Rows(std::size_t buttons) { return static_cast<int>((buttons + kColumns - 1) / kColumns); }

int ClientHeight(std::size_t buttons) {
  return kMargin + kLineHeight + kMargin + Rows(buttons) * (kButtonHeight + kGap) + kMargin +
         kLineHeight + kMargin + kListHeight + kMargin;
}

std::wstring WideText(std::string_view utf8) {
  return std::wstring(mouse::win32::Wide(FromUtf8(utf8)));
}

}  // namespace

VirtualMouseWindow::VirtualMouseWindow(VirtualMouseService& service, const Clock& clock)
    : service_(service), clock_(clock), buttons_(AllMouseButtons()) {}

bool VirtualMouseWindow::CreateMain(const std::wstring& title) {
  if (!framework::RegisterWindowClass({.name = kWindowClass,
                                       .cursor = LoadCursorW(nullptr, IDC_ARROW),
                                       .background = GetSysColorBrush(COLOR_BTNFACE)})) {
    return false;
  }
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, kClientWidth, ClientHeight(buttons_.size())};
  AdjustWindowRect(&frame, style, FALSE);
  return Create({.className = kWindowClass,
                 .title = title.c_str(),
                 .style = style,
                 .x = CW_USEDEFAULT,
                 .y = CW_USEDEFAULT,
                 .width = frame.right - frame.left,
                 .height = frame.bottom - frame.top});
}

HWND VirtualMouseWindow::AddControl(const wchar_t* type, const std::wstring& text, DWORD style,
                                    RECT place, int id) {
  HWND control =
      CreateWindowExW(0, type, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                      place.right - place.left, place.bottom - place.top, hwnd(),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return control;
}

bool VirtualMouseWindow::OnCreate(const CREATESTRUCTW&) {
  handle_ = hwnd();
  int y = kMargin;
  plug_ = AddControl(L"BUTTON", L"Plugged in", BS_AUTOCHECKBOX,
                     {kMargin, y, kMargin + 160, y + kLineHeight}, kPlugId);
  y += kLineHeight + kMargin;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const int x = kMargin + static_cast<int>(i % kColumns) * (kButtonWidth + kGap);
    const int top = y + static_cast<int>(i / kColumns) * (kButtonHeight + kGap);
    AddControl(L"BUTTON", WideText(MouseButtonName(buttons_[i])), BS_PUSHBUTTON,
               {x, top, x + kButtonWidth, top + kButtonHeight},
               kFirstButtonId + static_cast<int>(i));
  }
  y += Rows(buttons_.size()) * (kButtonHeight + kGap) + kMargin;
  const int right = kClientWidth - kMargin;
  state_ = AddControl(L"STATIC", L"", SS_LEFT, {kMargin, y, right, y + kLineHeight}, 0);
  y += kLineHeight + kMargin;
  commands_ = AddControl(L"LISTBOX", L"", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                         {kMargin, y, right, y + kListHeight}, 0);
  Refresh();
  return true;
}

void VirtualMouseWindow::RequestRefresh() {
  const HWND window = handle_;
  if (window != nullptr && !refreshPending_.exchange(true)) {
    PostMessageW(window, kRefreshMessage, 0, 0);
  }
}

void VirtualMouseWindow::Refresh() {
  refreshPending_ = false;
  const MouseSnapshot snapshot = service_.Snapshot();
  SendMessageW(plug_, BM_SETCHECK, snapshot.Plugged ? BST_CHECKED : BST_UNCHECKED, 0);
  SetWindowTextW(state_, WideText(StateLine(snapshot)).c_str());
  SendMessageW(commands_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(commands_, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : CommandLines(snapshot, clock_.NowMs())) {
    SendMessageW(commands_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideText(line).c_str()));
  }
  SendMessageW(commands_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(commands_, nullptr, TRUE);
}

bool VirtualMouseWindow::OnCommand(WORD id, WORD code, HWND) {
  if (code != BN_CLICKED) {
    return false;
  }
  if (id == kPlugId) {
    service_.SetPlugged(SendMessageW(plug_, BM_GETCHECK, 0, 0) == BST_CHECKED);
    return true;
  }
  const int index = id - kFirstButtonId;
  if (index < 0 || index >= static_cast<int>(buttons_.size())) {
    return false;
  }
  service_.Press(buttons_[static_cast<std::size_t>(index)]);
  return true;
}

LRESULT VirtualMouseWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kRefreshMessage:
      Refresh();
      return 0;
    case WM_DESTROY:
      handle_ = nullptr;
      break;
    default:
      break;
  }
  return Window::OnMessage(message, wParam, lParam);
}

}  // namespace mouse::vmouse::win32
