// The device code against the virtual mouse: a full apply of every profile
// and a full read-back, the tasks DeviceWorker runs, leave the mouse's memory equal
// to the block and the block equal to the mouse; the mouse's buttons reach
// the device code as posted notices and as changed state.
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "device/button_map_report.h"
#include "device/device_link.h"
#include "device/device_tasks.h"
#include "device/guarded_block.h"
#include "device/macro_report.h"
#include "device/profile_settings_report.h"
#include "device/reports.h"
#include "manual_clock.h"
#include "recording_task_host.h"
#include "settings/button_codes.h"
#include "settings/coordination.h"
#include "settings/fixed_text.h"
#include "support/vmouse/firmware/firmware_reports.h"
#include "support/vmouse/service/service_hid_link.h"
#include "temp_folder.h"

namespace mouse::vmouse {
namespace {

using mouse::testing::ManualClock;
using mouse::testing::TempFolder;

struct Posted {
  WindowHandle window;
  unsigned message;
  std::uintptr_t wParam;
  std::intptr_t lParam;
  bool operator==(const Posted&) const = default;
};

// Counts the status reads that found the mouse busy.
class CountingLink final : public HidLink {
 public:
  explicit CountingLink(HidLink& inner) : inner_(inner) {}
  void OpenDevMonitor(WindowHandle w, unsigned n, unsigned a) override {
    inner_.OpenDevMonitor(w, n, a);
  }
  void CloseDevMonitor() override { inner_.CloseDevMonitor(); }
  bool OpenFeatureDevice() override { return inner_.OpenFeatureDevice(); }
  void CloseFeatureDevice() override { inner_.CloseFeatureDevice(); }
  bool SetFeature(const std::uint8_t* r, std::size_t n) override { return inner_.SetFeature(r, n); }
  bool GetFeature(std::uint8_t* r, std::size_t n) override {
    const bool ok = inner_.GetFeature(r, n);
    if (ok && r[0] == mouse::kStatusReportId && r[1] == mouse::kStatusBusy) {
      ++busyAnswers;
    }
    return ok;
  }
  int busyAnswers = 0;

 private:
  HidLink& inner_;
};

void SetMacro(MacroKeyInfo& record, std::u16string_view name, std::int32_t playCount,
              std::vector<MacroEvent> events) {
  record.FunctionCode = kMacro;
  SetFixedText(record.MacroName, name);
  record.MacroParam = playCount;
  record.EventCount = static_cast<std::uint16_t>(events.size());
  std::copy(events.begin(), events.end(), record.Events);
}

// Every profile differs from the defaults in everything the mouse keeps.
SettingsBlock CustomBlock() {
  SettingsBlock block{};
  InitBlock(block);
  ResetAllDefaults(block);
  block.CurrentProfile = 3;
  for (int p = 0; p < kProfileCount; ++p) {
    ProfileRecord& r = block.Profiles[p];
    r.Sensitivity_X = 10;  // levels read back only at sensitivity 10
    r.Sensitivity_Y = p == 4 ? 7 : 10;
    for (int i = 0; i < kCpiLevelCount; ++i) {
      r.CpiLevel_X[i] = 4 + 10 * i + p;
      r.dpiStepFlag[i] = static_cast<std::uint8_t>((i + p) % 2);
      r.dpiIndicator[i] = static_cast<std::uint8_t>(5 - i);
    }
    r.CpiStep = (p + 2) % kCpiLevelCount;
    r.DpiIndicationType = 2;
    r.PollingRate = 3 - p % 4;
    r.BtnConfiguration = static_cast<std::uint8_t>(3 + p);
    r.Color1Type = 2;
    r.Color2Type = 3;
    r.LightEffectSwitch1 = 0;
    r.LightEffectSwitch2 = 1;
    r.LightEffectType1 = 0;
    r.LightEffectType2 = 2;
    r.ColorFlag = 1;
    r.ColorOptions1 = static_cast<std::uint8_t>(p);
    r.ColorOptions2 = 4;
    r.ColorChangeModeOptions1 = 1;  // what the mouse reports back for a fixed colour
    r.ColorChangeModeOptions2 = 6;
    r.OTGSpeed = 20 + p;
    MacroKeyInfo* buttons = r.MacroKeyInfo;
    buttons[3].FunctionCode = kKeyStroke;
    buttons[3].EventCount = 1;
    buttons[3].Events[0] = {0x1B, 0x06, 0};
    buttons[9].FunctionCode = 17;
    buttons[12].FunctionCode = 28;
    buttons[14].FunctionCode = 44;
    SetMacro(buttons[6], u"Reload", 3,
             {{0x15, 1, 1000}, {0x15, 2, 10000}, {0xF1, 1, 50}, {0xF1, 2, 0}});
  }
  SetMacro(block.Profiles[2].MacroKeyInfo[10], u"Café", 0, {{0x04, 1, 19200}, {0x04, 2, 0}});
  return block;
}

class DeviceAgainstModelTest : public ::testing::Test {
 protected:
  // Helper's block and the tasks DeviceWorker runs on it.
  SettingsBlock Block() const { return *guarded.Snapshot(); }
  void SetBlock(const SettingsBlock& block) {
    guarded.Modify([&](SettingsBlock& b) { b = block; });
  }

  TempFolder folder;
  ManualClock clock;
  VirtualMouseService service{clock, FirmwareOptions{}, folder / "VirtualMouse.flash"};
  std::vector<Posted> posted;
  ServiceHidLink hid{service,
                     [this](WindowHandle w, unsigned m, std::uintptr_t wp, std::intptr_t lp) {
                       posted.push_back({w, m, wp, lp});
                     }};
  CountingLink counting{hid};
  std::atomic<int> abortFlag{0};
  CodePage1252 codePage;
  DeviceLink link{counting, clock, abortFlag, codePage};
  GuardedBlock guarded;
  mouse::testing::RecordingTaskHost host;
  DeviceTasks tasks{link, guarded, host, nullptr};
};

TEST_F(DeviceAgainstModelTest, AFullApplyLeavesTheBlockInTheMousesMemory) {
  ASSERT_TRUE(hid.OpenFeatureDevice());
  SettingsBlock block = CustomBlock();
  MarkAllDirty(block);
  SetBlock(block);
  tasks.Run(kTaskApplyChanges, 1);  // and the tuning table
  EXPECT_GT(counting.busyAnswers, 0) << "the mouse takes its time: some polls see it busy";
  EXPECT_EQ(host.ToOption(), std::vector<unsigned>{kMsgApplyDone});
  const CommandRecord last = service.Snapshot().Commands.back();
  EXPECT_EQ(last.Text, "table chunk 3/3");
  EXPECT_TRUE(last.Accepted);
  for (const CommandRecord& command : service.Snapshot().Commands) {
    EXPECT_TRUE(command.Accepted) << command.Text;
  }

  const FirmwareMemory memory = service.Snapshot().Memory;
  EXPECT_EQ(memory.ActiveProfile, 3);
  for (int p = 0; p < kProfileCount; ++p) {
    SCOPED_TRACE(p);
    const ProfileRecord& record = block.Profiles[p];
    const FirmwareProfile& profile = memory.Profiles[static_cast<std::size_t>(p)];
    const auto settings = BuildProfileSettingsReport(record, p);
    EXPECT_EQ(SettingsReport(profile.Settings, p), Report(settings.begin(), settings.end()));
    const auto buttons = BuildButtonMapReport(record, p);
    EXPECT_EQ(ButtonMapReport(profile, p), Report(buttons.begin(), buttons.end()));
    for (int b = 0; b < kButtonCount; ++b) {
      if (record.MacroKeyInfo[b].FunctionCode == kMacro) {
        const auto macro = BuildMacroReport(record.MacroKeyInfo[b], p, b, codePage);
        EXPECT_EQ(MacroReport(profile.Macros[b], p, b), Report(macro.begin(), macro.end())) << b;
      }
    }
  }
  const auto otg = BuildOtgReport(block.Profiles[3].OTGSpeed);
  EXPECT_EQ(OtgReport(memory.Profiles[3].Otg), Report(otg.begin(), otg.end()));
}

TEST_F(DeviceAgainstModelTest, AFullReadBackGivesTheBlockThatWasApplied) {
  ASSERT_TRUE(hid.OpenFeatureDevice());
  SettingsBlock applied = CustomBlock();
  MarkAllDirty(applied);
  SetBlock(applied);
  tasks.Run(kTaskApplyChanges, 0);

  SettingsBlock defaults{};
  InitBlock(defaults);
  ResetAllDefaults(defaults);
  SetBlock(defaults);
  host.toOption.clear();
  tasks.Run(kTaskReadAll, 0);
  const SettingsBlock read = Block();
  EXPECT_EQ(service.Snapshot().Memory.HostPresent, 1) << "Helper has taken over the mouse";
  EXPECT_EQ(host.saved.size(), 1u) << "a complete read-back is saved";
  EXPECT_EQ(host.ToOption(), std::vector<unsigned>{kMsgReadBackDone});
  EXPECT_EQ(host.firmwareVersions, std::vector<int>{FirmwareOptions{}.FirmwareVersion});
  EXPECT_EQ(read.MouseType, FirmwareOptions{}.MouseType);
  EXPECT_EQ(read.CurrentProfile, 3);
  EXPECT_EQ(read.Profiles[3].OTGSpeed, 23);
  for (int p = 0; p < kProfileCount; ++p) {
    SCOPED_TRACE(p);
    const ProfileRecord& a = applied.Profiles[p];
    const ProfileRecord& r = read.Profiles[p];
    EXPECT_EQ(r.Sensitivity_X, a.Sensitivity_X);
    EXPECT_EQ(r.Sensitivity_Y, a.Sensitivity_Y);
    EXPECT_TRUE(std::equal(a.CpiLevel_X, a.CpiLevel_X + kCpiLevelCount, r.CpiLevel_X));
    EXPECT_TRUE(std::equal(a.dpiStepFlag, a.dpiStepFlag + kCpiLevelCount, r.dpiStepFlag));
    EXPECT_TRUE(std::equal(a.dpiIndicator, a.dpiIndicator + kCpiLevelCount, r.dpiIndicator));
    EXPECT_EQ(r.CpiStep, a.CpiStep);
    EXPECT_EQ(r.DpiIndicationType, a.DpiIndicationType);
    EXPECT_EQ(r.PollingRate, a.PollingRate);
    EXPECT_EQ(r.BtnConfiguration, a.BtnConfiguration);
    EXPECT_EQ(r.Color1Type, a.Color1Type);
    EXPECT_EQ(r.Color2Type, a.Color2Type);
    EXPECT_EQ(r.LightEffectSwitch1, a.LightEffectSwitch1);
    EXPECT_EQ(r.LightEffectSwitch2, a.LightEffectSwitch2);
    EXPECT_EQ(r.LightEffectType1, a.LightEffectType1);
    EXPECT_EQ(r.LightEffectType2, a.LightEffectType2);
    EXPECT_EQ(r.ColorFlag, a.ColorFlag);
    EXPECT_EQ(r.ColorOptions1, a.ColorOptions1);
    EXPECT_EQ(r.ColorOptions2, a.ColorOptions2);
    EXPECT_EQ(r.ColorChangeModeOptions1, a.ColorChangeModeOptions1);
    EXPECT_EQ(r.ColorChangeModeOptions2, a.ColorChangeModeOptions2);
    EXPECT_EQ(r.ProfileSwitchIndictor, a.ProfileSwitchIndictor);
    for (int b = 0; b < kButtonCount; ++b) {
      SCOPED_TRACE(b);
      const MacroKeyInfo& ab = a.MacroKeyInfo[b];
      const MacroKeyInfo& rb = r.MacroKeyInfo[b];
      EXPECT_EQ(rb.FunctionCode, ab.FunctionCode);
      if (ab.FunctionCode == kKeyStroke) {
        EXPECT_EQ(rb.Events[0].Key, ab.Events[0].Key);
        EXPECT_EQ(rb.Events[0].Action, ab.Events[0].Action);
      }
      if (ab.FunctionCode == kMacro) {
        EXPECT_EQ(FixedText(rb.MacroName), FixedText(ab.MacroName));
        EXPECT_EQ(rb.MacroParam, ab.MacroParam == 0 ? 1 : ab.MacroParam);
        ASSERT_EQ(rb.EventCount, ab.EventCount);
        for (int e = 0; e < ab.EventCount; ++e) {
          EXPECT_EQ(rb.Events[e].Key, ab.Events[e].Key) << e;
          EXPECT_EQ(rb.Events[e].Action, ab.Events[e].Action) << e;
          // The pause after the last event is not kept by the mouse.
          EXPECT_EQ(rb.Events[e].Delay, e + 1 < ab.EventCount ? ab.Events[e].Delay : 0) << e;
        }
      }
    }
  }
}

TEST_F(DeviceAgainstModelTest, TheMousesButtonsArePostedAndChangeWhatIsReadBack) {
  ASSERT_TRUE(hid.OpenFeatureDevice());
  hid.OpenDevMonitor(0x1234, 1325, 1326);
  SettingsBlock block{};
  InitBlock(block);
  ResetAllDefaults(block);

  ASSERT_TRUE(service.Press({ButtonKind::kProfile}));
  ASSERT_TRUE(service.Press({ButtonKind::kCpi}));
  ASSERT_TRUE(service.Press({ButtonKind::kPolling}));
  EXPECT_EQ(posted,
            (std::vector<Posted>{
                {0x1234, 1325, 0x3000, 2}, {0x1234, 1325, 0xB000, 3}, {0x1234, 1325, 0xD000, 4}}));
  ASSERT_TRUE(link.ReadActiveProfile(block));
  ASSERT_TRUE(link.ReadProfileSettings(block, 1));
  EXPECT_EQ(block.CurrentProfile, 1);
  EXPECT_EQ(block.Profiles[1].CpiStep, 2);
  EXPECT_EQ(block.Profiles[1].PollingRate, 3);
  EXPECT_EQ(block.Profiles[0].CpiStep, 1) << "profile 0 was not read and keeps its level";

  posted.clear();
  service.SetPlugged(false);
  EXPECT_FALSE(link.SendProfileSelect(0));
  EXPECT_FALSE(hid.OpenFeatureDevice());
  service.SetPlugged(true);
  EXPECT_EQ(posted, (std::vector<Posted>{{0x1234, 1326, 0, 0}, {0x1234, 1326, 1, 0}}));
  ASSERT_TRUE(hid.OpenFeatureDevice());
  EXPECT_TRUE(link.SendProfileSelect(0));

  hid.CloseDevMonitor();
  posted.clear();
  ASSERT_TRUE(service.Press({ButtonKind::kConfig}));
  EXPECT_TRUE(posted.empty());
}

}  // namespace
}  // namespace mouse::vmouse
