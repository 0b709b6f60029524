#include "framework/window.h"

#include <commctrl.h>

#include <utility>

#include "framework/handles.h"

namespace framework {

namespace {

constexpr UINT_PTR kSubclassId = 0x46574B31;
// The window property that holds the bound object.
constexpr wchar_t kObjectProperty[] = L"FrameworkWindowObject";

// The object waiting for the window that the current Create call makes.
thread_local Window* pendingWindow = nullptr;

bool IsImeWindow(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return lstrcmpiW(name, L"IME") == 0 || lstrcmpiW(name, L"MSCTFIME UI") == 0;
}

// The control a parent's notification concerns, or null.
HWND NotificationSource(HWND parent, UINT message, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return lParam != 0 ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      return item != nullptr && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
      return item != nullptr && item->CtlType != ODT_MENU
                 ? GetDlgItem(parent, static_cast<int>(item->CtlID))
                 : nullptr;
    }
    case WM_COMPAREITEM: {
      const auto* item = reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam);
      return item != nullptr ? item->hwndItem : nullptr;
    }
    case WM_DELETEITEM: {
      const auto* item = reinterpret_cast<const DELETEITEMSTRUCT*>(lParam);
      return item != nullptr ? item->hwndItem : nullptr;
    }
    default:
      return nullptr;
  }
}

}  // namespace

HINSTANCE ProgramInstance() { return GetModuleHandleW(nullptr); }

bool RegisterWindowClass(const WindowClass& windowClass) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(ProgramInstance(), windowClass.name, &existing)) {
    return true;
  }
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = windowClass.style;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = ProgramInstance();
  wc.hIcon = windowClass.icon;
  wc.hIconSm = windowClass.smallIcon;
  wc.hCursor = windowClass.cursor;
  wc.hbrBackground = windowClass.background;
  wc.lpszClassName = windowClass.name;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

Window::~Window() {
  if (hwnd_ != nullptr) {
    const HWND window = hwnd_;
    const bool created = created_;
    Unbind();
    if (created) {
      DestroyWindow(window);
    }
  }
}

bool Window::Create(const WindowParams& p) {
  static const bool plainClassRegistered = RegisterWindowClass({.name = kPlainWindowClass});
  (void)plainClassRegistered;
  return CreateBound([&p] {
    return CreateWindowExW(p.exStyle, p.className, p.title, p.style, p.x, p.y, p.width, p.height,
                           p.parent, reinterpret_cast<HMENU>(p.idOrMenu), ProgramInstance(),
                           nullptr);
  });
}

bool Window::CreateBound(const std::function<HWND()>& create) {
  if (hwnd_ != nullptr) {
    return false;
  }
  HookHandle hook(SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId()));
  if (!hook) {
    return false;
  }
  Window* const outer = std::exchange(pendingWindow, this);
  const HWND window = create();
  pendingWindow = outer;
  hook.reset();
  if (window == nullptr || window != hwnd_) {
    // Creation failed: a window that was bound has already been unbound by
    // its WM_NCDESTROY.
    return false;
  }
  created_ = true;
  return true;
}

LRESULT CALLBACK Window::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && pendingWindow != nullptr) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    if (!IsImeWindow(window)) {
      Window* const self = std::exchange(pendingWindow, nullptr);
      if (self->Bind(window)) {
        self->created_ = true;
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool Window::Attach(HWND window) {
  if (hwnd_ != nullptr || !IsWindow(window) || FromHandle(window) != nullptr) {
    return false;
  }
  created_ = false;
  return Bind(window);
}

HWND Window::Detach() {
  const HWND window = hwnd_;
  if (window != nullptr) {
    for (const UINT_PTR id : timers_) {
      ::KillTimer(window, id);
    }
    Unbind();
  }
  return window;
}

bool Window::Destroy() { return hwnd_ != nullptr && DestroyWindow(hwnd_); }

Window* Window::FromHandle(HWND window) {
  if (window == nullptr) {
    return nullptr;
  }
  // Only windows of this process hold a pointer that means something here.
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) {
    return nullptr;
  }
  return static_cast<Window*>(GetPropW(window, kObjectProperty));
}

bool Window::Bind(HWND window) {
  if (!SetPropW(window, kObjectProperty, this)) {
    return false;
  }
  if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    RemovePropW(window, kObjectProperty);
    return false;
  }
  hwnd_ = window;
  return true;
}

void Window::Unbind() {
  RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
  RemovePropW(hwnd_, kObjectProperty);
  hwnd_ = nullptr;
  created_ = false;
  timers_.clear();
  continuations_.clear();
}

bool Window::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
  return hwnd_ != nullptr && PostMessageW(hwnd_, message, wParam, lParam);
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return hwnd_ != nullptr ? SendMessageW(hwnd_, message, wParam, lParam) : 0;
}

bool Window::SetTimer(UINT_PTR id, UINT periodMs) {
  if (hwnd_ == nullptr || ::SetTimer(hwnd_, id, periodMs, nullptr) == 0) {
    return false;
  }
  timers_.insert(id);
  continuations_.erase(id);
  return true;
}

void Window::KillTimer(UINT_PTR id) {
  if (hwnd_ != nullptr) {
    ::KillTimer(hwnd_, id);
  }
  timers_.erase(id);
  continuations_.erase(id);
}

bool Window::RunAfter(UINT_PTR id, UINT delayMs, std::function<void()> action) {
  if (!SetTimer(id, delayMs)) {
    return false;
  }
  continuations_[id] = std::move(action);
  return true;
}

bool Window::PreTranslateMessage(MSG&) { return false; }

LRESULT CALLBACK Window::SubclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) {
  auto* self = reinterpret_cast<Window*>(data);
  if (message == WM_NCDESTROY) {
    return self->HandleNcDestroy(wParam, lParam);
  }
  return self->Dispatch(message, wParam, lParam);
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  const CurrentMessage outer = std::exchange(current_, {message, wParam, lParam});
  ++dispatchDepth_;
  const LRESULT result = OnMessage(message, wParam, lParam);
  current_ = outer;
  LeaveDispatch();
  return result;
}

LRESULT Window::HandleNcDestroy(WPARAM wParam, LPARAM lParam) {
  ++dispatchDepth_;
  const LRESULT result = DefSubclassProc(hwnd_, WM_NCDESTROY, wParam, lParam);
  Unbind();
  if (quitOnDestroy_) {
    PostQuitMessage(0);
  }
  finalPending_ = true;
  LeaveDispatch();
  return result;
}

void Window::LeaveDispatch() {
  if (--dispatchDepth_ == 0 && finalPending_) {
    finalPending_ = false;
    OnFinalMessage();
  }
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT Window::Default() {
  return DefaultProc(current_.message, current_.wParam, current_.lParam);
}

bool Window::OnCreate(const CREATESTRUCTW&) { return true; }

void Window::OnTimer(UINT_PTR) {}

bool Window::OnCommand(WORD, WORD, HWND) { return false; }

void Window::OnPaint() { Default(); }

bool Window::OnReflectedMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool Window::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const HWND source = NotificationSource(hwnd_, message, lParam);
  if (source == nullptr || source == hwnd_) {
    return false;
  }
  Window* const control = FromHandle(source);
  return control != nullptr && control->OnReflectedMessage(message, wParam, lParam, result);
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (message) {
    case WM_CREATE:
      if (Default() == -1) {
        return -1;
      }
      return OnCreate(*reinterpret_cast<const CREATESTRUCTW*>(lParam)) ? 0 : -1;
    case WM_DESTROY:
      OnDestroy();
      return Default();
    case WM_TIMER:
      if (lParam != 0) {
        return Default();  // a timer with its own procedure
      }
      if (const auto found = continuations_.find(wParam); found != continuations_.end()) {
        const std::function<void()> action = std::move(found->second);
        KillTimer(wParam);
        action();
      } else {
        OnTimer(wParam);
      }
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) {
        return 0;
      }
      return Reflect(message, wParam, lParam, result) ? result : Default();
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return Reflect(message, wParam, lParam, result) ? result : Default();
    default:
      return Default();
  }
}

}  // namespace framework
