// Window objects: message dispatch, binding before the first message,
// destruction from inside a handler, subclassing and reflection.
#include "framework/window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/dc.h"
#include "framework/message_loop.h"
#include "framework/text.h"

namespace framework {
namespace {

constexpr UINT kCustom = WM_APP + 1;
constexpr UINT kDestroyNested = WM_APP + 2;
constexpr UINT kDestroyNow = WM_APP + 3;

using Log = std::vector<std::string>;

class LoggingWindow : public Window {
 public:
  explicit LoggingWindow(Log& log) : log_(log) {}

  bool refuseCreate = false;
  Window* childToCreate = nullptr;
  std::wstring createTitle;
  WPARAM customW = 0;
  LPARAM customL = 0;
  WORD commandId = 0;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_NCCREATE:
        log_.push_back("nccreate");
        break;
      case kCustom:
        customW = wParam;
        customL = lParam;
        return 42;
      case kDestroyNested:
        log_.push_back("outer begin");
        Send(kDestroyNow);
        log_.push_back(hwnd() == nullptr ? "outer end, unbound" : "outer end, still bound");
        return 0;
      case kDestroyNow:
        log_.push_back("inner begin");
        DestroyWindow(hwnd());
        log_.push_back("inner end");
        return 0;
    }
    return Window::OnMessage(message, wParam, lParam);
  }
  bool OnCreate(const CREATESTRUCTW& create) override {
    log_.push_back("create");
    createTitle = create.lpszName;
    if (childToCreate != nullptr) {
      childToCreate->Create({.style = WS_CHILD, .width = 10, .height = 10, .parent = hwnd()});
    }
    return !refuseCreate;
  }
  void OnDestroy() override { log_.push_back("destroy"); }
  bool OnCommand(WORD id, WORD, HWND) override {
    commandId = id;
    return id == 6001;
  }
  void OnFinalMessage() override { log_.push_back("final"); }

  Log& log_;
};

// Deletes itself when its window is gone.
class SelfDeletingWindow : public LoggingWindow {
 public:
  using LoggingWindow::LoggingWindow;

 protected:
  void OnFinalMessage() override {
    LoggingWindow::OnFinalMessage();
    delete this;
  }
};

TEST(WindowDispatch, HandlersSeeEveryMessageFromCreationToDestruction) {
  Log log;
  Log childLog;
  LoggingWindow child(childLog);
  LoggingWindow window(log);
  window.childToCreate = &child;
  ASSERT_TRUE(window.Create({.title = L"dispatch \u00E9\u4E2D", .width = 50, .height = 40}));
  const HWND handle = window.hwnd();

  // Bound before the first message; a child created inside OnCreate is
  // bound to its own object.
  EXPECT_EQ(log, (Log{"nccreate", "create"}));
  EXPECT_EQ(window.createTitle, L"dispatch \u00E9\u4E2D");
  EXPECT_EQ(Window::FromHandle(handle), &window);
  ASSERT_NE(child.hwnd(), nullptr);
  EXPECT_EQ(GetParent(child.hwnd()), handle);
  EXPECT_EQ(Window::FromHandle(child.hwnd()), &child);
  EXPECT_EQ(childLog, (Log{"nccreate", "create"}));

  EXPECT_EQ(SendMessageW(handle, kCustom, 7, 9), 42);
  EXPECT_EQ(window.customW, 7u);
  EXPECT_EQ(window.customL, 9);

  SendMessageW(handle, WM_COMMAND, MAKEWPARAM(6001, 0), 0);
  EXPECT_EQ(window.commandId, 6001);

  // Unhandled messages reach the class procedure.
  EXPECT_EQ(WindowText(handle), L"dispatch \u00E9\u4E2D");

  log.clear();
  childLog.clear();
  ASSERT_TRUE(window.Destroy());
  EXPECT_EQ(log, (Log{"destroy", "final"}));
  EXPECT_EQ(childLog, (Log{"destroy", "final"}));
  EXPECT_EQ(window.hwnd(), nullptr);
  EXPECT_EQ(child.hwnd(), nullptr);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(Window::FromHandle(handle), nullptr);

  // The object can make a new window afterwards.
  EXPECT_TRUE(window.Create({.title = L"again"}));
}

TEST(WindowDispatch, RefusedCreationLeavesNoWindow) {
  Log log;
  LoggingWindow window(log);
  window.refuseCreate = true;
  EXPECT_FALSE(window.Create({.title = L"refused"}));
  EXPECT_EQ(window.hwnd(), nullptr);
  EXPECT_EQ(FindWindowByTitle(L"refused"), nullptr);
  EXPECT_EQ(log.back(), "final");
}

TEST(WindowLifetime, WindowDestroyedInsideItsHandlerIsReleasedAfterTheOutermostHandler) {
  Log log;
  auto* window = new SelfDeletingWindow(log);
  ASSERT_TRUE(window->Create({.title = L"self-deleting"}));
  const HWND handle = window->hwnd();
  log.clear();

  SendMessageW(handle, kDestroyNested, 0, 0);

  // The object still exists while both handlers finish; it deletes itself
  // only afterwards (a use after free would show up as a crash or as a
  // garbled log under the checked heap).
  EXPECT_EQ(log, (Log{"outer begin", "inner begin", "destroy", "inner end", "outer end, unbound",
                      "final"}));
  EXPECT_FALSE(IsWindow(handle));
}

TEST(WindowLifetime, DeletingTheObjectNeverCallsIntoItAgain) {
  Log log;
  auto created = std::make_unique<LoggingWindow>(log);
  ASSERT_TRUE(created->Create({.title = L"owned"}));
  const HWND createdHandle = created->hwnd();
  log.clear();
  created.reset();
  EXPECT_FALSE(IsWindow(createdHandle));  // a window it created is destroyed
  EXPECT_TRUE(log.empty());               // without calling the half-deleted object

  // A window it only attached keeps living with its own procedure.
  const HWND edit = CreateWindowExW(0, L"EDIT", L"kept", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                    nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  auto attached = std::make_unique<LoggingWindow>(log);
  ASSERT_TRUE(attached->Attach(edit));
  EXPECT_FALSE(LoggingWindow(log).Attach(edit));  // one object per window
  attached.reset();
  EXPECT_TRUE(IsWindow(edit));
  EXPECT_EQ(Window::FromHandle(edit), nullptr);
  SetWindowTextW(edit, L"still works");
  EXPECT_EQ(WindowText(edit), L"still works");
  DestroyWindow(edit);
  EXPECT_TRUE(log.empty());
}

// Swallows the character 'x', passes everything else on to the control.
class NoXFilter : public Window {
 public:
  int created = 0;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CHAR && wParam == L'x') {
      return 0;
    }
    return Window::OnMessage(message, wParam, lParam);
  }
  bool OnCreate(const CREATESTRUCTW&) override {
    ++created;
    return true;
  }
};

TEST(Subclass, AttachedControlSeesMessagesFirstAndTheRestReachesTheControl) {
  const HWND edit =
      CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  NoXFilter filter;
  ASSERT_TRUE(filter.Attach(edit));
  for (const wchar_t c : std::wstring(L"axb")) {
    SendMessageW(edit, WM_CHAR, c, 1);
  }
  EXPECT_EQ(WindowText(edit), L"ab");

  EXPECT_EQ(filter.Detach(), edit);
  SendMessageW(edit, WM_CHAR, L'x', 1);
  EXPECT_EQ(WindowText(edit), L"abx");
  DestroyWindow(edit);

  // A control of a system class created through the framework is bound
  // before its WM_CREATE.
  NoXFilter created;
  ASSERT_TRUE(created.Create({.className = L"EDIT", .width = 100, .height = 20}));
  EXPECT_EQ(created.created, 1);
  SendMessageW(created.hwnd(), WM_CHAR, L'x', 1);
  SendMessageW(created.hwnd(), WM_CHAR, L'y', 1);
  EXPECT_EQ(WindowText(created.hwnd()), L"y");
}

// An owner-drawn button that paints itself from the parent's WM_DRAWITEM
// and takes its own click notification.
class SelfDrawingButton : public Window {
 public:
  int draws = 0;
  int clicks = 0;

 protected:
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_DRAWITEM) {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      GdiBrush red(CreateSolidBrush(RGB(255, 0, 0)));
      FillRect(item.hDC, &item.rcItem, red.get());
      ++draws;
      result = TRUE;
      return true;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
      ++clicks;
      result = 0;
      return true;
    }
    return false;
  }
};

class PlainParent : public Window {
 public:
  int commands = 0;

 protected:
  bool OnCommand(WORD, WORD, HWND) override {
    ++commands;
    return false;  // not handled here: the button gets it
  }
};

TEST(Subclass, NotificationsTheParentLeavesReachTheControlsObject) {
  PlainParent parent;
  ASSERT_TRUE(parent.Create(
      {.style = WS_POPUP | WS_VISIBLE, .x = 10, .y = 10, .width = 120, .height = 60}));
  SelfDrawingButton button;
  ASSERT_TRUE(button.Create({.className = L"BUTTON",
                             .style = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                             .width = 40,
                             .height = 20,
                             .parent = parent.hwnd(),
                             .idOrMenu = 0}));
  UpdateWindow(parent.hwnd());
  WaitPumpingMessages(200, [&] { return button.draws > 0; });
  EXPECT_GT(button.draws, 0);
  WindowDC screen(button.hwnd());
  EXPECT_EQ(GetPixel(screen, 5, 5), RGB(255, 0, 0));

  SendMessageW(button.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(parent.commands, 1);
  EXPECT_EQ(button.clicks, 1);
}

// Paints through PaintDC, which validates what it painted.
class PaintingWindow : public Window {
 public:
  int paints = 0;

 protected:
  void OnPaint() override {
    PaintDC dc(hwnd());
    ++paints;
  }
};

TEST(WindowDispatch, PaintHandlerValidatesTheWindow) {
  PaintingWindow window;
  ASSERT_TRUE(window.Create({.style = WS_POPUP | WS_VISIBLE, .width = 30, .height = 30}));
  InvalidateRect(window.hwnd(), nullptr, FALSE);
  UpdateWindow(window.hwnd());
  EXPECT_GE(window.paints, 1);
  EXPECT_FALSE(GetUpdateRect(window.hwnd(), nullptr, FALSE));
}

}  // namespace
}  // namespace framework
