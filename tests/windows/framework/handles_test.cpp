// The owning wrappers close what they hold, exactly once; the small
// helpers format, find and post as promised.
#include "framework/handles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/com.h"
#include "framework/dc.h"
#include "framework/message_loop.h"
#include "framework/text.h"
#include "framework/window.h"

namespace framework {
namespace {

bool KernelHandleOpen(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != FALSE;
}

TEST(Handles, KernelRegistryModuleAndViewWrappersCloseAtScopeExit) {
  HANDLE event = nullptr;
  HANDLE moved = nullptr;
  {
    KernelHandle owner(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    event = owner.get();
    ASSERT_TRUE(KernelHandleOpen(event));
    KernelHandle target(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    moved = target.get();
    owner = std::move(target);  // closes the first event, takes the second
    EXPECT_FALSE(KernelHandleOpen(event));
    EXPECT_FALSE(target);
    EXPECT_TRUE(KernelHandleOpen(moved));
  }
  EXPECT_FALSE(KernelHandleOpen(moved));

  HANDLE released = nullptr;
  {
    KernelHandle owner(CreateMutexW(nullptr, FALSE, nullptr));
    released = owner.release();
  }
  EXPECT_TRUE(KernelHandleOpen(released));
  CloseHandle(released);

  HKEY key = nullptr;
  {
    RegKey owner;
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\FrameworkHandleTest", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &opened, nullptr),
              ERROR_SUCCESS);
    owner.reset(opened);
    key = owner.get();
    EXPECT_EQ(RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
  }
  EXPECT_NE(RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\FrameworkHandleTest");

  ASSERT_EQ(GetModuleHandleW(L"wtsapi32.dll"), nullptr);
  {
    ModuleHandle module(LoadLibraryW(L"wtsapi32.dll"));
    ASSERT_TRUE(module);
    using Register = BOOL(WINAPI*)(HWND, DWORD);
    EXPECT_NE(GetProc<Register>(module.get(), "WTSRegisterSessionNotification"), nullptr);
    EXPECT_EQ(GetProc<Register>(module.get(), "NoSuchExport"), nullptr);
    EXPECT_EQ(GetProc<Register>(nullptr, "WTSRegisterSessionNotification"), nullptr);
    EXPECT_NE(GetModuleHandleW(L"wtsapi32.dll"), nullptr);
  }
  EXPECT_EQ(GetModuleHandleW(L"wtsapi32.dll"), nullptr);

  void* view = nullptr;
  {
    KernelHandle mapping(
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, nullptr));
    MappedView mapped(MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
    ASSERT_TRUE(mapped);
    view = mapped.get();
    static_cast<char*>(view)[0] = 1;
  }
  MEMORY_BASIC_INFORMATION info{};
  ASSERT_NE(VirtualQuery(view, &info, sizeof info), 0u);
  EXPECT_EQ(info.State, static_cast<DWORD>(MEM_FREE));
}

TEST(Handles, UserAndGdiWrappersDeleteTheirObjects) {
  HGDIOBJ objects[5] = {};
  HMENU menu = nullptr;
  HWND window = nullptr;
  HHOOK hook = nullptr;
  {
    GdiBitmap bitmap(CreateBitmap(4, 4, 1, 32, nullptr));
    GdiBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
    GdiFont font(
        CreateFontW(12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    GdiPen pen(CreatePen(PS_SOLID, 1, RGB(4, 5, 6)));
    GdiRegion region(CreateRectRgn(0, 0, 5, 5));
    objects[0] = bitmap.get();
    objects[1] = brush.get();
    objects[2] = font.get();
    objects[3] = pen.get();
    objects[4] = region.get();
    for (HGDIOBJ object : objects) {
      EXPECT_NE(GetObjectType(object), 0u);
    }
    MenuHandle ownedMenu(CreatePopupMenu());
    menu = ownedMenu.get();
    OwnedWindow ownedWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 5, 5, nullptr,
                                            nullptr, nullptr, nullptr));
    window = ownedWindow.get();
    HookHandle ownedHook(SetWindowsHookExW(
        WH_CALLWNDPROC,
        [](int code, WPARAM w, LPARAM l) { return CallNextHookEx(nullptr, code, w, l); }, nullptr,
        GetCurrentThreadId()));
    hook = ownedHook.get();
    EXPECT_TRUE(IsMenu(menu));
    EXPECT_TRUE(IsWindow(window));
  }
  for (HGDIOBJ object : objects) {
    EXPECT_EQ(GetObjectType(object), 0u);
  }
  EXPECT_FALSE(IsMenu(menu));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(UnhookWindowsHookEx(hook));  // already removed
}

TEST(Handles, SelectionGuardAndOffscreenBufferDraw) {
  MemoryDC screenCompatible(nullptr);
  GdiBitmap target(CreateCompatibleBitmap(WindowDC(nullptr), 20, 10));
  SelectObjectGuard selectTarget(screenCompatible, target.get());

  const HGDIOBJ originalBrush = GetCurrentObject(screenCompatible, OBJ_BRUSH);
  {
    GdiBrush green(CreateSolidBrush(RGB(0, 200, 0)));
    SelectObjectGuard select(screenCompatible, green.get());
    EXPECT_EQ(GetCurrentObject(screenCompatible, OBJ_BRUSH), green.get());
  }
  EXPECT_EQ(GetCurrentObject(screenCompatible, OBJ_BRUSH), originalBrush);

  OffscreenBuffer buffer(screenCompatible, 20, 10);
  ASSERT_TRUE(buffer.valid());
  GdiBrush blue(CreateSolidBrush(RGB(0, 0, 255)));
  const RECT all{0, 0, 20, 10};
  FillRect(buffer.dc(), &all, blue.get());
  SetPixel(buffer.dc(), 3, 4, RGB(255, 255, 0));
  buffer.CopyTo(screenCompatible);
  EXPECT_EQ(GetPixel(screenCompatible, 0, 0), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(screenCompatible, 3, 4), RGB(255, 255, 0));
}

TEST(Helpers, FormatFindPostAndCom) {
  EXPECT_EQ(FormatText(L"CMonitorApp: %ls\n", L"1 \u00E9"), L"CMonitorApp: 1 \u00E9\n");
  EXPECT_EQ(FormatText(L"Hhook: %x\r\n", 0xBEEFu), L"Hhook: beef\r\n");
  const std::wstring longText(1000, L'z');
  EXPECT_EQ(FormatText(L"[%ls] %d", longText.c_str(), -5), L"[" + longText + L"] -5");

  constexpr UINT kPing = WM_APP + 30;
  class Receiver : public Window {
   public:
    LPARAM received = 0;

   protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message == kPing) {
        received = lParam;
        return 0;
      }
      return Window::OnMessage(message, wParam, lParam);
    }
  } receiver;
  const wchar_t* title = L"helper target \u4E2D";
  ASSERT_TRUE(receiver.Create({.title = title}));
  EXPECT_EQ(FindWindowByTitle(title), receiver.hwnd());
  EXPECT_EQ(WindowText(receiver.hwnd()), title);
  EXPECT_TRUE(PostToWindowByTitle(title, kPing, 0, 2 << 16));
  EXPECT_FALSE(PostToWindowByTitle(L"no window has this title", kPing));
  WaitPumpingMessages(2000, [&] { return receiver.received != 0; });
  EXPECT_EQ(receiver.received, 2 << 16);

  {
    ComInitializer apartment;
    EXPECT_TRUE(apartment.ok());
    ComInitializer otherModel(COINIT_MULTITHREADED);
    EXPECT_FALSE(otherModel.ok());
  }
  // Both released: the thread may choose the other model now.
  const HRESULT fresh = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  EXPECT_EQ(fresh, S_OK);
  if (SUCCEEDED(fresh)) {
    CoUninitialize();
  }
}

}  // namespace
}  // namespace framework
