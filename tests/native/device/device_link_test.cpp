#include "device/device_link.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <numeric>

#include "device/data_block.h"
#include "device/profile_settings_report.h"
#include "fake_hid_link.h"
#include "settings/button_codes.h"
#include "settings/fixed_text.h"

namespace mouse {
namespace {

using testing::FakeHidLink;
using testing::HidCall;
using testing::HookedClock;

std::vector<std::int64_t> TimesOf(const std::vector<HidCall>& calls) {
  std::vector<std::int64_t> times;
  for (const HidCall& call : calls) {
    times.push_back(call.atMs);
  }
  return times;
}

template <std::size_t N>
std::vector<std::uint8_t> Bytes(const Report<N>& report) {
  return {report.begin(), report.end()};
}

class DeviceLinkTest : public ::testing::Test {
 protected:
  DeviceLinkTest() { ResetAllDefaults(block); }

  // Every sleep so far was one 100 ms step of an abortable wait.
  void ExpectOnlySteps(std::size_t count) {
    EXPECT_EQ(clock.Sleeps(), std::vector<int>(count, 100));
  }

  HookedClock clock;
  std::atomic<int> abortFlag{0};
  CodePage1252 codePage;
  FakeHidLink hid{clock};
  DeviceLink link{hid, clock, abortFlag, codePage};
  SettingsBlock block{};
};

// --- the acknowledgement poll ------------------------------------------

struct PollCase {
  const char* name;
  int firstWait;
  std::vector<std::optional<std::uint8_t>> answers;  // nothing = the read fails
  bool result;
  std::vector<std::int64_t> readTimes;
};

void PrintTo(const PollCase& c, std::ostream* os) { *os << c.name; }

class PollTest : public DeviceLinkTest, public ::testing::WithParamInterface<PollCase> {};

TEST_P(PollTest, ReadsStatusAfterEachWaitUntilDoneOrFailed) {
  const PollCase& c = GetParam();
  for (const auto& answer : c.answers) {
    hid.QueueStatus(answer);
  }
  EXPECT_EQ(link.WaitDeviceReady(c.firstWait), c.result);
  EXPECT_EQ(TimesOf(hid.Reads()), c.readTimes);
  for (const HidCall& read : hid.Reads()) {
    EXPECT_EQ(read.bytes.size(), kStatusReportLength);
    EXPECT_EQ(read.bytes[0], kStatusReportId);
  }
  ExpectOnlySteps(static_cast<std::size_t>(c.readTimes.back() / 100));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PollTest,
    ::testing::Values(
        PollCase{"DoneAtOnce", 200, {1}, true, {200}},
        PollCase{"BusyTwiceThenDone", 300, {3, 3, 1}, true, {300, 1300, 2800}},
        PollCase{"FailedStatus", 100, {2}, false, {100}},
        PollCase{"StatusZero", 100, {0}, false, {100}},
        PollCase{"UnknownStatusAfterBusy", 100, {3, 0xFF}, false, {100, 1100}},
        PollCase{"FailedReadAtOnce", 500, {std::nullopt}, false, {500}},
        // A failed read keeps the busy status of the read before it.
        PollCase{"FailedReadWhileBusy", 100, {3, std::nullopt, 1}, true, {100, 1100, 2600}},
        // Waits below a step take no sleep; the step count rounds down.
        PollCase{"FirstWaitBelowOneStep", 50, {1}, true, {0}},
        PollCase{"FirstWaitRoundsDown", 250, {1}, true, {200}},
        PollCase{"TenTimesBusy",
                 200,
                 {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1},
                 false,
                 {200, 1200, 2700, 4700, 6700, 8700, 10700, 12700, 14700, 16700}}),
    [](const auto& info) { return info.param.name; });

TEST_F(DeviceLinkTest, TenBusyAnswersGiveUpAfterFirstWaitPlus16500Ms) {
  hid.AlwaysStatus(kStatusBusy);
  EXPECT_FALSE(link.WaitDeviceReady(500));
  EXPECT_EQ(hid.Reads().size(), 10u);
  EXPECT_EQ(clock.NowMs(), 500 + 16500);
}

struct AbortCase {
  const char* name;
  int firstWait;
  int abortAfterSleep;  // 0 = before the poll starts
  std::vector<std::optional<std::uint8_t>> answers;
  std::size_t sleeps;
  std::size_t reads;
};

void PrintTo(const AbortCase& c, std::ostream* os) { *os << c.name; }

class PollAbortTest : public DeviceLinkTest, public ::testing::WithParamInterface<AbortCase> {};

TEST_P(PollAbortTest, AbortEndsThePollAtTheNextCheck) {
  const AbortCase& c = GetParam();
  for (const auto& answer : c.answers) {
    hid.QueueStatus(answer);
  }
  if (c.abortAfterSleep == 0) {
    abortFlag = 1;
  }
  clock.afterSleep = [&](int sleep) {
    if (sleep == c.abortAfterSleep) {
      abortFlag = 1;
    }
  };
  EXPECT_FALSE(link.WaitDeviceReady(c.firstWait));
  ExpectOnlySteps(c.sleeps);
  EXPECT_EQ(hid.Reads().size(), c.reads);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, PollAbortTest,
    ::testing::Values(AbortCase{"BeforeTheFirstStep", 300, 0, {1}, 0, 0},
                      AbortCase{"InTheMiddleOfTheFirstWait", 500, 3, {1}, 3, 0},
                      // The check after the last step catches an abort in the last sleep.
                      AbortCase{"DuringTheLastStep", 200, 2, {1}, 2, 0},
                      AbortCase{"BelowOneStepStillChecksOnce", 50, 0, {1}, 0, 0},
                      // Busy, then the abort comes during the 1000 ms wait.
                      AbortCase{"WhileTheMouseIsBusy", 100, 5, {3, 1}, 5, 1}),
    [](const auto& info) { return info.param.name; });

TEST_F(DeviceLinkTest, AbortableWaitSleepsWholeStepsAndReportsAnAbort) {
  EXPECT_TRUE(link.Wait(250));
  EXPECT_TRUE(link.Wait(0));
  ExpectOnlySteps(2);
  clock.afterSleep = [&](int sleep) { abortFlag = sleep == 4 ? 1 : 0; };
  EXPECT_FALSE(link.Wait(500));
  ExpectOnlySteps(4);
}

// --- commands ------------------------------------------------------------

struct CommandCase {
  const char* name;
  std::function<bool(DeviceLink&, const SettingsBlock&)> run;
  std::uint8_t id;
  std::size_t length;
  int firstWait;
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

class CommandTest : public DeviceLinkTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandTest, SendsOneReportThenPollsAfterItsFirstWait) {
  const CommandCase& c = GetParam();
  hid.AlwaysStatus(kStatusDone);
  EXPECT_TRUE(c.run(link, block));
  ASSERT_EQ(hid.Calls().size(), 2u);
  const HidCall& sent = hid.Calls()[0];
  EXPECT_TRUE(sent.sent);
  EXPECT_EQ(sent.atMs, 0);
  EXPECT_EQ(sent.bytes.size(), c.length);
  EXPECT_EQ(sent.bytes[0], c.id);
  EXPECT_EQ(sent.bytes[1], c.length);
  EXPECT_FALSE(hid.Calls()[1].sent);
  EXPECT_EQ(hid.Calls()[1].atMs, c.firstWait);
  ExpectOnlySteps(static_cast<std::size_t>(c.firstWait / 100));
}

TEST_P(CommandTest, ARejectedSendFailsWithoutPolling) {
  const CommandCase& c = GetParam();
  hid.AlwaysStatus(kStatusDone);
  hid.RejectSends(c.id);
  EXPECT_FALSE(c.run(link, block));
  EXPECT_EQ(hid.Calls().size(), 1u);
  EXPECT_TRUE(clock.Sleeps().empty());
}

TEST_P(CommandTest, TheCommandFailsWhenTheMouseReportsFailure) {
  const CommandCase& c = GetParam();
  hid.AlwaysStatus(2);
  EXPECT_FALSE(c.run(link, block));
}

SettingsBlock WithMacroOnButton(SettingsBlock block, int profile, int button) {
  block.Profiles[profile].MacroKeyInfo[button].FunctionCode = kMacro;
  block.Profiles[profile].MacroKeyInfo[button].EventCount = 1;
  return block;
}

INSTANTIATE_TEST_SUITE_P(
    Reports, CommandTest,
    ::testing::Values(
        CommandCase{"ProfileSelect",
                    [](DeviceLink& l, const SettingsBlock&) { return l.SendProfileSelect(2); },
                    kProfileSelectReportId, 3, 100},
        CommandCase{
            "ProfileSettings",
            [](DeviceLink& l, const SettingsBlock& b) { return l.SendProfileSettings(b, 1); },
            kProfileSettingsReportId, 37, 200},
        CommandCase{"ButtonMap",
                    [](DeviceLink& l, const SettingsBlock& b) { return l.SendButtonMap(b, 4); },
                    kButtonMapReportId, 50, 500},
        CommandCase{"Otg", [](DeviceLink& l, const SettingsBlock& b) { return l.SendOtg(b); },
                    kOtgReportId, 6, 100},
        CommandCase{"Macro",
                    [](DeviceLink& l, const SettingsBlock& b) {
                      return l.SendMacro(WithMacroOnButton(b, 3, 9), 3, 9);
                    },
                    kMacroReportId, 130, 200},
        CommandCase{"HostPresence",
                    [](DeviceLink& l, const SettingsBlock&) { return l.SendHostPresence(true); },
                    kHostPresenceReportId, 3, 100}),
    [](const auto& info) { return info.param.name; });

TEST_F(DeviceLinkTest, CommandsCarryTheirProfileAndValues) {
  hid.AlwaysStatus(kStatusDone);
  block.CurrentProfile = 3;
  block.Profiles[3].OTGSpeed = 0x117;
  ASSERT_TRUE(link.SendOtg(block));
  ASSERT_TRUE(link.SendProfileSelect(4));
  ASSERT_TRUE(link.SendHostPresence(false));
  ASSERT_TRUE(link.SendProfileSettings(block, 3));
  const auto sent = hid.Sent();
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_EQ(sent[0].bytes, (std::vector<std::uint8_t>{0x08, 0x06, 0x17, 0x03, 0x09, 0x00}));
  EXPECT_EQ(sent[1].bytes, (std::vector<std::uint8_t>{0x05, 0x03, 0x04}));
  EXPECT_EQ(sent[2].bytes, (std::vector<std::uint8_t>{0x0E, 0x03, 0x00}));
  EXPECT_EQ(sent[3].bytes, Bytes(BuildProfileSettingsReport(block.Profiles[3], 3)));
}

TEST_F(DeviceLinkTest, AMacroCommandForAnotherFunctionSucceedsWithoutSending) {
  block.Profiles[0].MacroKeyInfo[3].FunctionCode = kKeyStroke;
  EXPECT_TRUE(link.SendMacro(block, 0, 3));
  EXPECT_TRUE(hid.Calls().empty());
}

TEST_F(DeviceLinkTest, IndicesOutOfRangeSendNothing) {
  hid.AlwaysStatus(kStatusDone);
  EXPECT_FALSE(link.SendProfileSelect(5));
  EXPECT_FALSE(link.SendProfileSelect(-1));
  EXPECT_FALSE(link.SendProfileSettings(block, 5));
  EXPECT_FALSE(link.SendButtonMap(block, -1));
  EXPECT_FALSE(link.SendMacro(block, 0, 15));
  EXPECT_FALSE(link.ReadProfileSettings(block, 7));
  EXPECT_FALSE(link.ReadMacro(block, 1, -1));
  block.CurrentProfile = -1;  // no configuration loaded yet
  EXPECT_FALSE(link.SendOtg(block));
  EXPECT_FALSE(link.ReadOtg(block));
  EXPECT_TRUE(hid.Calls().empty());
}

// --- reads ---------------------------------------------------------------

TEST_F(DeviceLinkTest, ReadingProfileSettingsRequestsPausesThenReadsAndStores) {
  auto answer = BuildProfileSettingsReport(block.Profiles[0], 0);
  answer[3] = 10;
  answer[6] = 44;
  answer[23] = 3;
  hid.Queue(kProfileSettingsReportId, Bytes(answer));
  ASSERT_TRUE(link.ReadProfileSettings(block, 2));

  ASSERT_EQ(hid.Calls().size(), 2u);
  EXPECT_EQ(hid.Calls()[0].bytes, (std::vector<std::uint8_t>{0x04, 0x02, 0x10}));
  EXPECT_EQ(hid.Calls()[0].atMs, 0);
  EXPECT_EQ(hid.Calls()[1].bytes.size(), 37u);
  EXPECT_EQ(hid.Calls()[1].atMs, 200);
  EXPECT_EQ(clock.Sleeps(), std::vector<int>{200});
  EXPECT_EQ(block.Profiles[2].CpiLevel_X[0], 44);
  EXPECT_EQ(block.Profiles[2].PollingRate, 3);
}

TEST_F(DeviceLinkTest, ThePauseBeforeAReadIgnoresTheAbortFlagAndTheRequestResult) {
  abortFlag = 1;
  hid.RejectSends(kReadRequestId);
  auto answer = EmptyReport<kButtonMapReportLength>(kButtonMapReportId);
  answer[3] = 9;
  hid.Queue(kButtonMapReportId, Bytes(answer));
  ASSERT_TRUE(link.ReadButtonMap(block, 1));
  EXPECT_EQ(hid.Calls()[0].bytes, (std::vector<std::uint8_t>{0x04, 0x01, 0x20}));
  EXPECT_EQ(hid.Calls()[1].atMs, 200);
  EXPECT_EQ(block.Profiles[1].MacroKeyInfo[0].FunctionCode, 9);
}

TEST_F(DeviceLinkTest, AFailedReadChangesNothing) {
  const SettingsBlock before = block;
  EXPECT_FALSE(link.ReadProfileSettings(block, 0));
  EXPECT_FALSE(link.ReadButtonMap(block, 0));
  EXPECT_FALSE(link.ReadActiveProfile(block));
  EXPECT_FALSE(link.ReadOtg(block));
  hid.AlwaysStatus(kStatusDone);
  EXPECT_FALSE(link.ReadMacro(block, 0, 0));
  EXPECT_EQ(std::memcmp(&before, &block, sizeof block), 0);
}

TEST_F(DeviceLinkTest, ReadingAMacroPollsTheRequestThenReads) {
  auto answer = EmptyReport<kMacroReportLength>(kMacroReportId);
  answer[4] = 3;
  answer[29] = 1;
  answer[30] = 0x04;
  hid.Queue(kMacroReportId, Bytes(answer));
  hid.QueueStatus(kStatusBusy);
  hid.QueueStatus(kStatusDone);
  ASSERT_TRUE(link.ReadMacro(block, 1, 4));

  const auto& calls = hid.Calls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].bytes, (std::vector<std::uint8_t>{0x04, 0x01, 0x04}));
  EXPECT_EQ(calls[1].bytes[0], kStatusReportId);
  EXPECT_EQ(calls[1].atMs, 300);
  EXPECT_EQ(calls[2].atMs, 1300);
  EXPECT_EQ(calls[3].bytes[0], kMacroReportId);
  EXPECT_EQ(calls[3].atMs, 1300);
  const MacroKeyInfo& record = block.Profiles[1].MacroKeyInfo[4];
  EXPECT_EQ(record.FunctionCode, kMacro);
  EXPECT_EQ(record.MacroParam, 3);
  EXPECT_EQ(record.EventCount, 1);
  EXPECT_EQ(std::u16string(FixedText(record.MacroName)), u"Pro2-M5");
}

TEST_F(DeviceLinkTest, AMacroIsReadWhateverThePollOfItsRequestGave) {
  hid.Queue(kMacroReportId, Bytes(EmptyReport<kMacroReportLength>(kMacroReportId)));
  hid.QueueStatus(2);
  EXPECT_TRUE(link.ReadMacro(block, 0, 0));

  // A rejected request is not polled.
  hid.RejectSends(kReadRequestId);
  hid.Queue(kMacroReportId, Bytes(EmptyReport<kMacroReportLength>(kMacroReportId)));
  const std::size_t before = hid.Calls().size();
  EXPECT_TRUE(link.ReadMacro(block, 0, 1));
  ASSERT_EQ(hid.Calls().size(), before + 2);
  EXPECT_EQ(hid.Calls()[before + 1].bytes[0], kMacroReportId);
}

TEST_F(DeviceLinkTest, ReadingTheActiveProfileTakesOnlyAProfileIndex) {
  hid.Queue(kProfileSelectReportId, std::vector<std::uint8_t>{0x05, 0x03, 0x04});
  hid.Queue(kProfileSelectReportId, std::vector<std::uint8_t>{0x05, 0x03, 0x05});
  block.CurrentProfile = 1;
  EXPECT_TRUE(link.ReadActiveProfile(block));
  EXPECT_EQ(block.CurrentProfile, 4);
  EXPECT_FALSE(link.ReadActiveProfile(block));
  EXPECT_EQ(block.CurrentProfile, 4);
  EXPECT_TRUE(clock.Sleeps().empty());
}

TEST_F(DeviceLinkTest, ReadingOtgStoresIntoTheCurrentProfile) {
  block.CurrentProfile = 2;
  hid.Queue(kOtgReportId, std::vector<std::uint8_t>{0x08, 0x06, 0x21, 0x03, 0x09, 0x00});
  EXPECT_TRUE(link.ReadOtg(block));
  EXPECT_EQ(block.Profiles[2].OTGSpeed, 0x21);
  EXPECT_EQ(block.Profiles[0].OTGSpeed, 10);
}

TEST_F(DeviceLinkTest, DeviceInfoGivesFirmwareAndTypeOrZeros) {
  hid.Queue(kDeviceInfoReportId, std::vector<std::uint8_t>{0x0A, 0, 0x17, 0, 0x02, 9, 9, 9});
  DeviceInfo info;
  EXPECT_TRUE(link.ReadDeviceInfo(info));
  EXPECT_EQ(info.firmwareVersion, 0x17);
  EXPECT_EQ(info.mouseType, 0x02);
  EXPECT_EQ(hid.Reads()[0].bytes.size(), 8u);
  EXPECT_FALSE(link.ReadDeviceInfo(info));
  EXPECT_EQ(info.firmwareVersion, 0);
  EXPECT_EQ(info.mouseType, 0);
  EXPECT_TRUE(clock.Sleeps().empty());
}

// --- the tuning table ----------------------------------------------------

TEST_F(DeviceLinkTest, DataBlockGoesInThreeChunksWithFixedPauses) {
  hid.AlwaysStatus(kStatusDone);
  ASSERT_TRUE(link.SendDataBlock());

  const auto sent = hid.Sent();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(TimesOf(sent), (std::vector<std::int64_t>{0, 1700, 2900}));
  EXPECT_EQ(TimesOf(hid.Reads()), (std::vector<std::int64_t>{1200, 2900, 4100}));
  EXPECT_EQ(clock.Sleeps(),
            (std::vector<int>{1000, 100, 100, 500, 1000, 100, 100, 1000, 100, 100}));

  const auto& table = DataBlock();
  std::vector<std::uint8_t> joined;
  for (int chunk = 0; chunk < 3; ++chunk) {
    const auto& bytes = sent[static_cast<std::size_t>(chunk)].bytes;
    ASSERT_EQ(bytes.size(), 1034u);
    EXPECT_EQ(bytes[0], 0x2A);
    EXPECT_EQ(bytes[1], chunk + 1);
    EXPECT_TRUE(std::all_of(bytes.begin() + 2, bytes.begin() + 8, [](auto b) { return b == 0; }));
    const unsigned sum = std::accumulate(bytes.begin(), bytes.begin() + 1032, 0u) & 0xFFFF;
    EXPECT_EQ(bytes[1032], sum & 0xFF);
    EXPECT_EQ(bytes[1033], sum >> 8);
    joined.insert(joined.end(), bytes.begin() + 8, bytes.begin() + 1032);
  }
  // The third chunk holds 1022 bytes: its last two data bytes are 0.
  ASSERT_EQ(joined.size(), 3072u);
  EXPECT_TRUE(std::equal(table.begin(), table.end(), joined.begin()));
  EXPECT_EQ(joined[3070], 0);
  EXPECT_EQ(joined[3071], 0);
}

TEST_F(DeviceLinkTest, DataBlockStopsWhenTheFirstChunkIsRejected) {
  hid.AlwaysStatus(kStatusDone);
  hid.RejectSend(kDataBlockReportId, 1);
  EXPECT_FALSE(link.SendDataBlock());
  EXPECT_EQ(hid.Calls().size(), 1u);
  EXPECT_TRUE(clock.Sleeps().empty());
}

TEST_F(DeviceLinkTest, DataBlockSkipsThePollOfARejectedSecondChunk) {
  hid.AlwaysStatus(kStatusDone);
  hid.RejectSend(kDataBlockReportId, 2);
  EXPECT_TRUE(link.SendDataBlock());
  EXPECT_EQ(hid.Sent().size(), 3u);
  EXPECT_EQ(hid.Reads().size(), 2u);
  EXPECT_EQ(clock.Sleeps(), (std::vector<int>{1000, 100, 100, 500, 1000, 1000, 100, 100}));
}

TEST_F(DeviceLinkTest, DataBlockResultIsThatOfTheThirdChunk) {
  hid.AlwaysStatus(kStatusDone);
  hid.RejectSend(kDataBlockReportId, 3);
  EXPECT_FALSE(link.SendDataBlock());
  EXPECT_EQ(clock.Sleeps().back(), 1000);
  EXPECT_EQ(hid.Reads().size(), 2u);

  FakeHidLink failing{clock};
  DeviceLink other{failing, clock, abortFlag, codePage};
  failing.QueueStatus(kStatusDone);
  failing.QueueStatus(kStatusDone);
  failing.QueueStatus(4);
  EXPECT_FALSE(other.SendDataBlock());
}

TEST_F(DeviceLinkTest, DataBlockPlainSleepsIgnoreTheAbortFlag) {
  hid.AlwaysStatus(kStatusDone);
  abortFlag = 1;
  EXPECT_FALSE(link.SendDataBlock());
  EXPECT_EQ(hid.Sent().size(), 3u);
  EXPECT_TRUE(hid.Reads().empty());
  EXPECT_EQ(clock.Sleeps(), (std::vector<int>{1000, 500, 1000, 1000}));
}

}  // namespace
}  // namespace mouse
