// The window base class. A Window object is bound to one window handle at a
// time and receives every message of that window first, in OnMessage, from
// WM_NCCREATE (or the moment it attaches) to WM_NCDESTROY. Unhandled
// messages go on to the window's own procedure with DefaultProc.
//
// Three ways to get a window:
//   Create()  a new window of a framework class (RegisterWindowClass) or of
//             any other class ("BUTTON", "LISTBOX", ...): the object is bound
//             before the window's first message, so it sees WM_CREATE too;
//   Attach()  an existing window, for example a control of a dialog template;
//   Dialog    (dialog.h), from a dialog template.
//
// Writing a window:
//
//   class CStatusWnd : public framework::Window {
//    protected:
//     bool OnCreate(const CREATESTRUCTW&) override { SetTimer(1, 500); return true; }
//     void OnTimer(UINT_PTR id) override { ... }
//     LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
//       switch (msg) {
//         case 1224: OnApply(wp); return 0;
//       }
//       return Window::OnMessage(msg, wp, lp);  // typed handlers, then default
//     }
//   };
//
// Lifetime: when the window is destroyed (also from inside one of its own
// handlers) the object is unbound at WM_NCDESTROY and OnFinalMessage runs
// once the outermost handler of the window has returned; a window object
// that lives on the heap may `delete this` there and nowhere else while its
// window exists. Deleting a Window object destroys the window it created
// and gives back a window it attached, without sending it to the object.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <set>

namespace framework {

// The class a framework window is created with. Its procedure is
// DefWindowProcW; the behaviour comes from the Window object.
struct WindowClass {
  const wchar_t* name = nullptr;
  UINT style = 0;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
};

// Registers a class once per process; registering a name again is a no-op
// that reports success.
bool RegisterWindowClass(const WindowClass& windowClass);

// A class without class style, cursor, background or icon, registered on
// first use.
inline constexpr wchar_t kPlainWindowClass[] = L"FrameworkPlainWindow";

// The module whose resources and classes the framework uses (the program).
HINSTANCE ProgramInstance();

struct WindowParams {
  const wchar_t* className = kPlainWindowClass;
  const wchar_t* title = L"";
  DWORD style = WS_POPUP;
  DWORD exStyle = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  // The parent of a child, the owner of a popup, HWND_MESSAGE for a
  // message-only window.
  HWND parent = nullptr;
  // The control id of a child window, the menu of a top-level window.
  UINT_PTR idOrMenu = 0;
};

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // False when the object already has a window or the window could not be
  // created (also when OnCreate refused it).
  bool Create(const WindowParams& params);
  // Takes over an existing window; false when it is invalid or already
  // bound to a Window object.
  bool Attach(HWND window);
  // Gives an attached window back to its own procedure; timers set through
  // this object are killed. Returns the window.
  HWND Detach();
  // DestroyWindow; the object itself stays and can create a new window.
  bool Destroy();

  HWND hwnd() const { return hwnd_; }
  // The object bound to a window, or null.
  static Window* FromHandle(HWND window);

  bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  // Timers of this window; each tick arrives as OnTimer(id).
  bool SetTimer(UINT_PTR id, UINT periodMs);
  void KillTimer(UINT_PTR id);
  // A continuation: `action` runs once, on the window's thread, about
  // `delayMs` from now (timer `id`, which it shares with SetTimer's ids).
  // Setting the same id again replaces the pending action.
  bool RunAfter(UINT_PTR id, UINT delayMs, std::function<void()> action);

  // The thread's message loop ends (WM_QUIT) when this window is destroyed.
  void SetQuitOnDestroy(bool quit) { quitOnDestroy_ = quit; }

  // Offered every message that the message loop takes for this window or
  // one of its children, before translation and dispatch; true consumes it.
  virtual bool PreTranslateMessage(MSG& message);

 protected:
  // Every message of the window. The base version calls the typed handlers
  // below and passes everything else to DefaultProc.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The window's own procedure (the class procedure, the control's or the
  // dialog manager's). Only valid while a message of this window is handled.
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  // DefaultProc for the message being handled.
  LRESULT Default();

  // WM_CREATE, after the default processing; false fails the creation.
  virtual bool OnCreate(const CREATESTRUCTW& create);
  // WM_DESTROY, before the default processing.
  virtual void OnDestroy() {}
  virtual void OnTimer(UINT_PTR id);
  // WM_COMMAND; true when handled. Unhandled notifications of a control go
  // to the control's OnReflectedMessage.
  virtual bool OnCommand(WORD id, WORD code, HWND control);
  // WM_PAINT; the base version paints nothing (Default()).
  virtual void OnPaint();
  // A notification that the control's parent did not handle (WM_COMMAND,
  // WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_COMPAREITEM, WM_DELETEITEM,
  // WM_CTLCOLOR*, WM_HSCROLL, WM_VSCROLL), offered to the control's own
  // object so owner-drawn and skinned controls draw themselves. Return true
  // and set `result` to handle it.
  virtual bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // After WM_NCDESTROY, once no handler of the window runs any more.
  virtual void OnFinalMessage() {}

  // Creates a window with `create` (CreateWindowExW, CreateDialog...) and
  // binds this object to it before its first message.
  bool CreateBound(const std::function<HWND()>& create);

 private:
  struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
  };

  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data);
  static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);

  bool Bind(HWND window);
  void Unbind();
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleNcDestroy(WPARAM wParam, LPARAM lParam);
  // Ends one dispatch; runs OnFinalMessage when it was the outermost one of
  // a destroyed window. `this` may be gone afterwards.
  void LeaveDispatch();
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  HWND hwnd_ = nullptr;
  bool created_ = false;
  bool quitOnDestroy_ = false;
  int dispatchDepth_ = 0;
  bool finalPending_ = false;
  CurrentMessage current_;
  std::set<UINT_PTR> timers_;
  std::map<UINT_PTR, std::function<void()>> continuations_;
};

}  // namespace framework
