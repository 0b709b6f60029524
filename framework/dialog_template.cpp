#include "framework/dialog_template.h"

namespace framework {

namespace {

// The item count of DLGTEMPLATE, in words from the start.
constexpr std::size_t kItemCountWord = 4;

}  // namespace

DialogTemplateBuilder::DialogTemplateBuilder(DWORD style, DWORD exStyle, DialogBox box,
                                             std::wstring_view title, std::wstring_view font,
                                             WORD pointSize) {
  if (!font.empty()) {
    style |= DS_SETFONT;
  }
  AddDword(style);
  AddDword(exStyle);
  words_.push_back(0);  // item count
  words_.push_back(static_cast<WORD>(box.x));
  words_.push_back(static_cast<WORD>(box.y));
  words_.push_back(static_cast<WORD>(box.cx));
  words_.push_back(static_cast<WORD>(box.cy));
  words_.push_back(0);  // no menu
  words_.push_back(0);  // the dialog class
  AddString(title);
  if (!font.empty()) {
    words_.push_back(pointSize);
    AddString(font);
  }
}

DialogTemplateBuilder& DialogTemplateBuilder::AddControl(ControlClass controlClass,
                                                         std::wstring_view text, WORD id,
                                                         DWORD style, DialogBox box,
                                                         DWORD exStyle) {
  AddItemHeader(style, exStyle, box, id);
  words_.push_back(0xFFFF);
  words_.push_back(static_cast<WORD>(controlClass));
  AddString(text);
  words_.push_back(0);  // no creation data
  return *this;
}

DialogTemplateBuilder& DialogTemplateBuilder::AddControl(std::wstring_view className,
                                                         std::wstring_view text, WORD id,
                                                         DWORD style, DialogBox box,
                                                         DWORD exStyle) {
  AddItemHeader(style, exStyle, box, id);
  AddString(className);
  AddString(text);
  words_.push_back(0);
  return *this;
}

void DialogTemplateBuilder::AddItemHeader(DWORD style, DWORD exStyle, DialogBox box, WORD id) {
  AlignToDword();
  AddDword(style);
  AddDword(exStyle);
  words_.push_back(static_cast<WORD>(box.x));
  words_.push_back(static_cast<WORD>(box.y));
  words_.push_back(static_cast<WORD>(box.cx));
  words_.push_back(static_cast<WORD>(box.cy));
  words_.push_back(id);
  ++words_[kItemCountWord];
}

void DialogTemplateBuilder::AddDword(DWORD value) {
  words_.push_back(LOWORD(value));
  words_.push_back(HIWORD(value));
}

void DialogTemplateBuilder::AddString(std::wstring_view text) {
  words_.insert(words_.end(), text.begin(), text.end());
  words_.push_back(0);
}

void DialogTemplateBuilder::AlignToDword() {
  if (words_.size() % 2 != 0) {
    words_.push_back(0);
  }
}

}  // namespace framework
