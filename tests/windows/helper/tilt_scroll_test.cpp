// Horizontal scrolling from the tilt wheel, over real windows under Wine.
#include "helper/win32/tilt_scroll.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "recording_window.h"

namespace mouse::win32 {
namespace {

using ::mouse::testing::CentreOf;
using ::mouse::testing::PumpMessages;
using ::mouse::testing::RecordingWindow;

constexpr DWORD kFrameStyle = WS_POPUP | WS_VISIBLE;
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;

class TiltScrollTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = std::make_unique<RecordingWindow>(L"TiltTestFrame", L"tilt test", kFrameStyle, 100,
                                               100, 500, 300);
    ASSERT_NE(frame_->hwnd(), nullptr);
  }
  void PointAt(HWND window) {
    const POINT centre = CentreOf(window);
    SetCursorPos(centre.x, centre.y);
    PumpMessages(50);
    ASSERT_EQ(WindowFromPoint(centre), window) << "the test window is under the cursor";
  }
  std::unique_ptr<RecordingWindow> frame_;
};

// A list view that scrolls sideways, and the WM_HSCROLL messages it gets.
class ScrollingListView {
 public:
  explicit ScrollingListView(HWND parent) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    hwnd_ = CreateWindowExW(0, WC_LISTVIEWW, L"", kChildStyle | LVS_REPORT, 10, 10, 300, 200,
                            parent, nullptr, nullptr, nullptr);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 2000;  // wider than the view: it scrolls sideways
    SendMessageW(hwnd_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    SetWindowSubclass(hwnd_, Record, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  ~ScrollingListView() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }
  std::vector<WPARAM> scrolls;

 private:
  static LRESULT CALLBACK Record(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    if (m == WM_HSCROLL) reinterpret_cast<ScrollingListView*>(self)->scrolls.push_back(wp);
    return DefSubclassProc(w, m, wp, lp);
  }
  HWND hwnd_;
};

TEST_F(TiltScrollTest, AListViewScrollsItselfTiltSpeedTimes) {
  ScrollingListView list(frame_->hwnd());
  ASSERT_NE(GetWindowLongW(list.hwnd(), GWL_STYLE) & WS_HSCROLL, 0);
  PointAt(list.hwnd());
  TiltScroll(-1, 3);
  PumpMessages(100);
  EXPECT_EQ(list.scrolls, (std::vector<WPARAM>{SB_LINERIGHT, SB_LINERIGHT, SB_LINERIGHT}));
}

TEST_F(TiltScrollTest, AMozillaWindowGetsArrowKeysThroughItsParent) {
  RecordingWindow page(L"MozillaWindowClass", L"", kChildStyle, 10, 10, 300, 200, frame_->hwnd());
  PointAt(page.hwnd());
  TiltScroll(+1, 2);
  PumpMessages(100);
  const auto downs = frame_->Of(WM_KEYDOWN);
  const auto ups = frame_->Of(WM_KEYUP);
  ASSERT_EQ(downs.size(), 2u);
  ASSERT_EQ(ups.size(), 2u);
  EXPECT_EQ(downs[0].wParam, static_cast<WPARAM>(VK_LEFT));
  EXPECT_EQ(downs[0].lParam, 0x014B0001);
  EXPECT_EQ(static_cast<DWORD>(ups[1].lParam), 0xC14B0001u);
  EXPECT_TRUE(page.Of(WM_KEYDOWN).empty());
}

TEST_F(TiltScrollTest, ASpreadsheetIsClickedInItsCornerAndTheCursorReturns) {
  RecordingWindow sheet(L"EXCEL7", L"", kChildStyle | WS_HSCROLL, 20, 20, 300, 200, frame_->hwnd());
  PointAt(sheet.hwnd());
  POINT before{};
  GetCursorPos(&before);
  TiltScroll(-1, 3);  // right: the right end of the scroll bar
  PumpMessages(200);
  const auto clicks = sheet.Of(WM_LBUTTONDOWN);
  ASSERT_EQ(clicks.size(), 3u);
  RECT client{};
  GetClientRect(sheet.hwnd(), &client);
  RECT window{};
  GetWindowRect(sheet.hwnd(), &window);
  POINT clicked{static_cast<short>(LOWORD(clicks[0].lParam)),
                static_cast<short>(HIWORD(clicks[0].lParam))};
  ClientToScreen(sheet.hwnd(), &clicked);
  EXPECT_EQ(clicked.x, window.right - 5);
  EXPECT_EQ(clicked.y, window.top + 5);
  POINT after{};
  GetCursorPos(&after);
  EXPECT_EQ(after.x, before.x);
  EXPECT_EQ(after.y, before.y);
}

TEST_F(TiltScrollTest, AWordProcessorScrollsThroughTheScrollBarBesideIt) {
  RecordingWindow document(L"_WwG", L"", kChildStyle, 0, 0, 500, 250, frame_->hwnd());
  HWND bar = CreateWindowExW(0, L"SCROLLBAR", L"", kChildStyle | SBS_HORZ, 0, 250, 500, 20,
                             frame_->hwnd(), nullptr, nullptr, nullptr);
  PointAt(document.hwnd());
  TiltScroll(+1, 2);
  PumpMessages(100);
  const auto scrolls = frame_->Of(WM_HSCROLL);
  ASSERT_EQ(scrolls.size(), 2u);
  EXPECT_EQ(scrolls[0].wParam, static_cast<WPARAM>(SB_LINELEFT));
  EXPECT_EQ(scrolls[0].lParam, reinterpret_cast<LPARAM>(bar));
  EXPECT_TRUE(document.Of(WM_HSCROLL).empty());
}

TEST_F(TiltScrollTest, DesktopIconsAreLeftAlone) {
  RecordingWindow desktop(L"Progman", L"Program Manager", kFrameStyle, 600, 100, 400, 300);
  ScrollingListView icons(desktop.hwnd());
  PointAt(icons.hwnd());
  TiltScroll(-1, 3);
  PumpMessages(100);
  EXPECT_TRUE(icons.scrolls.empty());
  EXPECT_TRUE(desktop.Of(WM_HSCROLL).empty());
}

TEST_F(TiltScrollTest, NothingHappensOverTheDesktopOrWhereNothingScrolls) {
  RecordingWindow plain(L"TiltTestPlain", L"", kChildStyle, 10, 10, 200, 100, frame_->hwnd());
  PointAt(plain.hwnd());
  TiltScroll(+1, 3);
  SetCursorPos(1270, 1010);  // no window there
  PumpMessages(50);
  ASSERT_EQ(WindowFromPoint(POINT{1270, 1010}), GetDesktopWindow());
  TiltScroll(-1, 3);
  PumpMessages(100);
  EXPECT_TRUE(plain.Of(WM_HSCROLL).empty());
  EXPECT_TRUE(frame_->Of(WM_HSCROLL).empty());
  EXPECT_TRUE(frame_->Of(WM_KEYDOWN).empty());
}

}  // namespace
}  // namespace mouse::win32
