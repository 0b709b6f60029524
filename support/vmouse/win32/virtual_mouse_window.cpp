#include "support/vmouse/win32/virtual_mouse_window.h"

#include <string>

#include "settings/text_encoding.h"
#include "settings/win32/wide.h"
#include "support/vmouse/service/live_view.h"

namespace mouse::vmouse::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"VirtualMouseWindow";
constexpr UINT kRefreshMessage = WM_APP + 1;

constexpr int kPlugId = 100;
constexpr int kFirstButtonId = 200;

constexpr int kMargin = 10;
constexpr int kButtonWidth = 118;
constexpr int kButtonHeight = 26;
constexpr int kColumns = 6;
constexpr int kWindowWidth = kMargin * 2 + kColumns * (kButtonWidth + 6);

std::wstring WideText(std::string_view utf8) {
  return std::wstring(mouse::win32::Wide(FromUtf8(utf8)));
}

HWND Control(HWND parent, const wchar_t* type, const std::wstring& text, DWORD style, int x, int y,
             int width, int height, int id) {
  HWND control =
      CreateWindowExW(0, type, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               TRUE);
  return control;
}

}  // namespace

VirtualMouseWindow::VirtualMouseWindow(VirtualMouseService& service, const Clock& clock)
    : service_(service), clock_(clock), buttons_(AllMouseButtons()) {}

VirtualMouseWindow::~VirtualMouseWindow() {
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool VirtualMouseWindow::Create(HINSTANCE instance, const std::wstring& title) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &VirtualMouseWindow::Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  if (RegisterClassW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }
  const int rows = static_cast<int>((buttons_.size() + kColumns - 1) / kColumns);
  const int height = kMargin * 4 + 24 + 22 + rows * (kButtonHeight + 6) + 160;
  RECT frame{0, 0, kWindowWidth, height};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  AdjustWindowRect(&frame, style, FALSE);
  window_ = CreateWindowExW(0, kWindowClass, title.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                            instance, this);
  if (window_ == nullptr) {
    return false;
  }
  CreateControls();
  Refresh();
  return true;
}

void VirtualMouseWindow::CreateControls() {
  int y = kMargin;
  plug_ = Control(window_, L"BUTTON", L"Plugged in", BS_AUTOCHECKBOX, kMargin, y, 160, 24, kPlugId);
  y += 24 + kMargin;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const int column = static_cast<int>(i % kColumns);
    const int row = static_cast<int>(i / kColumns);
    Control(window_, L"BUTTON", WideText(MouseButtonName(buttons_[i])), BS_PUSHBUTTON,
            kMargin + column * (kButtonWidth + 6), y + row * (kButtonHeight + 6), kButtonWidth,
            kButtonHeight, kFirstButtonId + static_cast<int>(i));
  }
  const int rows = static_cast<int>((buttons_.size() + kColumns - 1) / kColumns);
  y += rows * (kButtonHeight + 6) + kMargin;
  const int width = kWindowWidth - 2 * kMargin;
  state_ = Control(window_, L"STATIC", L"", SS_LEFT, kMargin, y, width, 22, 0);
  y += 22 + kMargin;
  commands_ = Control(window_, L"LISTBOX", L"", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                      kMargin, y, width, 150, 0);
}

void VirtualMouseWindow::RequestRefresh() {
  if (!refreshPending_.exchange(true) && window_ != nullptr) {
    PostMessageW(window_, kRefreshMessage, 0, 0);
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

void VirtualMouseWindow::OnCommand(int id) {
  if (id == kPlugId) {
    service_.SetPlugged(SendMessageW(plug_, BM_GETCHECK, 0, 0) == BST_CHECKED);
    return;
  }
  const int index = id - kFirstButtonId;
  if (index >= 0 && index < static_cast<int>(buttons_.size())) {
    service_.Press(buttons_[static_cast<std::size_t>(index)]);
  }
}

LRESULT CALLBACK VirtualMouseWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* created = static_cast<VirtualMouseWindow*>(create->lpCreateParams);
    created->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<VirtualMouseWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->Handle(window, message, wParam, lParam);
}

LRESULT VirtualMouseWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) {
        OnCommand(LOWORD(wParam));
      }
      return 0;
    case kRefreshMessage:
      Refresh();
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace mouse::vmouse::win32
