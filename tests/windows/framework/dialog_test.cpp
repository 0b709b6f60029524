// Dialogs: modal and modeless, from memory and from the program's
// resources, with the framework's own modal loop.
#include "framework/dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_test_resources.h"
#include "framework/dialog_template.h"
#include "framework/message_loop.h"
#include "framework/text.h"

namespace framework {
namespace {

constexpr WORD kEditId = 100;
constexpr WORD kPageButtonId = 200;
constexpr UINT kEnd = WM_APP + 20;

DialogTemplateBuilder ModalTemplate() {
  DialogTemplateBuilder builder(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0,
                                {10, 10, 160, 80}, L"modal test");
  builder.AddControl(ControlClass::Edit, L"", kEditId, WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                     {5, 5, 100, 14});
  builder.AddControl(ControlClass::Button, L"OK", IDOK,
                     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {5, 40, 50, 14});
  return builder;
}

// Ends itself by what `action` does once the dialog's loop is running.
class ScriptedDialog : public Dialog {
 public:
  using Dialog::Dialog;

  enum class Action { ClickOk, PressEscape, EndWith42, Quit };
  Action action = Action::ClickOk;
  HWND owner = nullptr;
  bool ownerEnabledWhileModal = true;
  std::vector<std::string> steps;

 protected:
  bool OnCreate(const CREATESTRUCTW& create) override {
    steps.push_back("create");
    return Dialog::OnCreate(create);
  }
  bool OnInitDialog() override {
    steps.push_back("init");
    SetDlgItemTextW(hwnd(), kEditId, L"typed");
    RunAfter(1, 10, [this] { Act(); });
    return true;
  }
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kEnd) {
      EndDialog(42);
      return 0;
    }
    return Dialog::OnMessage(message, wParam, lParam);
  }
  void OnOK() override {
    steps.push_back("ok");
    Dialog::OnOK();
  }
  void OnCancel() override {
    steps.push_back("cancel");
    Dialog::OnCancel();
  }

 private:
  void Act() {
    ownerEnabledWhileModal = owner != nullptr && IsWindowEnabled(owner);
    switch (action) {
      case Action::ClickOk:
        SendMessageW(GetDlgItem(hwnd(), IDOK), BM_CLICK, 0, 0);
        break;
      case Action::PressEscape:
        // Through the message loop: the dialog's keyboard handling turns
        // Esc on a control into IDCANCEL.
        PostMessageW(GetDlgItem(hwnd(), kEditId), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        break;
      case Action::EndWith42:
        Post(kEnd);
        break;
      case Action::Quit:
        PostQuitMessage(3);
        break;
    }
  }
};

struct ModalCase {
  ScriptedDialog::Action action;
  INT_PTR result;
  const char* lastStep;
};

TEST(Dialog, ModalFromMemoryRunsItsOwnLoopUntilItEnds) {
  const DialogTemplateBuilder builder = ModalTemplate();
  Window owner;
  ASSERT_TRUE(owner.Create({.title = L"dialog owner"}));

  const ModalCase cases[] = {
      {ScriptedDialog::Action::ClickOk, IDOK, "ok"},
      {ScriptedDialog::Action::PressEscape, IDCANCEL, "cancel"},
      {ScriptedDialog::Action::EndWith42, 42, "init"},
      {ScriptedDialog::Action::Quit, IDCANCEL, "init"},
  };
  for (const ModalCase& c : cases) {
    SCOPED_TRACE(c.lastStep + std::to_string(c.result));
    ScriptedDialog dialog(builder.Get());
    dialog.action = c.action;
    dialog.owner = owner.hwnd();
    EXPECT_EQ(dialog.DoModal(owner.hwnd()), c.result);
    EXPECT_EQ(dialog.steps.front(), "create");  // bound before WM_INITDIALOG
    EXPECT_EQ(dialog.steps.at(1), "init");
    EXPECT_EQ(dialog.steps.back(), c.lastStep);
    EXPECT_FALSE(dialog.ownerEnabledWhileModal);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    EXPECT_EQ(dialog.hwnd(), nullptr);
    EXPECT_FALSE(dialog.IsModal());
  }
  // The quit that ended the last dialog is still there for the main loop.
  MSG message{};
  EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), 0);
  EXPECT_EQ(message.wParam, 3u);
}

class Page : public Dialog {
 public:
  using Dialog::Dialog;
  WORD clicked = 0;
  bool destroyed = false;

 protected:
  bool OnCommand(WORD id, WORD code, HWND control) override {
    if (code == BN_CLICKED) {
      clicked = id;
      return true;
    }
    return Dialog::OnCommand(id, code, control);
  }
  void OnDestroy() override { destroyed = true; }
};

TEST(Dialog, ModelessChildPagesFromMemoryAndFromResources) {
  Window parent;
  ASSERT_TRUE(parent.Create({.title = L"page parent", .width = 300, .height = 200}));

  DialogTemplateBuilder builder(WS_CHILD | WS_VISIBLE | DS_CONTROL, 0, {0, 0, 100, 60}, L"");
  builder.AddControl(ControlClass::Button, L"Press", kPageButtonId,
                     WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, {5, 5, 50, 14});
  Page memoryPage(builder.Get());
  Page resourcePage(kTestPageTemplate);
  ASSERT_TRUE(memoryPage.CreateModeless(parent.hwnd()));
  ASSERT_TRUE(resourcePage.CreateModeless(parent.hwnd()));
  EXPECT_FALSE(Page(999).CreateModeless(parent.hwnd()));  // no such template

  EXPECT_EQ(GetParent(memoryPage.hwnd()), parent.hwnd());
  EXPECT_EQ(GetParent(resourcePage.hwnd()), parent.hwnd());
  EXPECT_EQ(WindowText(GetDlgItem(resourcePage.hwnd(), kTestPageLabel)), L"Label \u00E9");

  SendMessageW(GetDlgItem(memoryPage.hwnd(), kPageButtonId), BM_CLICK, 0, 0);
  SendMessageW(GetDlgItem(resourcePage.hwnd(), kTestPageButton), BM_CLICK, 0, 0);
  EXPECT_EQ(memoryPage.clicked, kPageButtonId);
  EXPECT_EQ(resourcePage.clicked, kTestPageButton);

  // Pages go with their parent.
  parent.Destroy();
  EXPECT_TRUE(memoryPage.destroyed);
  EXPECT_TRUE(resourcePage.destroyed);
  EXPECT_EQ(memoryPage.hwnd(), nullptr);
  EXPECT_EQ(resourcePage.hwnd(), nullptr);
}

}  // namespace
}  // namespace framework
