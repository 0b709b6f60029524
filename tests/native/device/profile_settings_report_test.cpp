#include "device/profile_settings_report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace mouse {
namespace {

std::vector<std::uint8_t> Bytes(const Report<kProfileSettingsReportLength>& r) {
  return {r.begin(), r.end()};
}

ProfileRecord DefaultProfile(int index) {
  ProfileRecord p{};
  ResetProfileDefaults(p, index);
  return p;
}

TEST(ProfileSettingsReport, DefaultProfileIsSentByteForByte) {
  const std::vector<std::uint8_t> expected = {
      0x06, 0x25, 0x00, 0x0A, 0x0A, 0x0F, 0x09, 0x12, 0x1B, 0x38, 0x38, 0x09, 0x12,
      0x1B, 0x38, 0x38, 0x01, 0x01, 0x02, 0x03, 0x04, 0x05, 0x01, 0x02, 0x00, 0x02,
      0x01, 0x01, 0x01, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x01};
  EXPECT_EQ(Bytes(BuildProfileSettingsReport(DefaultProfile(0), 0)), expected);
}

TEST(ProfileSettingsReport, ByteTwoAndTheLastByteFollowTheProfile) {
  const std::uint8_t indicators[] = {1, 3, 2, 5, 4};
  for (int p = 0; p < kProfileCount; ++p) {
    const auto r = BuildProfileSettingsReport(DefaultProfile(0), p);
    EXPECT_EQ(r[2], p);
    EXPECT_EQ(r[36], indicators[p]) << "profile " << p;
  }
}

struct ScaleCase {
  std::int32_t level;
  std::int32_t sensitivity;
  std::uint8_t sent;
};

TEST(ProfileSettingsReport, CpiLevelsAreScaledAndLimitedToOneTo56) {
  const ScaleCase cases[] = {
      {63, 10, 56},
      {63, 1, 6},
      {5, 1, 1},
      {9, 10, 9},
      {56, 10, 56},
      {57, 10, 56},
      {19, 5, 9},
      {0, 10, 1},
      {40, 20, 56},
      {28, 20, 56},
      {27, 20, 54},
      {-5, 10, 1},
      // Values past 255 are still the highest level, never a wrapped low one.
      {128, 20, 56},
      {300, 10, 56},
      {0x7FFFFFFF, 20, 56}};
  for (const ScaleCase& c : cases) {
    EXPECT_EQ(ScaleCpiLevel(c.level, c.sensitivity), c.sent) << c.level << " x " << c.sensitivity;
  }
}

TEST(ProfileSettingsReport, BothRowsScaleTheXLevels) {
  ProfileRecord p = DefaultProfile(0);
  p.Sensitivity_X = 20;
  p.Sensitivity_Y = 5;
  const std::int32_t levels[] = {4, 10, 20, 30, 56};
  std::copy(std::begin(levels), std::end(levels), p.CpiLevel_X);
  std::fill(std::begin(p.CpiLevel_Y), std::end(p.CpiLevel_Y), 50);
  const auto r = BuildProfileSettingsReport(p, 0);
  EXPECT_EQ(std::vector<std::uint8_t>(r.begin() + 6, r.begin() + 11),
            (std::vector<std::uint8_t>{8, 20, 40, 56, 56}));
  EXPECT_EQ(std::vector<std::uint8_t>(r.begin() + 11, r.begin() + 16),
            (std::vector<std::uint8_t>{2, 5, 10, 15, 28}));
}

TEST(ProfileSettingsReport, FlagsIndicatorsAndLowBytesAreSentAsTheMouseWantsThem) {
  ProfileRecord p = DefaultProfile(0);
  const std::uint8_t stepFlags[] = {1, 0, 2, 1, 1};  // only the value 1 sets a bit
  std::copy(std::begin(stepFlags), std::end(stepFlags), p.dpiStepFlag);
  p.dpiIndicator[1] = 0xFF;
  p.dpiIndicator[4] = 0x40;
  p.DpiIndicationType = 7;
  p.PollingRate = 0x103;
  p.CpiStep = 3;
  const auto r = BuildProfileSettingsReport(p, 0);
  EXPECT_EQ(r[5], 0b11001);
  EXPECT_EQ(r[18], 2);
  EXPECT_EQ(r[21], 0x40);
  EXPECT_EQ(r[22], 3);
  EXPECT_EQ(r[23], 3);
  EXPECT_EQ(r[16], 3);
  EXPECT_EQ(r[24], 0);
}

struct ColorCase {
  std::int32_t flag;
  std::uint8_t options1;
  std::uint8_t byte32;
  std::uint8_t byte34;
};

TEST(ProfileSettingsReport, ColourFlagTravelsInTwoBytes) {
  const ColorCase cases[] = {{0, 5, 0, 0}, {1, 0, 1, 1}, {1, 6, 7, 1}, {2, 3, 4, 0}};
  for (const ColorCase& c : cases) {
    ProfileRecord p = DefaultProfile(0);
    p.ColorFlag = c.flag;
    p.ColorOptions1 = c.options1;
    const auto r = BuildProfileSettingsReport(p, 0);
    EXPECT_EQ(r[32], c.byte32) << "flag " << c.flag;
    EXPECT_EQ(r[34], c.byte34) << "flag " << c.flag;
  }
}

TEST(ProfileSettingsReport, ColourFlagOneWithOptionZeroReadsBackTheSame) {
  ProfileRecord p = DefaultProfile(0);
  p.ColorFlag = 1;
  p.ColorOptions1 = 0;
  const auto r = BuildProfileSettingsReport(p, 0);
  ProfileRecord read{};
  ASSERT_TRUE(StoreProfileSettingsReport(r, read));
  EXPECT_EQ(read.ColorFlag, 1);
  EXPECT_EQ(read.ColorOptions1, 0);
  EXPECT_EQ(read.ColorChangeModeOptions1, 1);
}

TEST(ProfileSettingsReport, ReadingStoresEveryFieldOfTheReport) {
  Report<kProfileSettingsReportLength> r{};
  for (std::size_t i = 0; i < r.size(); ++i) {
    r[i] = static_cast<std::uint8_t>(0x40 + i);
  }
  r[0] = kProfileSettingsReportId;
  r[3] = 10;
  r[5] = 0b10110;
  ProfileRecord p = DefaultProfile(0);
  ASSERT_TRUE(StoreProfileSettingsReport(r, p));
  EXPECT_EQ(p.Sensitivity_X, 10);
  EXPECT_EQ(p.Sensitivity_Y, 0x44);
  EXPECT_EQ(std::vector<std::uint8_t>(p.dpiStepFlag, p.dpiStepFlag + 5),
            (std::vector<std::uint8_t>{0, 1, 1, 0, 1}));
  EXPECT_EQ(std::vector<std::int32_t>(p.CpiLevel_X, p.CpiLevel_X + 5),
            (std::vector<std::int32_t>{0x46, 0x47, 0x48, 0x49, 0x4A}));
  EXPECT_EQ(p.CpiLevel_Y[0], 9);  // never read back
  EXPECT_EQ(p.CpiStep, 0x50);
  EXPECT_EQ(p.dpiIndicator[0], 0x51);
  EXPECT_EQ(p.dpiIndicator[4], 0x55);
  EXPECT_EQ(p.DpiIndicationType, 0x56);
  EXPECT_EQ(p.PollingRate, 0x57);
  EXPECT_EQ(p.BtnConfiguration, 0x59);
  EXPECT_EQ(p.Color1Type, 0x5A);
  EXPECT_EQ(p.Color2Type, 0x5B);
  EXPECT_EQ(p.LightEffectSwitch1, 0x5C);
  EXPECT_EQ(p.LightEffectSwitch2, 0x5D);
  EXPECT_EQ(p.LightEffectType1, 0x5E);
  EXPECT_EQ(p.LightEffectType2, 0x5F);
  EXPECT_EQ(p.ColorFlag, 1);
  EXPECT_EQ(p.ColorOptions1, 0x5F);
  EXPECT_EQ(p.ColorOptions2, 0x61);
  EXPECT_EQ(p.ColorChangeModeOptions1, 0x62);
  EXPECT_EQ(p.ColorChangeModeOptions2, 0x63);
  EXPECT_EQ(p.ProfileSwitchIndictor, 0x64);
}

TEST(ProfileSettingsReport, LevelsAreTakenOnlyWhenTheyAreUnscaled) {
  ProfileRecord p = DefaultProfile(0);
  auto r = BuildProfileSettingsReport(p, 0);
  r[3] = 9;
  r[6] = 4;
  ASSERT_TRUE(StoreProfileSettingsReport(r, p));
  EXPECT_EQ(p.CpiLevel_X[0], 9);
  EXPECT_EQ(p.Sensitivity_X, 9);
}

TEST(ProfileSettingsReport, AMalformedReportChangesNothing) {
  const ProfileRecord before = DefaultProfile(2);
  ProfileRecord p = before;
  auto r = BuildProfileSettingsReport(DefaultProfile(0), 0);
  r[3] = 1;
  EXPECT_FALSE(StoreProfileSettingsReport(std::span(r).first(36), p));
  r[0] = kButtonMapReportId;
  EXPECT_FALSE(StoreProfileSettingsReport(r, p));
  EXPECT_EQ(std::memcmp(&before, &p, sizeof p), 0);
}

}  // namespace
}  // namespace mouse
