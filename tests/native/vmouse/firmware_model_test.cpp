#include "support/vmouse/firmware/firmware_model.h"

#include <gtest/gtest.h>

#include <string>

#include "device/data_block.h"
#include "manual_clock.h"
#include "report_bytes.h"
#include "support/vmouse/firmware/firmware_reports.h"

namespace mouse::vmouse {
namespace {

using mouse::testing::ManualClock;
using testing::Framed;
using testing::Hex;

std::vector<std::uint8_t> WithByte(std::vector<std::uint8_t> report, std::size_t at,
                                   std::uint8_t value) {
  report[at] = value;
  return report;
}

// A data chunk with its sum filled in.
std::vector<std::uint8_t> Summed(std::vector<std::uint8_t> report) {
  const std::uint16_t sum = DataChunkSum(report.data());
  report[1032] = static_cast<std::uint8_t>(sum & 0xFF);
  report[1033] = static_cast<std::uint8_t>(sum >> 8);
  return report;
}

std::vector<std::uint8_t> Chunk(const std::array<std::uint8_t, kDataBlockSize>& table, int n) {
  std::vector<std::uint8_t> report(1034, 0);
  report[0] = kDataChunkId;
  report[1] = static_cast<std::uint8_t>(n);
  const std::size_t offset = static_cast<std::size_t>(n - 1) * 1024;
  for (std::size_t i = 0; i < 1024 && offset + i < table.size(); ++i) {
    report[8 + i] = table[offset + i];
  }
  return Summed(report);
}

class FirmwareModelTest : public ::testing::Test {
 protected:
  bool Send(const std::vector<std::uint8_t>& report) {
    return model.SetFeature(report.data(), report.size());
  }
  std::vector<std::uint8_t> Read(std::uint8_t id, std::size_t length) {
    std::vector<std::uint8_t> report(length, 0);
    report[0] = id;
    EXPECT_TRUE(model.GetFeature(report.data(), report.size())) << "read of " << int(id);
    return report;
  }
  std::vector<std::uint8_t> ReadAfterRequest(std::uint8_t profile, std::uint8_t what,
                                             std::uint8_t id, std::size_t length) {
    EXPECT_TRUE(Send({kReadRequestId, profile, what}));
    return Read(id, length);
  }
  std::uint8_t StatusAfter(int ms) {
    clock.Advance(ms);
    return Read(kReadRequestId, 3)[1];
  }

  ManualClock clock;
  FirmwareModel model{clock};
};

TEST_F(FirmwareModelTest, FactoryProfilesAreTheDefaultsAsTheReportsCarryThem) {
  EXPECT_EQ(Read(kProfileSelectId, 3), Hex("05 03 00"));
  EXPECT_EQ(ReadAfterRequest(0, kReadSettings, kSettingsId, 37),
            Hex("06 25 00 0A 0A 0F 09 12 1B 38 38 09 12 1B 38 38 01 01 02 03 04 05 01 02 00 02 01 "
                "01 01 00 01 01 00 00 00 00 01"));
  EXPECT_EQ(ReadAfterRequest(0, kReadButtonMap, kButtonMapId, 50),
            Hex("07 32 00 01 00 00 02 00 00 03 00 00 07 00 00 08 00 00 0D 00 00 00 00 00 15 00 00 "
                "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 09 00 00 0A 00 00 00 00"));
  EXPECT_EQ(Read(kOtgId, 6), Hex("08 06 0A 03 09 00"));
  const std::uint8_t indicators[kProfiles] = {1, 3, 2, 5, 4};
  for (std::uint8_t p = 0; p < kProfiles; ++p) {
    const auto settings = ReadAfterRequest(p, kReadSettings, kSettingsId, 37);
    EXPECT_EQ(settings[2], p);
    EXPECT_EQ(settings[36], indicators[p]) << "profile " << int(p);
  }
  EXPECT_EQ(model.Memory().TuningTable, DataBlock());
}

TEST_F(FirmwareModelTest, DeviceInfoCarriesVersionAndType) {
  FirmwareOptions options;
  options.FirmwareVersion = 0x21;
  options.MouseType = 7;
  FirmwareModel custom(clock, options);
  std::vector<std::uint8_t> info(8, 0);
  info[0] = kDeviceInfoId;
  ASSERT_TRUE(custom.GetFeature(info.data(), info.size()));
  EXPECT_EQ(info[2], 0x21);
  EXPECT_EQ(info[4], 7);
}

TEST_F(FirmwareModelTest, ACommandIsBusyForItsTimeThenCompleted) {
  struct Case {
    std::vector<std::uint8_t> command;
    int busyMs;
  };
  const BusyTimes busy;
  const Case cases[] = {
      {Hex("05 03 02"), busy.ProfileSelectMs},
      {Framed(kSettingsId, 37, {1, 10, 10}), busy.SettingsMs},
      {Framed(kButtonMapId, 50, {4}), busy.ButtonMapMs},
      {Hex("08 06 20 03 09 00"), busy.OtgMs},
      {Framed(kMacroId, 130, {2, 14, 1}), busy.MacroMs},
      {Hex("0E 03 01"), busy.HostPresenceMs},
      {Hex("04 03 07"), busy.ReadRequestMs},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.command[0]));
    ASSERT_TRUE(Send(c.command));
    EXPECT_EQ(StatusAfter(0), kStatusBusy);
    EXPECT_EQ(StatusAfter(c.busyMs - 1), kStatusBusy);
    EXPECT_EQ(StatusAfter(1), kStatusCompleted);
  }
}

TEST_F(FirmwareModelTest, BusyTimesAreConfigurable) {
  FirmwareModel quick(clock, FirmwareOptions{BusyTimes::Uniform(0)});
  const auto select = Hex("05 03 01");
  ASSERT_TRUE(quick.SetFeature(select.data(), select.size()));
  std::vector<std::uint8_t> status{kReadRequestId, 0, 0};
  ASSERT_TRUE(quick.GetFeature(status.data(), status.size()));
  EXPECT_EQ(status[1], kStatusCompleted);
}

TEST_F(FirmwareModelTest, MalformedCommandsFailAtOnceAndChangeNothing) {
  std::vector<std::uint8_t> badSum = Chunk(DataBlock(), 1);
  badSum[1032] ^= 0x01;
  std::vector<std::uint8_t> tooManyEntries = Framed(kMacroId, 130, {0, 0, 1});
  tooManyEntries[29] = 51;
  struct Case {
    const char* what;
    std::vector<std::uint8_t> command;
  };
  const Case cases[] = {
      {"select: profile above 4", Hex("05 03 05")},
      {"select: too long", Hex("05 03 01 00")},
      {"select: too short", Hex("05 03")},
      {"settings: wrong length", Framed(kSettingsId, 36)},
      {"settings: wrong length byte", WithByte(Framed(kSettingsId, 37), 1, 36)},
      {"settings: profile above 4", Framed(kSettingsId, 37, {5})},
      {"buttons: profile above 4", Framed(kButtonMapId, 50, {9})},
      {"buttons: wrong length", Framed(kButtonMapId, 49)},
      {"otg: wrong length", Framed(kOtgId, 7)},
      {"macro: button above 14", Framed(kMacroId, 130, {0, 15})},
      {"macro: profile above 4", Framed(kMacroId, 130, {5, 0})},
      {"macro: more than 50 entries", tooManyEntries},
      {"macro: wrong length", Framed(kMacroId, 129)},
      {"host: flag other than 0 and 1", Hex("0E 03 02")},
      {"chunk: bad sum", badSum},
      {"chunk: number 4", Summed(WithByte(Framed(kDataChunkId, 1034), 1, 4))},
      {"chunk: number 0", Summed(WithByte(Framed(kDataChunkId, 1034), 1, 0))},
      {"chunk: wrong length", Framed(kDataChunkId, 1033)},
      {"read request: profile above 4", Hex("04 05 10")},
      {"read request: unknown selector", Hex("04 00 30")},
      {"read request: button above 14", Hex("04 00 0F")},
      {"read request: wrong length", Hex("04 00 10 00")},
  };
  const FirmwareMemory before = model.Memory();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(Send(c.command)) << "the transfer itself is taken";
    EXPECT_EQ(StatusAfter(0), kStatusFailed);
    EXPECT_FALSE(model.RecentCommands().back().Accepted);
  }
  EXPECT_EQ(model.Memory(), before);
  // The next good command clears the failure.
  ASSERT_TRUE(Send(Hex("05 03 01")));
  EXPECT_EQ(StatusAfter(1000), kStatusCompleted);
}

TEST_F(FirmwareModelTest, ReportsTheMouseDoesNotHaveAreRefused) {
  EXPECT_FALSE(Send(Hex("0A 08 00 00 00 00 00 00"))) << "device info is read only";
  EXPECT_FALSE(Send(Hex("33 03 00")));
  EXPECT_FALSE(model.SetFeature(nullptr, 3));
  std::vector<std::uint8_t> buffer(130, 0);
  const struct {
    std::uint8_t id;
    std::size_t length;
  } refused[] = {{kSettingsId, 36},    {kButtonMapId, 51}, {kHostPresenceId, 3},
                 {kDataChunkId, 1034}, {0x33, 3},          {kReadRequestId, 0}};
  for (const auto& r : refused) {
    buffer.assign(std::max<std::size_t>(r.length, 1), 0);
    buffer[0] = r.id;
    EXPECT_FALSE(model.GetFeature(buffer.data(), r.length)) << int(r.id) << "/" << r.length;
  }
}

TEST_F(FirmwareModelTest, StoredCommandsReadBackAsSent) {
  std::vector<std::uint8_t> settings(37);
  for (std::size_t i = 0; i < settings.size(); ++i) {
    settings[i] = static_cast<std::uint8_t>(0x40 + i);
  }
  settings[0] = kSettingsId;
  settings[1] = 37;
  settings[2] = 3;
  settings[24] = 0;
  ASSERT_TRUE(Send(settings));
  EXPECT_EQ(ReadAfterRequest(3, kReadSettings, kSettingsId, 37), settings);

  std::vector<std::uint8_t> buttons = Framed(kButtonMapId, 50, {2});
  buttons[3] = 5;
  buttons[4] = 0x06;
  buttons[5] = 0x1B;
  buttons[3 + 3 * 14] = 16;
  ASSERT_TRUE(Send(buttons));
  EXPECT_EQ(ReadAfterRequest(2, kReadButtonMap, kButtonMapId, 50), buttons);

  std::vector<std::uint8_t> macro = Framed(kMacroId, 130, {4, 14, 3, 'R', 'e', 'l'});
  macro[29] = 2;
  macro[30] = 0x15;
  macro[32] = 0x15;
  macro[33] = 0x82;
  ASSERT_TRUE(Send(macro));
  EXPECT_EQ(ReadAfterRequest(4, 14, kMacroId, 130), macro);

  // Each read returns what its own request selected, whatever came between.
  EXPECT_EQ(Read(kSettingsId, 37), settings);
  EXPECT_EQ(Read(kButtonMapId, 50), buttons);

  // OTG belongs to the active profile.
  ASSERT_TRUE(Send(Hex("05 03 04")));
  ASSERT_TRUE(Send(Hex("08 06 30 03 09 00")));
  EXPECT_EQ(Read(kProfileSelectId, 3), Hex("05 03 04"));
  EXPECT_EQ(Read(kOtgId, 6), Hex("08 06 30 03 09 00"));
  EXPECT_EQ(model.Memory().Profiles[4].Otg.Speed, 0x30);
  EXPECT_EQ(model.Memory().Profiles[0].Otg.Speed, 10);

  ASSERT_TRUE(Send(Hex("0E 03 01")));
  EXPECT_EQ(model.Memory().HostPresent, 1);
}

TEST_F(FirmwareModelTest, TheTuningTableIsTakenWhenAllThreeChunksArrivedInOrder) {
  std::array<std::uint8_t, kDataBlockSize> table = DataBlock();
  table[100] ^= 0xFF;
  table[kDataBlockSize - 1] ^= 0xFF;
  ASSERT_TRUE(Send(Chunk(table, 1)));
  ASSERT_TRUE(Send(Chunk(table, 2)));
  EXPECT_EQ(model.Memory().TuningTable, DataBlock()) << "nothing is taken before the last chunk";
  ASSERT_TRUE(Send(Chunk(table, 3)));
  EXPECT_EQ(StatusAfter(BusyTimes{}.DataChunkMs), kStatusCompleted);
  EXPECT_EQ(model.Memory().TuningTable, table);
}

TEST_F(FirmwareModelTest, AnOutOfOrderOrForeignTableFails) {
  std::array<std::uint8_t, kDataBlockSize> table = DataBlock();
  table[2000] ^= 0x01;
  ASSERT_TRUE(Send(Chunk(table, 1)));
  ASSERT_TRUE(Send(Chunk(table, 3)));
  EXPECT_EQ(StatusAfter(0), kStatusFailed);
  ASSERT_TRUE(Send(Chunk(table, 2)));
  EXPECT_EQ(StatusAfter(0), kStatusFailed) << "the transfer starts again with chunk 1";

  std::array<std::uint8_t, kDataBlockSize> foreign = table;
  foreign[0] = 'X';
  ASSERT_TRUE(Send(Chunk(foreign, 1)));
  EXPECT_EQ(StatusAfter(0), kStatusFailed);
  EXPECT_EQ(model.Memory().TuningTable, DataBlock());
}

TEST_F(FirmwareModelTest, RevisionGrowsWithEveryChangeAndTheLogKeepsTheLastCommands) {
  const std::uint64_t start = model.Revision();
  ASSERT_TRUE(Send(Hex("04 00 10")));
  EXPECT_EQ(model.Revision(), start) << "a read request changes no memory";
  ASSERT_TRUE(Send(Hex("05 03 01")));
  EXPECT_GT(model.Revision(), start);
  const std::uint64_t afterSelect = model.Revision();
  model.Press({ButtonKind::kTiltLeft});
  EXPECT_EQ(model.Revision(), afterSelect);
  model.Press({ButtonKind::kProfile});
  EXPECT_GT(model.Revision(), afterSelect);
  EXPECT_EQ(model.RecentCommands().back().Text, "pressed profile 3000:0003");

  for (int i = 0; i < 10; ++i) {
    ASSERT_TRUE(Send(Hex("05 03 02")));
  }
  ASSERT_TRUE(Send(Framed(kMacroId, 130, {0, 15})));
  EXPECT_EQ(model.RecentCommands().size(), FirmwareModel::kCommandLogSize);
  EXPECT_EQ(model.RecentCommands().front().Text, "select P3");
  EXPECT_EQ(model.RecentCommands().back().Text, "rejected 0x09: button 15");
}

TEST_F(FirmwareModelTest, ResetRestoresTheFactoryMemory) {
  ASSERT_TRUE(Send(Hex("05 03 03")));
  model.Press({ButtonKind::kSensitivity});
  model.ResetToFactory();
  EXPECT_EQ(model.Memory(), FactoryMemory());
}

}  // namespace
}  // namespace mouse::vmouse
