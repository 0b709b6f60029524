// hidgate.dll with the virtual backend against a running VirtualMouse.exe:
// feature reports, posted notices and plug changes, the memory vmousectl
// shows, and an absent mouse.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "device/win32/hidgate_library.h"
#include "recording_window.h"
#include "virtual_mouse_run.h"

namespace mouse::vmouse::testing {
namespace {

using mouse::testing::PumpMessages;
using mouse::testing::PumpUntil;
using mouse::testing::Received;
using mouse::testing::RecordingWindow;
using Bytes = std::vector<std::uint8_t>;

constexpr UINT kNoticeMessage = 1325;
constexpr UINT kArrivalMessage = 1326;

std::string Hex(const Bytes& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (std::uint8_t b : bytes) {
    if (!text.empty()) text += ' ';
    text += kDigits[b >> 4];
    text += kDigits[b & 15];
  }
  return text;
}

class HidgateVirtualTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(mouse.Start()) << "VirtualMouse.exe did not come up"; }
  void TearDown() override {
    library.CloseDevMonitor();
    library.CloseFeatureDevice();
    EXPECT_EQ(mouse.Stop(), 0u);
  }

  bool Send(const Bytes& report) { return library.SetFeature(report.data(), report.size()); }
  std::optional<Bytes> Read(std::uint8_t id, std::size_t length) {
    Bytes report(length, 0);
    report[0] = id;
    if (!library.GetFeature(report.data(), report.size())) {
      return std::nullopt;
    }
    return report;
  }
  // Reads the status until it is no longer busy; the statuses seen.
  std::vector<int> StatusesUntilDone() {
    std::vector<int> seen;
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (GetTickCount64() < deadline) {
      const auto status = Read(0x04, 3);
      if (!status) {
        seen.push_back(-1);
        break;
      }
      seen.push_back((*status)[1]);
      if ((*status)[1] != 3) {
        break;
      }
      Sleep(10);
    }
    return seen;
  }
  std::vector<Received> Notices() const { return window.Of(kNoticeMessage); }
  // The wParam of each arrival message: 1 attached, 0 detached.
  std::vector<WPARAM> Arrivals() const {
    std::vector<WPARAM> flags;
    for (const Received& r : window.Of(kArrivalMessage)) {
      flags.push_back(r.wParam);
    }
    return flags;
  }

  VirtualMouseRun mouse;
  win32::HidgateLibrary library{mouse.LibraryPath()};
  RecordingWindow window{L"HidgateTestWindow", L"hidgate test", WS_POPUP, 0, 0, 10, 10};
};

TEST_F(HidgateVirtualTest, ReportsRoundTripAndTheDumpShowsWhatWasWritten) {
  ASSERT_TRUE(library.Available());
  ASSERT_TRUE(library.OpenFeatureDevice());

  Bytes settings(37, 0);
  for (std::size_t i = 3; i < settings.size(); ++i) {
    settings[i] = static_cast<std::uint8_t>(i * 3);
  }
  settings[0] = 0x06;
  settings[1] = 37;
  settings[2] = 2;
  settings[24] = 0;
  ASSERT_TRUE(Send(settings));
  const std::vector<int> statuses = StatusesUntilDone();
  ASSERT_FALSE(statuses.empty());
  EXPECT_EQ(statuses.front(), 3) << "busy right after the command";
  EXPECT_EQ(statuses.back(), 1) << "then completed";

  ASSERT_TRUE(Send({0x04, 2, 0x10}));
  EXPECT_EQ(Read(0x06, 37), settings);

  Bytes macro(130, 0);
  macro[0] = 0x09;
  macro[1] = 130;
  macro[2] = 4;
  macro[3] = 6;
  macro[4] = 2;
  macro[5] = 'R';
  macro[29] = 2;
  macro[30] = 0x15;
  macro[32] = 0x15;
  macro[33] = 0x94;
  ASSERT_TRUE(Send(macro));
  Bytes buttons(50, 0);
  buttons[0] = 0x07;
  buttons[1] = 50;
  buttons[2] = 4;
  buttons[3 + 3 * 6] = 16;
  ASSERT_TRUE(Send(buttons));
  ASSERT_TRUE(Send({0x04, 4, 6}));
  EXPECT_EQ(Read(0x09, 130), macro);

  // A malformed command is taken and fails; a report the mouse lacks fails.
  ASSERT_TRUE(Send({0x05, 0x03, 0x07}));
  EXPECT_EQ(StatusesUntilDone().back(), 2);
  EXPECT_FALSE(Send({0x33, 0x03, 0x00}));
  EXPECT_EQ(Read(0x06, 36), std::nullopt);

  const CtlResult dump = mouse.Ctl(L"dump");
  ASSERT_EQ(dump.ExitCode, 0u);
  const std::vector<std::string> lines = Lines(dump.Output);
  // Active profile, then profiles 0..3 with three reports each, then profile
  // 4's settings, buttons, OTG and the macro of button 6.
  ASSERT_EQ(lines.size(), 1u + 5u * 3u + 1u);
  EXPECT_EQ(lines[0], "05 03 00");
  EXPECT_EQ(lines[7], Hex(settings));
  EXPECT_EQ(lines[14], Hex(buttons));
  EXPECT_EQ(lines[16], Hex(macro));
}

TEST_F(HidgateVirtualTest, NoticesAndPlugChangesArriveAsPostedMessages) {
  library.OpenDevMonitor(reinterpret_cast<WindowHandle>(window.hwnd()), kNoticeMessage,
                         kArrivalMessage);
  ASSERT_TRUE(library.OpenFeatureDevice());

  ASSERT_EQ(mouse.Ctl(L"press profile").ExitCode, 0u);
  ASSERT_EQ(mouse.Ctl(L"press media-next").ExitCode, 0u);
  ASSERT_EQ(mouse.Ctl(L"press sensitivity").ExitCode, 0u);
  ASSERT_TRUE(PumpUntil([&] { return Notices().size() >= 4; }));
  const std::vector<Received> notices = Notices();
  ASSERT_EQ(notices.size(), 4u);
  const std::pair<WPARAM, LPARAM> expected[] = {
      {0x3000, 2}, {0xF000, 0x0022}, {0xF000, 0x0122}, {0xC000, 0x0B0B}};
  for (std::size_t i = 0; i < notices.size(); ++i) {
    EXPECT_EQ(notices[i].wParam, expected[i].first) << i;
    EXPECT_EQ(notices[i].lParam, expected[i].second) << i;
  }
  EXPECT_TRUE(Arrivals().empty()) << "the mouse was there from the start";

  ASSERT_EQ(mouse.Ctl(L"unplug").ExitCode, 0u);
  ASSERT_TRUE(PumpUntil([&] { return Arrivals().size() == 1; }));
  EXPECT_EQ(Arrivals(), std::vector<WPARAM>{0});
  EXPECT_FALSE(Send({0x05, 0x03, 0x01})) << "no transfers while unplugged";
  EXPECT_FALSE(library.OpenFeatureDevice());
  EXPECT_EQ(mouse.Ctl(L"press cpi").ExitCode, 1u) << "the unplugged mouse's buttons do nothing";

  ASSERT_EQ(mouse.Ctl(L"plug").ExitCode, 0u);
  ASSERT_TRUE(PumpUntil([&] { return Arrivals().size() == 2; }));
  EXPECT_EQ(Arrivals(), (std::vector<WPARAM>{0, 1}));
  ASSERT_TRUE(library.OpenFeatureDevice());
  EXPECT_EQ(Read(0x05, 3), (Bytes{0x05, 0x03, 0x01})) << "the profile the button chose";

  library.CloseDevMonitor();
  window.Clear();
  ASSERT_EQ(mouse.Ctl(L"press tilt-left").ExitCode, 0u);
  PumpMessages(300);
  EXPECT_TRUE(Notices().empty()) << "no messages after Close_DevMonitor";
}

TEST_F(HidgateVirtualTest,
       TheProgramEndingAndStartingIsRemovalAndArrivalAndTheFlashKeepsTheMemory) {
  library.OpenDevMonitor(reinterpret_cast<WindowHandle>(window.hwnd()), kNoticeMessage,
                         kArrivalMessage);
  ASSERT_TRUE(library.OpenFeatureDevice());
  ASSERT_TRUE(Send({0x05, 0x03, 0x03}));
  ASSERT_EQ(mouse.Stop(), 0u);
  ASSERT_TRUE(PumpUntil([&] { return !Arrivals().empty(); })) << "no removal";
  PumpMessages(100);
  EXPECT_EQ(Arrivals(), std::vector<WPARAM>{0});
  EXPECT_FALSE(Send({0x05, 0x03, 0x01}));
  EXPECT_TRUE(std::filesystem::exists(mouse.Folder() / "VirtualMouse.flash"));

  ASSERT_TRUE(mouse.Start());
  ASSERT_TRUE(PumpUntil([&] { return Arrivals().size() >= 2; })) << "no arrival";
  EXPECT_EQ(Arrivals(), (std::vector<WPARAM>{0, 1}));
  ASSERT_TRUE(library.OpenFeatureDevice());
  EXPECT_EQ(Read(0x05, 3), (Bytes{0x05, 0x03, 0x03}));
  EXPECT_EQ(Lines(mouse.Ctl(L"dump").Output).front(), "05 03 03");

  ASSERT_EQ(mouse.Ctl(L"reset").ExitCode, 0u);
  EXPECT_EQ(Lines(mouse.Ctl(L"dump").Output).front(), "05 03 00");
}

TEST_F(HidgateVirtualTest, ASecondVirtualMouseOnTheSamePipeDoesNotStart) {
  const CtlResult second =
      RunProgram(mouse.Folder() / "VirtualMouse.exe", L"--pipe=" + mouse.PipeName() + L" --busy=0");
  EXPECT_EQ(second.ExitCode, 1u);
  EXPECT_TRUE(mouse.Running());
  EXPECT_EQ(RunProgram(mouse.Folder() / "VirtualMouse.exe", L"--busy=often").ExitCode, 2u);
}

TEST(HidgateAbsent, NoVirtualMouseNoSettingsOrAnOddBackendMeanAbsent) {
  const std::string ownSettings = "the run's own settings: the virtual mouse";
  const struct {
    const char* what;
    std::optional<std::string> settings;  // nothing: no hidgate.ini
    bool startMouse;
  } cases[] = {
      {"virtual mouse not running", ownSettings, false},
      {"no hidgate.ini", std::nullopt, true},
      {"unknown backend", "[hidgate]\r\nBackend=serial\r\n", true},
      {"hid backend without ids", "[hidgate]\r\nBackend=hid\r\n", true},
      {"hid backend, no such device",
       "[hidgate]\r\nBackend=hid\r\n[hid]\r\nVendorId=0x1A2B\r\n"
       "ProductId=0x3C4D\r\n",
       true},
      {"binary garbage", std::string("\xFF\xFE\x00\xD8\x00\x00[\x00", 8), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    VirtualMouseRun mouse;
    if (c.settings != ownSettings) {
      mouse.WriteSettings(c.settings);
    }
    if (c.startMouse) {
      ASSERT_TRUE(mouse.Start());
    }
    {
      win32::HidgateLibrary library(mouse.LibraryPath());
      ASSERT_TRUE(library.Available());
      RecordingWindow window(L"HidgateTestWindow", L"hidgate test", WS_POPUP, 0, 0, 10, 10);
      library.OpenDevMonitor(reinterpret_cast<WindowHandle>(window.hwnd()), kNoticeMessage,
                             kArrivalMessage);
      EXPECT_FALSE(library.OpenFeatureDevice());
      std::uint8_t report[3] = {0x05, 0x03, 0x01};
      EXPECT_FALSE(library.SetFeature(report, 3));
      EXPECT_FALSE(library.GetFeature(report, 3));
      if (c.startMouse) {
        ASSERT_EQ(mouse.Ctl(L"press profile").ExitCode, 0u);
      }
      PumpMessages(100);
      EXPECT_TRUE(window.Of(kNoticeMessage).empty());
      library.CloseDevMonitor();
      library.CloseFeatureDevice();
    }
    EXPECT_EQ(mouse.Stop(), 0u);
  }
}

TEST(Vmousectl, ReportsUsageErrorsAndAMissingVirtualMouse) {
  VirtualMouseRun mouse;
  EXPECT_EQ(mouse.Ctl(L"").ExitCode, 2u);
  EXPECT_EQ(mouse.Ctl(L"press").ExitCode, 2u);
  EXPECT_EQ(mouse.Ctl(L"fly").ExitCode, 2u);
  EXPECT_EQ(mouse.Ctl(L"--wait=0 dump").ExitCode, 3u);
  const CtlResult buttons = mouse.Ctl(L"buttons");
  EXPECT_EQ(buttons.ExitCode, 0u);
  EXPECT_EQ(Lines(buttons.Output).size(), 27u);
  ASSERT_TRUE(mouse.Start());
  EXPECT_EQ(Lines(mouse.Ctl(L"state").Output),
            std::vector<std::string>{"plugged, host software absent"});
  EXPECT_EQ(mouse.Ctl(L"press button16").ExitCode, 1u);
}

}  // namespace
}  // namespace mouse::vmouse::testing
