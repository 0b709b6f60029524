#include "framework/dialog.h"

#include "framework/message_loop.h"

namespace framework {

namespace {

// The dialog manager's procedure: everything is handled (or left to the
// dialog manager) by the Window object in front of it.
INT_PTR CALLBACK PassiveDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

Dialog::Dialog(UINT templateId, HINSTANCE module) : templateId_(templateId), module_(module) {}

Dialog::Dialog(const DLGTEMPLATE* dialogTemplate) : template_(dialogTemplate) {}

bool Dialog::CreateFromTemplate(HWND parent) {
  return CreateBound([this, parent] {
    if (template_ != nullptr) {
      return CreateDialogIndirectParamW(ProgramInstance(), template_, parent, PassiveDialogProc, 0);
    }
    return CreateDialogParamW(module_ != nullptr ? module_ : ProgramInstance(),
                              MAKEINTRESOURCEW(templateId_), parent, PassiveDialogProc, 0);
  });
}

INT_PTR Dialog::DoModal(HWND owner) {
  if (hwnd() != nullptr) {
    return -1;
  }
  const HWND topOwner = owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr;
  modal_ = true;
  ended_ = false;
  result_ = IDCANCEL;
  if (!CreateFromTemplate(topOwner)) {
    modal_ = false;
    return -1;
  }
  const bool reenableOwner = topOwner != nullptr && IsWindowEnabled(topOwner);
  if (reenableOwner) {
    EnableWindow(topOwner, FALSE);
  }
  ShowWindow(hwnd(), SW_SHOW);
  WaitPumpingMessages(INFINITE, [this] { return ended_ || hwnd() == nullptr; });
  if (reenableOwner) {
    EnableWindow(topOwner, TRUE);
  }
  if (hwnd() != nullptr) {
    if (topOwner != nullptr && GetActiveWindow() == hwnd()) {
      SetActiveWindow(topOwner);
    }
    DestroyWindow(hwnd());
  }
  modal_ = false;
  return result_;
}

bool Dialog::CreateModeless(HWND parent) {
  if (hwnd() != nullptr) {
    return false;
  }
  modal_ = false;
  return CreateFromTemplate(parent);
}

void Dialog::EndDialog(INT_PTR result) {
  result_ = result;
  if (modal_) {
    ended_ = true;
    Post(WM_NULL);
  } else {
    Destroy();
  }
}

bool Dialog::PreTranslateMessage(MSG& message) {
  if (hwnd() == nullptr || (GetWindowLongW(hwnd(), GWL_STYLE) & WS_CHILD) != 0) {
    return false;
  }
  return IsDialogMessageW(hwnd(), &message) != FALSE;
}

LRESULT Dialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    return OnInitDialog() ? TRUE : FALSE;
  }
  return Window::OnMessage(message, wParam, lParam);
}

bool Dialog::OnCommand(WORD id, WORD code, HWND) {
  if (code != BN_CLICKED) {
    return false;
  }
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

}  // namespace framework
