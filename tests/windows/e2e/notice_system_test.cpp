// The mouse's own buttons reaching Helper, Option, the display and the
// desktop, and the profile following the program in front.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "device/reports.h"
#include "settings/coordination.h"
#include "settings/fixed_text.h"
#include "settings/win32/shared_block.h"
#include "settings/win32/wide.h"
#include "system_run.h"

namespace mouse::testing {
namespace {

using vmouse::testing::Lines;

constexpr DWORD kReadBackMs = 40000;

std::filesystem::path TestProgram(const char* name) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return std::filesystem::path(self).parent_path() / name;
}

class NoticeSystemTest : public ::testing::Test {
 protected:
  void StartWithReadBack() {
    ASSERT_TRUE(system.Mouse().Start());
    system.Option();
    ASSERT_TRUE(system.StartHelper());
    ASSERT_TRUE(system.WaitForOption(kMsgReadBackDone, 1, kReadBackMs));
  }
  void Press(const wchar_t* button) {
    ASSERT_EQ(system.Mouse().Ctl(std::wstring(L"press ") + button).ExitCode, 0u) << button;
  }
  bool DisplayShows(const std::wstring& text) {
    return PumpUntil([&] { return system.DisplayText() == text; }, 5000);
  }
  SystemRun system;
};

TEST_F(NoticeSystemTest, MouseButtonsReachHelperOptionAndTheDisplay) {
  system.WriteProfile(1, [](ProfileRecord& p) { p.DbleClickSpeed = 345; });
  StartWithReadBack();

  Press(L"profile");
  ASSERT_TRUE(system.WaitForOption(kMsgProfileChanged, 1, 5000));
  EXPECT_EQ(system.ConfigInt(u"CurrentProfile"), 1);
  EXPECT_EQ(system.SharedBlock().CurrentProfile, 1);
  EXPECT_EQ(GetDoubleClickTime(), 345u) << "the new profile's pointer settings are in effect";
  EXPECT_TRUE(DisplayShows(L"Profile 2"));

  Press(L"cpi");
  Press(L"sensitivity");
  Press(L"polling");
  ASSERT_TRUE(system.WaitForOption(kMsgDeviceStateChanged, 3, 5000));
  const SettingsBlock shared = system.SharedBlock();
  EXPECT_EQ(shared.Profiles[1].CpiStep, 2);
  EXPECT_EQ(shared.Profiles[1].Sensitivity_X, 11);
  EXPECT_EQ(shared.Profiles[1].Sensitivity_Y, 11);
  EXPECT_EQ(shared.Profiles[1].PollingRate, 3);
  EXPECT_EQ(shared.Profiles[0].CpiStep, 1) << "only the current profile changes";
  EXPECT_EQ(system.Config().GetString(u"OSDData", u"Message"), u"CPI: 1200");
  EXPECT_EQ(system.OptionReceived(kMsgProfileChanged), 1u);

  // Another program hands Helper a text for the display.
  wchar_t text[151] = L"\x01New mail";
  COPYDATASTRUCT data{0, sizeof text, text};
  EXPECT_TRUE(SendMessageW(system.HelperWindow(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));
  EXPECT_EQ(system.Config().GetString(u"OSDData", u"Message"), u"New mail");
  EXPECT_TRUE(DisplayShows(L"New mail"));
}

TEST_F(NoticeSystemTest, TiltMediaAndProgramButtonsActOnTheDesktop) {
  system.WriteProfile(0, [](ProfileRecord& p) { p.MediaOption = 3; });
  StartWithReadBack();

  RecordingWindow sheet(L"TiltTarget", L"", WS_POPUP | WS_VISIBLE | WS_HSCROLL, 600, 500, 300, 200);
  const POINT centre = CentreOf(sheet.hwnd());
  SetCursorPos(centre.x, centre.y);
  Press(L"tilt-right");
  ASSERT_TRUE(PumpUntil([&] { return sheet.Of(WM_HSCROLL).size() == 3; }, 5000))
      << "TiltSpeed 3: three steps";
  EXPECT_EQ(sheet.Of(WM_HSCROLL)[0].wParam, static_cast<WPARAM>(SB_LINERIGHT));

  RecordingWindow winamp(L"Winamp v1.x", L"Winamp", WS_POPUP, 0, 0, 10, 10);
  Press(L"media-next");
  ASSERT_TRUE(PumpUntil([&] { return winamp.Of(WM_COMMAND).size() == 1; }, 5000));
  EXPECT_EQ(winamp.Of(WM_COMMAND)[0].wParam, 40048u);

  // Button 4 becomes a program button through an apply, then the mouse asks
  // for its program.
  const auto tool = system.Folder() / "tool.exe";
  std::filesystem::copy_file(TestProgram("marker_program.exe"), tool);
  auto shared = win32::SharedBlock::Open();
  ASSERT_NE(shared, nullptr);
  SettingsBlock before;
  ASSERT_TRUE(shared->CopyOut(before));
  SettingsBlock after = before;
  after.Profiles[0].MacroKeyInfo[3].FunctionCode = 17;
  SetFixedText(after.Profiles[0].MacroKeyInfo[3].ProgramPath,
               std::u16string(win32::Utf16(tool.wstring())));
  after.ButtonDirty[0][3] = 1;
  ComputeDirty(before, after);
  ASSERT_TRUE(shared->CopyIn(after));
  PostMessageW(system.HelperWindow(), kMsgApplySettings, 0, 0);
  ASSERT_TRUE(system.WaitForOption(kMsgApplyDone, 1, 20000));
  Press(L"button4");
  EXPECT_TRUE(PumpUntil([&] { return std::filesystem::exists(tool.wstring() + L".ran"); }, 5000));
}

TEST_F(NoticeSystemTest, TheProgramInFrontSwitchesTheProfile) {
  system.WriteProfile(
      3, [](ProfileRecord& p) { SetFixedText(p.GameFile, u"C:\\Games\\Arena\\ARENA.EXE "); });
  StartWithReadBack();
  const auto arena = system.Folder() / "arena.exe";
  std::filesystem::copy_file(TestProgram("foreground_program.exe"), arena);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION game{};
  std::wstring commandLine = L"\"" + arena.wstring() + L"\"";
  ASSERT_TRUE(CreateProcessW(arena.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &game));
  EXPECT_TRUE(system.WaitForOption(kMsgProfileChanged, 1, 10000));
  EXPECT_EQ(system.SharedBlock().CurrentProfile, 3);
  EXPECT_TRUE(PumpUntil(
      [&] {
        const auto dump = Lines(system.Mouse().Ctl(L"dump").Output);
        return !dump.empty() && dump[0] == "05 03 03";
      },
      5000))
      << "the mouse was told";
  TerminateProcess(game.hProcess, 0);
  CloseHandle(game.hThread);
  CloseHandle(game.hProcess);
}

}  // namespace
}  // namespace mouse::testing
