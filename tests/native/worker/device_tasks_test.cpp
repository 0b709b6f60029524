#include "device/device_tasks.h"

#include <gtest/gtest.h>

#include "../device/fake_hid_link.h"
#include "device/data_block.h"
#include "recording_task_host.h"
#include "settings/coordination.h"

namespace mouse {
namespace {

using testing::FakeHidLink;
using testing::HookedClock;
using testing::RecordingTaskHost;

class ApplyTest : public ::testing::Test {
 protected:
  ApplyTest()
      : hid(clock), link(hid, clock, abortFlag, codePage), tasks(link, block, host, nullptr) {
    hid.AlwaysStatus(kStatusDone);
    block.Modify([](SettingsBlock& b) { ResetAllDefaults(b); });
  }

  std::vector<std::uint8_t> SentIds() const {
    std::vector<std::uint8_t> ids;
    for (const auto& call : hid.Sent()) ids.push_back(call.bytes[0]);
    return ids;
  }

  HookedClock clock;
  FakeHidLink hid;
  std::atomic<int> abortFlag{0};
  CodePage1252 codePage;
  DeviceLink link;
  GuardedBlock block;
  RecordingTaskHost host;
  DeviceTasks tasks;
};

TEST_F(ApplyTest, OnlyTheProfileFlagSendsOneProfileSelect) {
  block.Modify([](SettingsBlock& b) {
    b.CurrentProfile = 3;
    b.ProfileDirty = 1;
  });
  tasks.Run(kTaskApplyChanges, 0);
  ASSERT_EQ(SentIds(), std::vector<std::uint8_t>{kProfileSelectReportId});
  EXPECT_EQ(hid.Sent()[0].bytes, (std::vector<std::uint8_t>{0x05, 0x03, 3}));
  EXPECT_EQ(host.displayed, std::vector<int>{3});
  EXPECT_EQ(host.ToOption(), std::vector<unsigned>{kMsgApplyDone});
  // The select's poll (one 100 ms step), its pause (500 ms), then 200 ms after
  // each profile's macros: sixteen steps of 100 ms.
  EXPECT_EQ(clock.Sleeps(), std::vector<int>(16, 100));
}

TEST_F(ApplyTest, AKeyAssignmentSendsTheButtonMapButNoMacro) {
  block.Modify([](SettingsBlock& b) {
    MacroKeyInfo& key = b.Profiles[2].MacroKeyInfo[7];
    key.FunctionCode = 5;
    key.EventCount = 1;
    key.Events[0] = {0x1B, 0x04, 0};
    b.ButtonDirty[2][7] = 1;
  });
  tasks.ApplyChangedSettings();
  ASSERT_EQ(SentIds(), std::vector<std::uint8_t>{kButtonMapReportId});
  const std::vector<std::uint8_t> map = hid.Sent()[0].bytes;
  EXPECT_EQ(map[2], 2) << "profile 2";
  EXPECT_EQ(map[3 + 3 * 7], 5);
  EXPECT_EQ(map[4 + 3 * 7], 0x04) << "the modifiers";
  EXPECT_EQ(map[5 + 3 * 7], 0x1B) << "the key";
}

TEST_F(ApplyTest, EverythingMarkedIsSentInOrder) {
  block.Modify([](SettingsBlock& b) {
    b.CurrentProfile = 1;
    MarkAllDirty(b);
    b.Profiles[4].MacroKeyInfo[9].FunctionCode = 16;
    b.Profiles[4].MacroKeyInfo[9].EventCount = 2;
    b.Profiles[4].MacroKeyInfo[9].Events[0] = {0x04, 1, 30};
    b.Profiles[4].MacroKeyInfo[9].Events[1] = {0x04, 2, 0};
  });
  EXPECT_TRUE(tasks.ApplyChangedSettings());
  std::vector<std::uint8_t> expected = {kProfileSelectReportId};
  expected.insert(expected.end(), 5, kProfileSettingsReportId);
  expected.insert(expected.end(), 5, kButtonMapReportId);
  expected.push_back(kOtgReportId);
  expected.push_back(kMacroReportId);
  EXPECT_EQ(SentIds(), expected);
}

TEST_F(ApplyTest, RestoringDefaultsAlsoSendsTheTuningTable) {
  block.Modify([](SettingsBlock& b) { b.ProfileDirty = 1; });
  tasks.Run(kTaskApplyChanges, 1);
  const auto sent = hid.Sent();
  ASSERT_EQ(sent.size(), 4u);
  for (int chunk = 1; chunk <= 3; ++chunk) {
    EXPECT_EQ(sent[chunk].bytes[0], kDataBlockReportId);
    EXPECT_EQ(sent[chunk].bytes[1], chunk);
  }
  EXPECT_EQ(host.ToOption(), std::vector<unsigned>{kMsgApplyDone});
}

TEST_F(ApplyTest, AnAbortEndsTheApplyButOptionStillHearsTheEnd) {
  block.Modify([](SettingsBlock& b) { MarkAllDirty(b); });
  clock.afterSleep = [this](int sleep) {
    if (sleep == 3) abortFlag = 1;
  };
  tasks.Run(kTaskApplyChanges, 1);
  EXPECT_EQ(SentIds(), std::vector<std::uint8_t>{kProfileSelectReportId})
      << "nothing after the abort, not even the tuning table";
  EXPECT_EQ(host.ToOption(), std::vector<unsigned>{kMsgApplyDone});
}

TEST_F(ApplyTest, FailedCommandsDoNotStopTheOthers) {
  hid.RejectSends(kProfileSettingsReportId);
  block.Modify([](SettingsBlock& b) {
    b.SettingsDirty[0] = 1;
    b.SettingsDirty[1] = 1;
    b.OtgDirty[0] = 1;
  });
  tasks.ApplyChangedSettings();
  EXPECT_EQ(SentIds(), (std::vector<std::uint8_t>{kProfileSettingsReportId,
                                                  kProfileSettingsReportId, kOtgReportId}));
}

TEST_F(ApplyTest, SendCurrentProfile) {
  block.Modify([](SettingsBlock& b) { b.CurrentProfile = 4; });
  tasks.Run(kTaskSendCurrentProfile, 0);
  ASSERT_EQ(SentIds(), std::vector<std::uint8_t>{kProfileSelectReportId});
  EXPECT_EQ(hid.Sent()[0].bytes[2], 4);
  EXPECT_EQ(clock.Sleeps().back(), 500) << "one plain pause after the select";
  EXPECT_EQ(host.displayed, std::vector<int>{4});
}

TEST(GuardedBlock, CommitsOnlyWhatTheExchangeChanged) {
  GuardedBlock block;
  block.Modify([](SettingsBlock& b) { ResetAllDefaults(b); });
  const auto before = block.Snapshot();
  auto after = std::make_unique<SettingsBlock>(*before);
  after->Profiles[1].Sensitivity_X = 17;
  // Meanwhile the window thread changes another field.
  block.Modify([](SettingsBlock& b) { b.Profiles[1].CpiStep = 4; });
  block.CommitChanges(*before, *after);
  const auto result = block.Snapshot();
  EXPECT_EQ(result->Profiles[1].Sensitivity_X, 17);
  EXPECT_EQ(result->Profiles[1].CpiStep, 4);
}

}  // namespace
}  // namespace mouse
