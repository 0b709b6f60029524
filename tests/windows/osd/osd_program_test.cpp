// OSD.exe as Helper drives it: started from a copy of the program folder,
// found by its title, sent the display messages, and watched from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "dist_folder.h"
#include "framework/text.h"
#include "recording_window.h"
#include "settings/coordination.h"
#include "settings/ini_file.h"
#include "settings/osd_settings.h"
#include "settings/profile_file.h"
#include "settings/text_encoding.h"
#include "settings/win32/wide.h"
#include "settings/win32/windows_code_page.h"
#include "temp_folder.h"

namespace mouse {
namespace {

using testing::DistFolder;
using testing::PumpUntil;
using testing::ReadBytes;
using testing::TempFolder;

constexpr wchar_t kPanelClass[] = L"MouseOsdNotice";
const win32::WindowsCodePage kAnsi;

int AlphaOf(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) {
    return -1;
  }
  return alpha;
}

int AlphaFor(int opacityPercent) { return opacityPercent * 255 / 100; }

class OsdProgram : public ::testing::Test {
 protected:
  OsdProgram() {
    std::filesystem::copy(DistFolder(), folder.path(),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(ConfigIni());
    std::filesystem::create_directories(folder / "config");
  }
  ~OsdProgram() override {
    if (process_.hProcess != nullptr) {
      if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        if (osd_ != nullptr) {
          PostMessageW(osd_, WM_CLOSE, 0, 0);
        }
        if (WaitForSingleObject(process_.hProcess, 3000) == WAIT_TIMEOUT) {
          TerminateProcess(process_.hProcess, 1);
        }
      }
      CloseHandle(process_.hThread);
      CloseHandle(process_.hProcess);
    }
  }

  std::filesystem::path ConfigIni() const { return folder / "config.ini"; }

  PROCESS_INFORMATION Launch() {
    const std::wstring program = (folder / "OSD.exe").wstring();
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    EXPECT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, folder.path().c_str(), &startup, &info));
    return info;
  }

  // Starts OSD.exe and waits for its window and its notice panel.
  void Start() {
    process_ = Launch();
    ASSERT_NE(process_.hProcess, nullptr);
    ASSERT_TRUE(PumpUntil([&] {
      osd_ = FindWindowW(nullptr, win32::WidePtr(kOsdWindowTitle));
      DWORD owner = 0;
      GetWindowThreadProcessId(osd_, &owner);
      if (osd_ == nullptr || owner != process_.dwProcessId) {
        return false;
      }
      for (HWND w = FindWindowExW(nullptr, nullptr, kPanelClass, nullptr); w != nullptr;
           w = FindWindowExW(nullptr, w, kPanelClass, nullptr)) {
        if (GetWindow(w, GW_OWNER) == osd_) {
          panel_ = w;
          return true;
        }
      }
      return false;
    }));
  }

  void Post(UINT message, WPARAM wParam, LPARAM lParam) {
    ASSERT_TRUE(PostMessageW(osd_, message, wParam, lParam));
  }

  // New display settings, and waiting until the display has taken them:
  // messages are handled in order, so everything posted before has been
  // handled too.
  void SetDisplayAndWait(int tenths, int opacity) {
    Post(kMsgOsdSettings, 0, (tenths << 16) | opacity);
    ASSERT_TRUE(PumpUntil([&] { return AlphaOf(panel_) == AlphaFor(opacity); }))
        << "alpha " << AlphaOf(panel_);
  }

  void ShowAndWait(WPARAM kind, LPARAM value, const std::wstring& expected) {
    Post(kMsgOsdShow, kind, value);
    EXPECT_TRUE(PumpUntil([&] {
      return IsWindowVisible(panel_) && framework::WindowText(panel_) == expected;
    })) << "shows "
        << ToUtf8(win32::Utf16(framework::WindowText(panel_)));
  }

  void EditConfig(const std::function<void(IniDocument&)>& edit) {
    ASSERT_TRUE(UpdateIniFile(ConfigIni(), kAnsi, edit));
  }

  TempFolder folder;
  PROCESS_INFORMATION process_{};
  HWND osd_ = nullptr;
  HWND panel_ = nullptr;
};

TEST_F(OsdProgram, WritesTheDefaultRecordAndShowsEachKindOfNotice) {
  Start();

  // The record Helper reads with the Windows private-profile functions.
  std::uint8_t record[kOsdSettingsSize] = {};
  ASSERT_TRUE(GetPrivateProfileStructW(L"OSDSetting", L"config", record, sizeof record,
                                       ConfigIni().c_str()));
  const OsdSettings expected = DefaultOsdSettings();
  EXPECT_EQ(std::memcmp(record, &expected, sizeof record), 0);

  const LONG_PTR exStyle = GetWindowLongPtrW(panel_, GWL_EXSTYLE);
  for (const LONG_PTR bit :
       {LONG_PTR{WS_EX_LAYERED}, LONG_PTR{WS_EX_TRANSPARENT}, LONG_PTR{WS_EX_TOPMOST},
        LONG_PTR{WS_EX_TOOLWINDOW}, LONG_PTR{WS_EX_NOACTIVATE}}) {
    EXPECT_EQ(exStyle & bit, bit) << std::hex << bit;
  }
  EXPECT_FALSE(IsWindowVisible(panel_));
  EXPECT_FALSE(IsWindowVisible(osd_));

  IniDocument profile;
  profile.SetString(kProfileSection, u"ProFileName", u"Sniper \u00E9");
  ASSERT_TRUE(SaveIniFile(folder / "config" / "Default1.gmp", profile));
  EditConfig([](IniDocument& doc) {
    doc.SetString(u"MacroOSD", u"MacroName", u"Reload");
    doc.SetInt(u"MacroOSD", u"Number", 3);
    doc.SetString(u"OSDData", u"Message", u"CPI: 800");
  });

  struct Case {
    WPARAM kind;
    LPARAM value;
    std::wstring text;
  };
  const Case cases[] = {
      {kOsdShowProfile, 1 << 16, L"Profile 2\nSniper \u00E9"},
      {kOsdShowProfile, 4 << 16, L"Profile 5"},
      {kOsdShowMacro, 0, L"Macro \u00B7 Button 4\nReload"},
      {kOsdShowText, 0, L"CPI: 800"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    ShowAndWait(c.kind, c.value, c.text);
    EXPECT_EQ(AlphaOf(panel_), AlphaFor(kDefaultDisplayOpacity));
    EXPECT_NE(GetForegroundWindow(), panel_);
    EXPECT_EQ(GetWindowLongPtrW(panel_, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
  }

  // Near the bottom of the primary screen, in the middle.
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT panel{};
  GetWindowRect(panel_, &panel);
  EXPECT_NEAR((panel.left + panel.right) / 2, (work.left + work.right) / 2, 1);
  EXPECT_LT(panel.bottom, work.bottom);
  EXPECT_GT(panel.top, work.top + (work.bottom - work.top) * 3 / 4);
  EXPECT_GT(panel.right - panel.left, 100);
}

TEST_F(OsdProgram, TakesDisplaySettingsWholeAndFadesOutAfterTheDisplayTime) {
  Start();
  SetDisplayAndWait(2, 50);  // 0.2 s, half opaque

  // Settings with one half out of range are refused whole.
  Post(kMsgOsdSettings, 0, (0 << 16) | 80);
  Post(kMsgOsdSettings, 0, (601 << 16) | 70);
  Post(kMsgOsdSettings, 0, (2 << 16) | 19);
  Post(kMsgOsdSettings, 0, (2 << 16) | 101);
  Post(kMsgOsdSettings, 0, static_cast<LPARAM>((1ull << 32) | (2 << 16) | 75));

  EditConfig([](IniDocument& doc) { doc.SetString(u"OSDData", u"Message", u"New mail"); });
  const ULONGLONG shown = GetTickCount64();
  ShowAndWait(kOsdShowText, 0, L"New mail");
  EXPECT_EQ(AlphaOf(panel_), AlphaFor(50));

  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(panel_); }, 5000));
  EXPECT_GE(GetTickCount64() - shown, 200u);

  // A new notice replaces the text and shows at full opacity again.
  EditConfig([](IniDocument& doc) { doc.SetString(u"OSDData", u"Message", u"Second"); });
  ShowAndWait(kOsdShowText, 0, L"Second");
  EXPECT_EQ(AlphaOf(panel_), AlphaFor(50));
}

TEST_F(OsdProgram, IgnoresMalformedMessagesAndEndsOnClose) {
  EditConfig([](IniDocument& doc) {
    doc.SetString(u"MacroOSD", u"MacroName", u"");
    doc.SetString(u"OSDData", u"Message", u"");
  });
  Start();
  Post(kMsgOsdShow, kOsdShowProfile, 5 << 16);
  Post(kMsgOsdShow, kOsdShowProfile, (1 << 16) | 1);
  Post(kMsgOsdShow, kOsdShowProfile, -1);
  Post(kMsgOsdShow, 41, 0);
  Post(kMsgOsdShow, kOsdShowMacro, 0);  // no macro name
  Post(kMsgOsdShow, kOsdShowText, 0);   // no text
  Post(kMsgOsdShow, kOsdShowText, 7);
  Post(kMsgDeviceNotice, 0x3000, 2);
  Post(WM_APP + 5, 1, 2);
  SetDisplayAndWait(3, 40);  // all of the above handled by now

  EXPECT_FALSE(IsWindowVisible(panel_));
  EXPECT_EQ(framework::WindowText(panel_), L"");
  EXPECT_EQ(WaitForSingleObject(process_.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));

  Post(WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(process_.hProcess, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  DWORD exitCode = 1;
  GetExitCodeProcess(process_.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_EQ(FindWindowW(nullptr, win32::WidePtr(kOsdWindowTitle)), nullptr);
}

TEST_F(OsdProgram, KeepsARecordThatIsThereAndRunsOnlyOnce) {
  OsdSettings custom = DefaultOsdSettings();
  custom.ProfileFlag = 0;
  custom.DisplayTime = 30;
  custom.DisplayOpacity = 40;
  custom.Reserved38[100] = 0x5A;
  EditConfig([&](IniDocument& doc) {
    doc.SetInt(u"Setting", u"CurrentProfile", 2);
    WriteOsdSettings(doc, custom);
    doc.SetString(u"OSDData", u"Message", u"Hello");
  });
  const std::string before = ReadBytes(ConfigIni());

  Start();
  ShowAndWait(kOsdShowText, 0, L"Hello");
  EXPECT_EQ(AlphaOf(panel_), AlphaFor(40));  // the display words of the record
  EXPECT_EQ(ReadBytes(ConfigIni()), before);

  // A second display ends at once and leaves the first one alone.
  PROCESS_INFORMATION second = Launch();
  ASSERT_NE(second.hProcess, nullptr);
  EXPECT_EQ(WaitForSingleObject(second.hProcess, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  CloseHandle(second.hThread);
  CloseHandle(second.hProcess);
  EXPECT_EQ(FindWindowW(nullptr, win32::WidePtr(kOsdWindowTitle)), osd_);
  EXPECT_EQ(WaitForSingleObject(process_.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

}  // namespace
}  // namespace mouse
