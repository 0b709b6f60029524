#include "device/reports.h"

#include <gtest/gtest.h>

#include <vector>

#include "device/data_block_report.h"

namespace mouse {
namespace {

template <std::size_t N>
std::vector<std::uint8_t> Bytes(const Report<N>& r) {
  return {r.begin(), r.end()};
}

TEST(Reports, SmallCommandsAreFramedWithIdAndLength) {
  EXPECT_EQ(Bytes(BuildReadRequest(3, kReadProfileSettings)),
            (std::vector<std::uint8_t>{0x04, 0x03, 0x10}));
  EXPECT_EQ(Bytes(BuildReadRequest(0, kReadButtonMap)),
            (std::vector<std::uint8_t>{0x04, 0x00, 0x20}));
  EXPECT_EQ(Bytes(BuildReadRequest(4, 14)), (std::vector<std::uint8_t>{0x04, 0x04, 0x0E}));
  EXPECT_EQ(Bytes(BuildProfileSelectReport(2)), (std::vector<std::uint8_t>{0x05, 0x03, 0x02}));
  EXPECT_EQ(Bytes(BuildOtgReport(0x1FF)),
            (std::vector<std::uint8_t>{0x08, 0x06, 0xFF, 0x03, 0x09, 0x00}));
  EXPECT_EQ(Bytes(BuildHostPresenceReport(true)), (std::vector<std::uint8_t>{0x0E, 0x03, 0x01}));
  EXPECT_EQ(Bytes(BuildHostPresenceReport(false)), (std::vector<std::uint8_t>{0x0E, 0x03, 0x00}));
}

TEST(Reports, ParsersRejectShortReportsAndForeignIds) {
  const std::vector<std::uint8_t> status = {0x04, 0x03, 0x00};
  EXPECT_EQ(ParseStatusReport(status), 3);
  EXPECT_EQ(ParseStatusReport(std::span(status).first(2)), std::nullopt);
  EXPECT_EQ(ParseStatusReport(std::vector<std::uint8_t>{0x05, 0x01, 0x00}), std::nullopt);
  EXPECT_EQ(ParseStatusReport(std::span<const std::uint8_t>()), std::nullopt);

  EXPECT_EQ(ParseOtgReport(std::vector<std::uint8_t>{0x08, 0x06, 0x0C, 3, 9, 0}), 0x0C);
  EXPECT_EQ(ParseOtgReport(std::vector<std::uint8_t>{0x08, 0x06, 0x0C, 3, 9}), std::nullopt);

  const auto info = ParseDeviceInfoReport(BuildDeviceInfoReport({0x21, 0x03}));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->firmwareVersion, 0x21);
  EXPECT_EQ(info->mouseType, 0x03);
  EXPECT_FALSE(ParseDeviceInfoReport(std::vector<std::uint8_t>(7, 0x0A)));

  EXPECT_EQ(ParseHostPresenceReport(BuildHostPresenceReport(true)), true);
  EXPECT_EQ(ParseHostPresenceReport(std::vector<std::uint8_t>{0x0E, 0x03}), std::nullopt);
}

TEST(Reports, TheActiveProfileIsTakenOnlyWhenItIsAProfile) {
  SettingsBlock block{};
  block.CurrentProfile = 2;
  for (std::uint8_t value : {0, 4}) {
    EXPECT_TRUE(StoreProfileSelectReport(std::vector<std::uint8_t>{0x05, 0x03, value}, block));
    EXPECT_EQ(block.CurrentProfile, value);
  }
  for (std::uint8_t value : {5, 0x80, 0xFF}) {
    EXPECT_FALSE(StoreProfileSelectReport(std::vector<std::uint8_t>{0x05, 0x03, value}, block));
    EXPECT_EQ(block.CurrentProfile, 4);
  }
}

TEST(DataBlockReport, SumCoversIdChunkNumberPaddingAndData) {
  for (int chunk = 1; chunk <= 3; ++chunk) {
    const auto r = BuildDataBlockReport(chunk);
    ASSERT_TRUE(r);
    unsigned sum = 0;
    for (std::size_t i = 0; i < 1032; ++i) {
      sum += (*r)[i];
    }
    EXPECT_EQ((*r)[1032] | ((*r)[1033] << 8), static_cast<int>(sum & 0xFFFF)) << chunk;
    EXPECT_EQ(CheckDataBlockReport(*r), chunk);
  }
  EXPECT_FALSE(BuildDataBlockReport(0));
  EXPECT_FALSE(BuildDataBlockReport(4));
}

TEST(DataBlockReport, TheMouseSideRejectsADamagedChunk) {
  auto r = *BuildDataBlockReport(2);
  r[500] ^= 0x01;
  EXPECT_FALSE(CheckDataBlockReport(r));
  r[500] ^= 0x01;
  r[1] = 4;
  EXPECT_FALSE(CheckDataBlockReport(r));
  const auto first = *BuildDataBlockReport(1);
  EXPECT_FALSE(CheckDataBlockReport(std::span(first).first(1033)));
}

}  // namespace
}  // namespace mouse
