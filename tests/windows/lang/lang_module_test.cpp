// Lang.dll as the programs use it: loaded from the program folder, every text
// fetched by number with LoadStringW into the programs' buffer, and measured
// with the fonts the pages draw it with.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dist_folder.h"
#include "support/lang/text_ids.h"

namespace mouse {
namespace {

std::wstring ModulePath() { return (testing::DistFolder() / "Lang.dll").wstring(); }

std::wstring Text(HMODULE module, unsigned id) {
  wchar_t buffer[kTextBufferLength];
  const int length = LoadStringW(module, id, buffer, kTextBufferLength);
  return std::wstring(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// Length of the text as stored, whatever buffer it would be loaded into.
int StoredLength(HMODULE module, unsigned id) {
  const wchar_t* text = nullptr;
  return LoadStringW(module, id, reinterpret_cast<wchar_t*>(&text), 0);
}

TEST(LangModule, LoadsAsALibraryAndAsADataFile) {
  const std::wstring path = ModulePath();
  for (const DWORD flags : {DWORD{0}, DWORD{LOAD_LIBRARY_AS_DATAFILE}}) {
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, flags);
    ASSERT_NE(module, nullptr) << "flags " << flags << ", error " << GetLastError();
    EXPECT_FALSE(Text(module, kTextTrayTip).empty()) << "flags " << flags;
    FreeLibrary(module);
  }
}

class LangTexts : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { module_ = LoadLibraryW(ModulePath().c_str()); }
  static void TearDownTestSuite() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
  }
  void SetUp() override { ASSERT_NE(module_, nullptr) << "Lang.dll did not load"; }

  static std::wstring Get(unsigned id) { return Text(module_, id); }

  static HMODULE module_;
};

HMODULE LangTexts::module_ = nullptr;

TEST_F(LangTexts, EveryNumberHasATextThatFitsTheBuffer) {
  for (const TextId id : kAllTextIds) {
    const int stored = StoredLength(module_, id);
    EXPECT_GT(stored, 0) << "text " << id;
    EXPECT_LT(stored, kTextBufferLength) << "text " << id;  // room for the NUL
    EXPECT_EQ(Get(id).size(), static_cast<std::size_t>(stored)) << "text " << id;
  }
}

// The controls are known to users and to every page by these names.
TEST_F(LangTexts, NamedControlsReadExactly) {
  const struct {
    TextId id;
    const wchar_t* text;
  } cases[] = {
      {kTextMainOk, L"OK"},
      {kTextMainApply, L"Apply"},
      {kTextMainCancel, L"Cancel"},
      {kTextDialogOk, L"OK"},
      {kTextDialogCancel, L"Cancel"},
      {kTextModifierShift, L"Shift"},
      {kTextModifierCtrl, L"Ctrl"},
      {kTextModifierAlt, L"Alt"},
      {kTextModifierWin, L"Win"},
      {kTextMenuRecordBefore, L"Record before"},
      {kTextMenuRecordAfter, L"Record after"},
      {kTextMenuInsertDelay, L"Insert delay"},
      {kTextMenuEdit, L"Edit"},
      {kTextMenuDelete, L"Delete"},
  };
  for (const auto& c : cases) EXPECT_EQ(Get(c.id), c.text) << "text " << c.id;
}

TEST_F(LangTexts, NonAsciiCharactersSurvive) {
  EXPECT_EQ(Get(kTextTrayTip), L"Gaming mouse \u2013 double-click to open the settings");
  EXPECT_EQ(Get(kTextFuncRunProgram), L"Start a program\u2026");
}

// Menus and DrawText without DT_NOPREFIX take '&' for an accelerator, tabs
// and line breaks split single-line captions, and no page formats a text.
TEST_F(LangTexts, ShowAsTheyAreInMenusAndDrawnTexts) {
  for (const TextId id : kAllTextIds) {
    const std::wstring text = Get(id);
    if (text.empty()) continue;  // reported by EveryNumberHasATextThatFitsTheBuffer
    EXPECT_TRUE(text.find_first_of(L"&%\t\r\n") == std::wstring::npos)
        << "text " << id << ": " << ::testing::PrintToString(text);
    EXPECT_NE(text.front(), L' ') << "text " << id;
    EXPECT_NE(text.back(), L' ') << "text " << id;
  }
}

TEST_F(LangTexts, TrayTipFitsTheNotificationIcon) { EXPECT_LE(Get(kTextTrayTip).size(), 127u); }

// Skinned buttons and tabs are small and end a long caption with an
// ellipsis; their captions keep to 16 characters.
TEST_F(LangTexts, ButtonCaptionsAreShort) {
  std::vector<TextId> captions = {
      kTextMainProgram, kTextMainImport,   kTextMainExport,    kTextEdit,
      kTextMainOk,      kTextMainApply,    kTextMainCancel,    kTextMainSettings,
      kTextMacroRecord, kTextMacroStop,    kTextMacroNew,      kTextMacroDelete,
      kTextDialogOk,    kTextDialogCancel, kTextRestoreButton, kTextResetToDefault};
  captions.insert(captions.end(), std::begin(kTextTabCaptions), std::end(kTextTabCaptions));
  captions.insert(captions.end(), std::begin(kTextSlotCaptions), std::end(kTextSlotCaptions));
  for (const TextId id : captions) {
    EXPECT_LE(Get(id).size(), 16u) << "text " << id;
  }
}

// The space a page gives a text: up to the next control or the edge of its
// area, measured with the font the page draws it with (the face is asked
// for by name; what stands in for it is held to the same average width).
struct Place {
  TextId id;
  int fontHeight;
  int fontWidth;
  int width;
  int height;  // 0: one line
};

void AddGroup(std::vector<Place>& places, std::initializer_list<TextId> ids, Place shape) {
  for (const TextId id : ids) {
    shape.id = id;
    places.push_back(shape);
  }
}

std::vector<Place> PaintedPlaces() {
  std::vector<Place> places = {
      // Word-wrapped texts: program chooser hint, restore explanation,
      // restore question.
      {kTextProgramHint, 16, 6, 311, 36},
      {kTextRestoreExplanation, 16, 6, 346, 35},
      {kTextRestoreQuestion, 18, 7, 281, 64},
      // Headings of the dialogs and pages.
      {kTextProgramTitle, 18, 7, 311, 0},
      {kTextRenameTitle, 18, 7, 279, 0},
      {kTextResetToDefault, 18, 7, 287, 0},
      {kTextModifierHeading, 18, 7, 282, 0},
      {kTextRestoreHeading, 17, 7, 346, 0},
      {kTextMacroListHeading, 17, 6, 175, 0},
      // Labels that end where the next one starts.
      {kTextModifierNone, 17, 6, 51, 0},
      {kTextModifierShift, 17, 6, 44, 0},
      {kTextModifierCtrl, 17, 6, 50, 0},
      {kTextModifierAlt, 17, 6, 38, 0},
      {kTextModifierWin, 17, 6, 66, 0},
      {kTextSensitivityHeading, 17, 6, 87, 0},
      {kTextSensitivityLink, 17, 6, 92, 0},
      {kTextPollingRateHeading, 17, 6, 119, 0},
      {kTextOtgSpeedHeading, 17, 6, 102, 0},
      {kTextMacroRecordDelays, 16, 6, 85, 0},
      {kTextAcceleration, 17, 6, 216, 0},
      {kTextScrollOneScreen, 17, 6, 216, 0},
  };
  AddGroup(places, {kTextCpiLevel1, kTextCpiLevel2, kTextCpiLevel3, kTextCpiLevel4},
           {{}, 17, 6, 111, 0});
  AddGroup(places, {kTextPollingRate0, kTextPollingRate1, kTextPollingRate2, kTextPollingRate3},
           {{}, 17, 6, 73, 0});
  AddGroup(places, {kTextOtgSpeedLow, kTextOtgSpeedMiddle, kTextOtgSpeedHigh}, {{}, 17, 6, 116, 0});
  AddGroup(places, {kTextSoftwareVersionLabel, kTextHelperVersionLabel, kTextModelLabel},
           {{}, 17, 7, 150, 0});
  AddGroup(
      places,
      {kTextLightingModeA, kTextLightingModeB, kTextLightingOff, kTextColourNone, kTextColourRed,
       kTextColourYellow, kTextColourBlue, kTextColourMagenta, kTextColourGreen, kTextColourCyan},
      {{}, 18, 7, 150, 0});
  // Entries and headings of the two chooser pages: lists of 153 pixels with
  // a scroll bar and a 5-pixel margin.
#define MOUSE_LIST_TEXT(name, number) name,
  AddGroup(places, {MOUSE_TEXTS_MOUSE_FUNCTIONS(MOUSE_LIST_TEXT)}, {{}, 17, 6, 132, 0});
  AddGroup(places, {MOUSE_TEXTS_MORE_FUNCTIONS(MOUSE_LIST_TEXT)}, {{}, 17, 6, 132, 0});
#undef MOUSE_LIST_TEXT
  return places;
}

TEST_F(LangTexts, PaintedTextsFitTheirPlace) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  for (const Place& place : PaintedPlaces()) {
    HFONT font = CreateFontW(place.fontHeight, place.fontWidth, 0, 0, FW_NORMAL, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             CLEARTYPE_QUALITY, 0x30, L"HelveticaNeueLT Com 67 MdCn");
    ASSERT_NE(font, nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    const std::wstring text = Get(place.id);
    RECT rect = {0, 0, place.width, 0};
    const UINT flags = DT_CALCRECT | DT_NOPREFIX | (place.height ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
    EXPECT_GT(rect.right, 0) << "text " << place.id;  // measured at all
    EXPECT_LE(rect.right, place.width) << "text " << place.id;
    if (place.height) {
      EXPECT_LE(rect.bottom, place.height) << "text " << place.id;
    }
    SelectObject(dc, previous);
    DeleteObject(font);
  }
  DeleteDC(dc);
}

}  // namespace
}  // namespace mouse
