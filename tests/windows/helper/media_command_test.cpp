// Media commands to stand-ins for the players' windows, and program starts.
#include "helper/win32/media_command.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "helper/win32/run_program.h"
#include "recording_window.h"
#include "settings/fixed_text.h"
#include "temp_folder.h"

namespace mouse::win32 {
namespace {

using ::mouse::testing::PumpMessages;
using ::mouse::testing::RecordingWindow;

std::vector<WPARAM> Commands(const RecordingWindow& window) {
  std::vector<WPARAM> ids;
  for (const auto& r : window.Of(WM_COMMAND)) ids.push_back(r.wParam);
  return ids;
}

class MediaCommandTest : public ::testing::Test {
 protected:
  RecordingWindow helper_{L"MediaTestHelper", L"helper", WS_POPUP, 0, 0, 10, 10};
  int toggle_ = 0;
};

TEST_F(MediaCommandTest, WinampPlayPauseAlternates) {
  RecordingWindow winamp(L"Winamp v1.x", L"Winamp", WS_POPUP, 0, 0, 10, 10);
  MediaCommand(28, 0, 3, helper_.hwnd(), toggle_);
  MediaCommand(28, 0, 3, helper_.hwnd(), toggle_);
  MediaCommand(26, 0, 3, helper_.hwnd(), toggle_);
  MediaCommand(28, 1, 3, helper_.hwnd(), toggle_);  // a release does nothing
  EXPECT_EQ(Commands(winamp), (std::vector<WPARAM>{40045, 40046, 40044}));
}

TEST_F(MediaCommandTest, RealPlayerGetsItsCommandIds) {
  RecordingWindow real(L"GeminiWindowClass", L"RealPlayer", WS_POPUP, 0, 0, 10, 10);
  for (std::uint8_t code : {26, 27, 28, 29}) MediaCommand(code, 0, 2, helper_.hwnd(), toggle_);
  EXPECT_EQ(Commands(real), (std::vector<WPARAM>{65740, 65739, 65736, 65737}));
}

TEST_F(MediaCommandTest, ITunesGetsKeys) {
  RecordingWindow itunes(L"iTunes", L"iTunes", WS_POPUP, 0, 0, 10, 10);
  MediaCommand(27, 0, 1, helper_.hwnd(), toggle_);
  const auto downs = itunes.Of(WM_KEYDOWN);
  const auto ups = itunes.Of(WM_KEYUP);
  ASSERT_EQ(downs.size(), 2u);
  ASSERT_EQ(ups.size(), 2u);
  EXPECT_EQ(downs[0].wParam, static_cast<WPARAM>(VK_CONTROL));
  EXPECT_EQ(downs[1].wParam, static_cast<WPARAM>(VK_RIGHT));
  EXPECT_EQ(downs[1].lParam, 0x014D0001);
  EXPECT_EQ(ups[1].wParam, static_cast<WPARAM>(VK_CONTROL));
  itunes.Clear();
  MediaCommand(29, 0, 1, helper_.hwnd(), toggle_);
  PumpMessages(50);
  ASSERT_EQ(itunes.Of(WM_KEYDOWN).size(), 1u);
  EXPECT_EQ(itunes.Of(WM_KEYDOWN)[0].wParam, static_cast<WPARAM>(VK_SPACE));
  EXPECT_EQ(static_cast<DWORD>(itunes.Of(WM_KEYUP)[0].lParam), 0xC0390001u);
}

TEST_F(MediaCommandTest, WindowsMediaPlayerGoesThroughAppCommands) {
  MediaCommand(27, 0, 0, helper_.hwnd(), toggle_);
  MediaCommand(29, 0, 0, helper_.hwnd(), toggle_);
  PumpMessages(50);
  const auto commands = helper_.Of(WM_APPCOMMAND);
  ASSERT_GE(commands.size(), 2u);
  EXPECT_EQ(commands[0].wParam, reinterpret_cast<WPARAM>(helper_.hwnd()));
  EXPECT_EQ(commands[0].lParam, 11 << 16);
  EXPECT_EQ(commands[1].lParam, 13 << 16);
}

TEST_F(MediaCommandTest, APlayerThatIsNotRunningIsLeftAlone) {
  RecordingWindow other(L"SomeOtherPlayer", L"Winamp", WS_POPUP, 0, 0, 10, 10);
  MediaCommand(27, 0, 3, helper_.hwnd(), toggle_);
  MediaCommand(27, 0, 7, helper_.hwnd(), toggle_);
  EXPECT_TRUE(Commands(other).empty());
}

std::filesystem::path MarkerProgram() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return std::filesystem::path(self).parent_path() / "marker_program.exe";
}

bool WaitForFile(const std::filesystem::path& path, DWORD milliseconds) {
  for (DWORD waited = 0; waited < milliseconds; waited += 50) {
    if (std::filesystem::exists(path)) return true;
    Sleep(50);
  }
  return std::filesystem::exists(path);
}

void SetMachineValue(const wchar_t* key, const wchar_t* name, const std::wstring& value) {
  RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, name, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

TEST(StartMediaPlayer, StartsThePlayerItsRegistryEntryNames) {
  ::mouse::testing::TempFolder folder;
  const auto winamp = folder / "Winamp.exe";
  std::filesystem::copy_file(MarkerProgram(), winamp);
  SetMachineValue(L"SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command", nullptr,
                  L"\"" + winamp.wstring() + L"\" \"%1\"");
  int toggle = 0;
  MediaCommand(25, 0, 3, nullptr, toggle);
  EXPECT_TRUE(WaitForFile(winamp.wstring() + L".ran", 5000));

  // An entry that names another program starts nothing.
  const auto other = folder / "other.exe";
  std::filesystem::copy_file(MarkerProgram(), other);
  SetMachineValue(L"SOFTWARE\\Classes\\Applications\\RealPlay.exe\\shell\\open\\command", nullptr,
                  L"\"" + other.wstring() + L"\"");
  MediaCommand(25, 0, 2, nullptr, toggle);
  Sleep(500);
  EXPECT_FALSE(std::filesystem::exists(other.wstring() + L".ran"));
}

TEST(RunAssignedProgram, StartsOnlyAButtonHoldingTheProgramFunction) {
  ::mouse::testing::TempFolder folder;
  const auto macroTool = folder / "macro tool.exe";
  const auto programTool = folder / "program tool.exe";
  std::filesystem::copy_file(MarkerProgram(), macroTool);
  std::filesystem::copy_file(MarkerProgram(), programTool);
  ProfileRecord profile;
  ResetProfileDefaults(profile, 0);
  profile.MacroKeyInfo[2].FunctionCode = 16;
  SetFixedText(profile.MacroKeyInfo[2].ProgramPath,
               std::u16string(reinterpret_cast<const char16_t*>(macroTool.wstring().c_str())));
  profile.MacroKeyInfo[5].FunctionCode = 17;
  SetFixedText(profile.MacroKeyInfo[5].ProgramPath,
               std::u16string(reinterpret_cast<const char16_t*>(programTool.wstring().c_str())));

  RunAssignedProgram(3, profile);
  RunAssignedProgram(0, profile);
  RunAssignedProgram(16, profile);
  RunAssignedProgram(6, profile);
  EXPECT_TRUE(WaitForFile(programTool.wstring() + L".ran", 5000));
  Sleep(300);
  EXPECT_FALSE(std::filesystem::exists(macroTool.wstring() + L".ran"));
}

}  // namespace
}  // namespace mouse::win32
