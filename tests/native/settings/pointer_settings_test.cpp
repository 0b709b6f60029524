#include "settings/pointer_settings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fake_pointer_store.h"
#include "settings/text_encoding.h"

namespace mouse {
namespace {

using testing::FakePointerStore;

ProfileRecord DefaultProfile() {
  ProfileRecord profile;
  std::memset(&profile, 0, sizeof profile);
  ResetProfileDefaults(profile, 0);
  return profile;
}

struct WriteCase {
  int flag;
  int acceleration;
  const char16_t* speed;
  const char16_t* threshold1;
  const char16_t* threshold2;
};

TEST(PointerSettings, WritesTheAccelerationRowTheProfileChooses) {
  const WriteCase cases[] = {
      {1, 25, u"2", u"4", u"5"},  // limited to row 19
      {0, 12, u"0", u"0", u"0"},  // acceleration off: row 0
      {1, -3, u"0", u"0", u"0"},  // negative: row 0
      {1, 1, u"1", u"13", u"0"}, {1, 16, u"2", u"4", u"8"},
  };
  for (const auto& c : cases) {
    FakePointerStore store;
    ProfileRecord profile = DefaultProfile();
    profile.AccelerationFlag = c.flag;
    profile.Acceleration = c.acceleration;
    ASSERT_EQ(WritePointerSettings(store, profile), 1);
    auto& mouse = store[PointerKeyId::Mouse];
    EXPECT_EQ(mouse[u"MouseSpeed"], c.speed) << c.flag << "/" << c.acceleration;
    EXPECT_EQ(mouse[u"MouseThreshold1"], c.threshold1) << c.flag << "/" << c.acceleration;
    EXPECT_EQ(mouse[u"MouseThreshold2"], c.threshold2) << c.flag << "/" << c.acceleration;
  }
}

TEST(PointerSettings, WritesClickSpeedSensitivityAndWheel) {
  FakePointerStore store;
  ProfileRecord profile = DefaultProfile();
  profile.DbleClickSpeed = 420;
  profile.MouseSpeed = 14;
  profile.ScrollWheelSpeed = 7;
  ASSERT_EQ(WritePointerSettings(store, profile), 1);
  EXPECT_EQ(store[PointerKeyId::Mouse][u"DoubleClickSpeed"], u"420");
  EXPECT_EQ(store[PointerKeyId::Mouse][u"MouseSensitivity"], u"14");
  EXPECT_EQ(store[PointerKeyId::Desktop][u"WheelScrollLines"], u"7");
  profile.ScrollWheelFlag = 1;
  WritePointerSettings(store, profile);
  EXPECT_EQ(store[PointerKeyId::Desktop][u"WheelScrollLines"], u"-1");
}

struct ReadCase {
  const char16_t* speed;
  const char16_t* threshold1;
  const char16_t* threshold2;
  int acceleration;
  int flag;
};

TEST(PointerSettings, ReadsTheLastMatchingAccelerationRow) {
  const ReadCase cases[] = {
      {u"1", u"13", u"0", 1, 0},    {u"2", u"4", u"8", 16, 1}, {u"0", u"0", u"0", 0, 0},
      {u"1", u"5", u"0", 9, 1},   // rows 1..9 match, row 10's threshold 4 is below 5
      {u"1", u"6", u"10", 7, 1},  // nothing matches: Acceleration keeps 7
      {u" 2x", u"+4", u"5", 19, 1},
  };
  for (const auto& c : cases) {
    FakePointerStore store;
    store[PointerKeyId::Mouse] = {{u"MouseSpeed", c.speed},
                                  {u"MouseThreshold1", c.threshold1},
                                  {u"MouseThreshold2", c.threshold2}};
    ProfileRecord profile = DefaultProfile();
    profile.Acceleration = 7;
    ASSERT_EQ(ReadPointerSettings(store, profile), 1);
    EXPECT_EQ(profile.Acceleration, c.acceleration)
        << ToUtf8(c.speed) << "," << ToUtf8(c.threshold1);
    EXPECT_EQ(profile.AccelerationFlag, c.flag) << ToUtf8(c.speed) << "," << ToUtf8(c.threshold1);
  }
}

TEST(PointerSettings, WheelOneScreenRoundTrips) {
  FakePointerStore store;
  store[PointerKeyId::Desktop][u"WheelScrollLines"] = u"-1";
  ProfileRecord profile = DefaultProfile();
  ReadPointerSettings(store, profile);
  EXPECT_EQ(profile.ScrollWheelSpeed, 0);
  EXPECT_EQ(profile.ScrollWheelFlag, 1);
  store[PointerKeyId::Desktop].clear();
  WritePointerSettings(store, profile);
  EXPECT_EQ(store[PointerKeyId::Desktop][u"WheelScrollLines"], u"-1");
}

TEST(PointerSettings, MissingValuesLeaveTheirFieldsAlone) {
  FakePointerStore store;
  store[PointerKeyId::Mouse][u"MouseSensitivity"] = u"15";
  store[PointerKeyId::Mouse][u"MouseSpeed"] = u"2";  // thresholds missing
  ProfileRecord profile = DefaultProfile();
  ASSERT_EQ(ReadPointerSettings(store, profile), 1);
  EXPECT_EQ(profile.MouseSpeed, 15);
  EXPECT_EQ(profile.DbleClickSpeed, 500);
  EXPECT_EQ(profile.Acceleration, 10);
  EXPECT_EQ(profile.AccelerationFlag, 0);
  EXPECT_EQ(profile.ScrollWheelSpeed, 3);
}

TEST(PointerSettings, KeysThatCannotBeOpenedEndTheOperation) {
  ProfileRecord profile = DefaultProfile();
  FakePointerStore noMouse;
  noMouse.failMouse = true;
  EXPECT_EQ(ReadPointerSettings(noMouse, profile), 0);
  EXPECT_EQ(WritePointerSettings(noMouse, profile), -1);
  EXPECT_TRUE(noMouse[PointerKeyId::Desktop].empty());

  FakePointerStore noDesktop;
  noDesktop.failDesktop = true;
  EXPECT_EQ(ReadPointerSettings(noDesktop, profile), -1);
  EXPECT_EQ(WritePointerSettings(noDesktop, profile), -1);
  EXPECT_EQ(noDesktop[PointerKeyId::Mouse][u"DoubleClickSpeed"], u"500")
      << "values written before the failure stay written";
}

TEST(PointerSettings, ResetAccelerationOnlyWhenOffAndSomethingIsSet) {
  ProfileRecord profile = DefaultProfile();
  profile.AccelerationFlag = 0;
  EXPECT_TRUE(MustResetAcceleration(profile, {1, 6, 10}));
  EXPECT_TRUE(MustResetAcceleration(profile, {0, 0, 1}));
  EXPECT_FALSE(MustResetAcceleration(profile, {0, 0, 0}));
  profile.AccelerationFlag = 1;
  EXPECT_FALSE(MustResetAcceleration(profile, {1, 6, 10}));
}

}  // namespace
}  // namespace mouse
