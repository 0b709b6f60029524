// Helper with the virtual mouse, end to end under Wine: start-up and
// read-back, applying what Option changed, unplugging and plugging the
// mouse, a second start, and ending from the tray menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/button_map_report.h"
#include "device/profile_settings_report.h"
#include "device/reports.h"
#include "settings/coordination.h"
#include "settings/win32/shared_block.h"
#include "system_run.h"

namespace mouse::testing {
namespace {

using vmouse::testing::Lines;

template <typename Bytes>
std::string Hex(const Bytes& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (const std::uint8_t b : bytes) {
    if (!text.empty()) text += ' ';
    text += kDigits[b >> 4];
    text += kDigits[b & 15];
  }
  return text;
}

// The byte at `index` of a dump line ("05 03 01 ...").
int ByteOf(const std::string& line, std::size_t index) {
  return std::stoi(line.substr(index * 3, 2), nullptr, 16);
}

std::string MouseState(SystemRun& system) {
  const auto lines = Lines(system.Mouse().Ctl(L"state").Output);
  return lines.empty() ? std::string() : lines.front();
}

bool WaitForMouseState(SystemRun& system, const std::string& state, DWORD timeoutMs) {
  return PumpUntil([&] { return MouseState(system) == state; }, timeoutMs);
}

constexpr DWORD kReadBackMs = 40000;

TEST(HelperSystem, ReadsTheMouseBackAtStartAndSaysGoodbyeAtExit) {
  SystemRun system;
  ASSERT_TRUE(system.Mouse().Start());
  // The mouse's own buttons change it before Helper starts.
  ASSERT_EQ(system.Mouse().Ctl(L"press profile").ExitCode, 0u);
  ASSERT_EQ(system.Mouse().Ctl(L"press sensitivity").ExitCode, 0u);
  system.Option();
  ASSERT_TRUE(system.StartHelper());
  EXPECT_TRUE(PumpUntil([&] { return system.ConfigInt(u"Device") == 1; }, 5000));
  EXPECT_TRUE(PumpUntil([&] { return system.TrayIconShown(); }, 5000));

  ASSERT_TRUE(system.WaitForOption(kMsgReadBackDone, 1, kReadBackMs));
  EXPECT_EQ(system.ConfigInt(u"CurrentProfile"), 1);
  EXPECT_EQ(system.ConfigInt(u"MouseType"), 2);
  EXPECT_EQ(system.ConfigInt(u"FWVersion"), 0x15);
  // The files hold what the mouse holds.
  const SettingsBlock files = system.LoadedConfiguration();
  EXPECT_EQ(files.Profiles[1].Sensitivity_X, 11);
  const auto dump = Lines(system.Mouse().Ctl(L"dump").Output);
  ASSERT_EQ(dump.size(), 16u) << "the active profile, then settings, buttons and OTG per profile";
  EXPECT_EQ(dump[0], Hex(BuildProfileSelectReport(files.CurrentProfile)));
  for (int p = 0; p < kProfileCount; ++p) {
    // The CPI level bytes are the levels scaled by the sensitivities; the
    // levels themselves come back only at sensitivity 10.
    const std::string settings = Hex(BuildProfileSettingsReport(files.Profiles[p], p));
    const bool unscaled = files.Profiles[p].Sensitivity_X == 10;
    const std::size_t levelsEnd = unscaled ? 11 : 6;
    EXPECT_EQ(dump[1 + 3 * p].substr(0, levelsEnd * 3), settings.substr(0, levelsEnd * 3)) << p;
    EXPECT_EQ(dump[1 + 3 * p].substr(16 * 3), settings.substr(16 * 3)) << p;
    EXPECT_EQ(dump[2 + 3 * p], Hex(BuildButtonMapReport(files.Profiles[p], p))) << p;
  }
  EXPECT_TRUE(WaitForMouseState(system, "plugged, host software present", 5000));

  // Exit from the tray menu.
  PostMessageW(system.HelperWindow(), WM_COMMAND, kCommandExit, 0);
  ASSERT_TRUE(system.WaitForHelperExit(15000));
  EXPECT_EQ(system.OptionReceived(WM_CLOSE), 1u);
  EXPECT_EQ(MouseState(system), "plugged, host software absent");
}

TEST(HelperSystem, AppliesOptionsChangesAndFollowsThePlug) {
  SystemRun system;
  ASSERT_TRUE(system.Mouse().Start());
  system.Option();
  ASSERT_TRUE(system.StartHelper());
  ASSERT_TRUE(system.WaitForOption(kMsgReadBackDone, 1, kReadBackMs));

  // Option's side: take the block, change a CPI level and a key, apply.
  auto shared = win32::SharedBlock::Open();
  ASSERT_NE(shared, nullptr);
  SettingsBlock before;
  ASSERT_TRUE(shared->CopyOut(before));
  SettingsBlock after = before;
  after.Profiles[0].CpiLevel_X[1] = 30;
  MacroKeyInfo& key = after.Profiles[2].MacroKeyInfo[7];
  key.FunctionCode = 5;
  key.EventCount = 1;
  key.Events[0] = {0x1B, 0x04, 0};
  after.ButtonDirty[2][7] = 1;
  ComputeDirty(before, after);
  ASSERT_TRUE(shared->CopyIn(after));
  PostMessageW(system.HelperWindow(), kMsgApplySettings, 0, 0);
  ASSERT_TRUE(system.WaitForOption(kMsgApplyDone, 1, 20000));
  const auto dump = Lines(system.Mouse().Ctl(L"dump").Output);
  ASSERT_EQ(dump.size(), 16u);
  EXPECT_EQ(ByteOf(dump[1], 7), 30) << "CPI level 2 of profile 1";
  EXPECT_EQ(ByteOf(dump[1 + 3 * 2 + 1], 3 + 3 * 7), 5) << "button 8 of profile 3 is a key";
  EXPECT_EQ(ByteOf(dump[1 + 3 * 2 + 1], 4 + 3 * 7), 0x04);
  EXPECT_EQ(ByteOf(dump[1 + 3 * 2 + 1], 5 + 3 * 7), 0x1B);

  // Unplugged: Option is closed, the icon goes, and an apply ends at once.
  ASSERT_EQ(system.Mouse().Ctl(L"unplug").ExitCode, 0u);
  ASSERT_TRUE(PumpUntil([&] { return system.ConfigInt(u"Device") == 0; }, 5000));
  EXPECT_TRUE(system.WaitForOption(WM_CLOSE, 1, 2000));
  EXPECT_FALSE(system.TrayIconShown());
  PostMessageW(system.HelperWindow(), kMsgApplySettings, 0, 0);
  EXPECT_TRUE(system.WaitForOption(kMsgApplyDone, 2, 2000));

  // Plugged in again: nothing while the mouse starts up, then a read-back.
  ASSERT_EQ(system.Mouse().Ctl(L"plug").ExitCode, 0u);
  PumpMessages(5000);
  EXPECT_EQ(system.ConfigInt(u"Device"), 0) << "the mouse is given time to start";
  ASSERT_TRUE(system.WaitForOption(kMsgReadBackDone, 2, kReadBackMs));
  EXPECT_EQ(system.ConfigInt(u"Device"), 1);
  EXPECT_TRUE(system.TrayIconShown());
  EXPECT_EQ(system.LoadedConfiguration().Profiles[0].CpiLevel_X[1], 30);
}

TEST(HelperSystem, RunsOnceAndASecondStartBringsUpOption) {
  SystemRun system;  // no mouse at all
  RecordingWindow& option = system.Option();
  ShowWindow(option.hwnd(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(option.hwnd()));
  ASSERT_TRUE(system.StartHelper());
  EXPECT_TRUE(PumpUntil([&] { return system.ConfigInt(u"Device") == 0; }, 5000));
  EXPECT_FALSE(system.TrayIconShown());
  EXPECT_TRUE(PumpUntil(
      [] { return FindWindowW(nullptr, L"PUXO-K4_Gaming_Mouse_Normal_OSD") != nullptr; }, 5000))
      << "the display program is started without the mouse too";

  EXPECT_EQ(system.RunSecondHelper(L""), 0u);
  PumpMessages(500);
  EXPECT_TRUE(system.HelperRunning());
  EXPECT_TRUE(IsIconic(option.hwnd())) << "a plain second start asks for nothing";

  EXPECT_EQ(system.RunSecondHelper(L"1"), 0u);
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(option.hwnd()); }, 5000));
  EXPECT_TRUE(system.HelperRunning());
}

}  // namespace
}  // namespace mouse::testing
