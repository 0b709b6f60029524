// The dialog base class: a Window made from a dialog template (a resource
// of the program or another module, or a template built in memory), modal
// or modeless, with the same OnMessage dispatch as every window. The object
// is bound before the dialog's first message, so it sees WM_CREATE as well
// as WM_INITDIALOG.
//
//   class CDlgRename : public framework::Dialog {
//    public:
//     CDlgRename() : Dialog(140) {}
//    protected:
//     bool OnInitDialog() override { ...; return true; }
//     void OnOK() override { ...; Dialog::OnOK(); }
//   };
//   CDlgRename dialog;
//   if (dialog.DoModal(owner) == IDOK) ...
//
// DoModal runs the framework's own modal loop, so PreTranslateMessage of the
// dialog and its controls works there as in the main loop; the dialog's
// keyboard handling (IsDialogMessage) is Dialog::PreTranslateMessage.
#pragma once

#include <windows.h>

#include "framework/window.h"

namespace framework {

class Dialog : public Window {
 public:
  // Template resource `templateId` of `module` (null: the program).
  explicit Dialog(UINT templateId, HINSTANCE module = nullptr);
  // A template in memory; it must stay valid while a dialog is created.
  explicit Dialog(const DLGTEMPLATE* dialogTemplate);

  // Shows the dialog with `owner` (its top-level window) disabled and
  // handles messages until EndDialog; returns EndDialog's result, IDCANCEL
  // when the dialog was destroyed otherwise or WM_QUIT arrived (posted
  // again), -1 when it could not be created.
  INT_PTR DoModal(HWND owner = nullptr);
  // A modeless dialog, for example a child page (WS_CHILD template) of
  // `parent`. Visible when the template says WS_VISIBLE.
  bool CreateModeless(HWND parent);
  // Ends a modal dialog with `result`; destroys a modeless one.
  void EndDialog(INT_PTR result);
  bool IsModal() const { return modal_; }

  // Dialog keyboard handling (IsDialogMessage) for a top-level dialog.
  bool PreTranslateMessage(MSG& message) override;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  // WM_INITDIALOG; true lets the dialog manager set the focus.
  virtual bool OnInitDialog() { return true; }
  // IDOK and IDCANCEL (Enter, Esc, the close box).
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

 private:
  bool CreateFromTemplate(HWND parent);

  UINT templateId_ = 0;
  HINSTANCE module_ = nullptr;
  const DLGTEMPLATE* template_ = nullptr;
  bool modal_ = false;
  bool ended_ = false;
  INT_PTR result_ = IDCANCEL;
};

}  // namespace framework
