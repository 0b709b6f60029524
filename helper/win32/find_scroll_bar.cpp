#include "helper/win32/find_scroll_bar.h"

#include <string>

#include "helper/win32/window_text.h"

namespace mouse::win32 {

namespace {

bool IsScrollBarClass(const std::wstring& name) {
  return name == L"ScrollBar" || name == L"NUIScrollbar";
}

// An "AVL_AVScrollBar" wraps its real scroll bar: that bar when it is a
// horizontal one (neither the vertical style bit nor the size-box bit).
HWND WrappedHorizontalBar(HWND wrapper, std::wstring& className) {
  HWND inner = GetWindow(wrapper, GW_CHILD);
  if (inner == nullptr) {
    return nullptr;
  }
  className = ClassNameOf(inner);
  const LONG style = GetWindowLongW(inner, GWL_STYLE);
  if (className == L"ScrollBar" && (style & SBS_VERT) == 0 && (style & SBS_SIZEBOX) == 0) {
    return inner;
  }
  return nullptr;
}

struct DescendantSearch {
  const CFindScrollBar* finder;
  RECT area;
  HWND found;
};

BOOL CALLBACK ConsiderDescendant(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<DescendantSearch*>(parameter);
  RECT rect{};
  GetWindowRect(window, &rect);
  if (IsScrollBarClass(ClassNameOf(window)) && search->finder->IsScrollTarget(window) &&
      rect.left >= search->area.left && rect.right <= search->area.right) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool IsTiltCandidate(HWND window) {
  return window != nullptr && window != GetDesktopWindow() &&
         !(ClassNameOf(window) == L"SysListView32" && LiesOnDesktop(window));
}

bool CFindScrollBar::IsScrollTarget(HWND window) const {
  const std::wstring name = ClassNameOf(window);
  if (name == L"Internet Explorer_Server") {
    return true;
  }
  if (!IsScrollBarClass(name)) {
    return (GetWindowLongW(window, GWL_STYLE) & WS_HSCROLL) != 0;
  }
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect.right - rect.left > rect.bottom - rect.top && x_ < rect.right;
}

HWND CFindScrollBar::SearchSiblings(HWND window) const {
  for (HWND sibling = GetWindow(window, GW_HWNDNEXT); sibling != nullptr;
       sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    std::wstring name = ClassNameOf(sibling);
    if (name == L"AVL_AVScrollBar") {
      if (HWND bar = WrappedHorizontalBar(sibling, name)) {
        return bar;
      }
    }
    if (IsScrollBarClass(name) && IsScrollTarget(sibling)) {
      return sibling;
    }
  }
  for (HWND sibling = GetWindow(window, GW_HWNDPREV); sibling != nullptr;
       sibling = GetWindow(sibling, GW_HWNDPREV)) {
    std::wstring name = ClassNameOf(sibling);
    if (name == L"AVL_AVScrollBar") {
      if (HWND bar = WrappedHorizontalBar(sibling, name)) {
        return bar;
      }
    }
    if (name == L"ScrollBar" && IsScrollTarget(sibling)) {
      return sibling;
    }
    if (name == L"AfxWnd70" || name == L"AfxWnd42") {
      if (HWND child = GetWindow(sibling, GW_CHILD)) {
        if (IsScrollTarget(child)) {
          return child;
        }
        if (HWND nested = SearchSiblings(child)) {
          return nested;
        }
      }
    }
  }
  return nullptr;
}

HWND CFindScrollBar::NearbyScrollBar(HWND window) const {
  DescendantSearch search{this, {}, nullptr};
  GetWindowRect(window, &search.area);
  search.area.left -= 25;
  search.area.right += 25;
  HWND parent = GetParent(window);
  if (parent != nullptr) {
    EnumChildWindows(parent, ConsiderDescendant, reinterpret_cast<LPARAM>(&search));
  }
  return search.found;
}

HWND CFindScrollBar::FindHorizontalTarget(HWND window) const {
  if (!IsTiltCandidate(window)) {
    return nullptr;
  }
  POINT point{x_, y_};
  ScreenToClient(window, &point);
  HWND under = ChildWindowFromPoint(window, point);
  if (under == nullptr) {
    under = window;
  }
  const bool scrolls = IsScrollTarget(under);
  const std::wstring name = ClassNameOf(under);
  HWND result = nullptr;
  if (name == L"MozillaWindowClass") {
    result = GetParent(under);
  } else if (scrolls) {
    result = under;
  }
  if (name != L"ScrollBar") {
    if (result != nullptr) {
      return result;
    }
    if (HWND child = GetWindow(under, GW_CHILD)) {
      if (!IsScrollTarget(child)) {
        child = SearchSiblings(child);
      }
      if (child != nullptr) {
        return child;
      }
    }
    result = SearchSiblings(under);
  }
  if (result != nullptr) {
    return result;
  }
  if (name != L"paneClassDC" && name != L"VISIOG") {
    return nullptr;
  }
  return NearbyScrollBar(under);
}

}  // namespace mouse::win32
