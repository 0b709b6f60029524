// A dialog template built in memory (the layout of a DIALOG resource), for
// dialogs whose controls are made at run time and for tests.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace framework {

// The predefined control classes of a template, by their atoms.
enum class ControlClass : WORD {
  Button = 0x0080,
  Edit = 0x0081,
  Static = 0x0082,
  ListBox = 0x0083,
  ScrollBar = 0x0084,
  ComboBox = 0x0085
};

// Positions and sizes are in dialog units, as in a resource script.
struct DialogBox {
  short x = 0;
  short y = 0;
  short cx = 0;
  short cy = 0;
};

class DialogTemplateBuilder {
 public:
  // DS_SETFONT is added when `font` is not empty.
  DialogTemplateBuilder(DWORD style, DWORD exStyle, DialogBox box, std::wstring_view title,
                        std::wstring_view font = L"MS Shell Dlg", WORD pointSize = 8);

  DialogTemplateBuilder& AddControl(ControlClass controlClass, std::wstring_view text, WORD id,
                                    DWORD style, DialogBox box, DWORD exStyle = 0);
  DialogTemplateBuilder& AddControl(std::wstring_view className, std::wstring_view text, WORD id,
                                    DWORD style, DialogBox box, DWORD exStyle = 0);

  // Valid until the builder changes or goes away.
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void AddItemHeader(DWORD style, DWORD exStyle, DialogBox box, WORD id);
  void AddDword(DWORD value);
  void AddString(std::wstring_view text);
  void AlignToDword();

  std::vector<WORD> words_;
};

}  // namespace framework
