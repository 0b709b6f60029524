#include "support/vmouse/firmware/mouse_buttons.h"

#include <gtest/gtest.h>

#include "device/notices.h"

namespace mouse::vmouse {
namespace {

using Notices = std::vector<MouseNotice>;

MouseButton Named(std::string_view name) {
  const auto button = ParseMouseButton(name);
  EXPECT_TRUE(button.has_value()) << name;
  return button.value_or(MouseButton{ButtonKind::kConfig});
}

TEST(MouseButtonNames, EveryButtonHasANameThatParsesBack) {
  const std::vector<MouseButton> all = AllMouseButtons();
  EXPECT_EQ(all.size(), 12u + 15u);
  for (const MouseButton& button : all) {
    const std::string name = MouseButtonName(button);
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(ParseMouseButton(name), button) << name;
  }
  EXPECT_EQ(Named("button1"), (MouseButton{ButtonKind::kSlot, 0}));
  EXPECT_EQ(Named("button15"), (MouseButton{ButtonKind::kSlot, 14}));
  EXPECT_EQ(Named("media-stop"), (MouseButton{ButtonKind::kMedia, 29}));
}

TEST(MouseButtonNames, UnknownNamesAreRejected) {
  for (std::string_view name : {"", "button", "button0", "button16", "button01", "button1x",
                                "Button1", "PROFILE", "media", "tilt", "button-1"}) {
    EXPECT_FALSE(ParseMouseButton(name).has_value()) << name;
  }
}

class PressTest : public ::testing::Test {
 protected:
  Notices Press(std::string_view name) { return PressButton(memory, Named(name)); }
  ProfileSettings& Active() { return memory.Profiles[memory.ActiveProfile].Settings; }

  FirmwareMemory memory = FactoryMemory();
};

TEST_F(PressTest, ProfileButtonCyclesThroughTheFiveProfiles) {
  for (int expected : {2, 3, 4, 5, 1}) {
    EXPECT_EQ(Press("profile"), (Notices{{kNoticeProfile, static_cast<std::uint16_t>(expected)}}));
    EXPECT_EQ(memory.ActiveProfile, expected - 1);
  }
}

TEST_F(PressTest, CpiButtonCyclesTheEnabledLevelsOfTheActiveProfile) {
  // Factory: levels 0..3 enabled, level 1 active.
  for (int expected : {3, 4, 1, 2}) {
    EXPECT_EQ(Press("cpi"), (Notices{{kNoticeCpiLevel, static_cast<std::uint16_t>(expected)}}));
    EXPECT_EQ(Active().CpiStep, expected - 1);
  }
  memory.ActiveProfile = 2;
  Active().LevelFlags = 0b10100;
  Active().CpiStep = 4;
  EXPECT_EQ(Press("cpi"), (Notices{{kNoticeCpiLevel, 3}}));
  EXPECT_EQ(Press("cpi"), (Notices{{kNoticeCpiLevel, 5}}));
  EXPECT_EQ(memory.Profiles[0].Settings.CpiStep, 1) << "other profiles keep their level";

  Active().LevelFlags = 0;
  EXPECT_EQ(Press("cpi"), Notices{}) << "no level enabled: nothing changes";
  EXPECT_EQ(Active().CpiStep, 4);
}

TEST_F(PressTest, SensitivityStepsBothAxesAndWrapsAfterTwenty) {
  Active().SensitivityX = 19;
  Active().SensitivityY = 4;
  EXPECT_EQ(Press("sensitivity"), (Notices{{kNoticeSensitivity, 0x0514}}));
  EXPECT_EQ(Press("sensitivity"), (Notices{{kNoticeSensitivity, 0x0601}}));
  Active().SensitivityY = 0;  // out of range: starts again at 1
  EXPECT_EQ(Press("sensitivity"), (Notices{{kNoticeSensitivity, 0x0102}}));
}

TEST_F(PressTest, PollingButtonCyclesTheFourRates) {
  // Factory rate code 2: notices carry code + 1.
  for (int expected : {4, 1, 2, 3}) {
    EXPECT_EQ(Press("polling"),
              (Notices{{kNoticePollingRate, static_cast<std::uint16_t>(expected)}}));
    EXPECT_EQ(Active().PollingRate, expected - 1);
  }
}

TEST_F(PressTest, ButtonsThatAskTheHostSendTheirNotices) {
  const struct {
    const char* name;
    Notices notices;
  } cases[] = {
      {"tilt-left", {{kNoticeTilt, 255}}},
      {"tilt-right", {{kNoticeTilt, 1}}},
      {"config", {{kNoticeConfiguration, 1}}},
      {"media-player", {{kNoticeMedia, 0x0020}, {kNoticeMedia, 0x0120}}},
      {"media-previous", {{kNoticeMedia, 0x0021}, {kNoticeMedia, 0x0121}}},
      {"media-next", {{kNoticeMedia, 0x0022}, {kNoticeMedia, 0x0122}}},
      {"media-play-pause", {{kNoticeMedia, 0x0023}, {kNoticeMedia, 0x0123}}},
      {"media-stop", {{kNoticeMedia, 0x0024}, {kNoticeMedia, 0x0124}}},
  };
  const FirmwareMemory before = memory;
  for (const auto& c : cases) {
    EXPECT_EQ(Press(c.name), c.notices) << c.name;
  }
  EXPECT_EQ(memory, before);
}

TEST_F(PressTest, ASlotDoesWhatItsFunctionCodeAsks) {
  memory.ActiveProfile = 3;
  ButtonAssignment* buttons = memory.Profiles[3].Buttons;
  buttons[3].Code = 16;                     // macro
  buttons[9].Code = 17;                     // program
  buttons[14].Code = 28;                    // play/pause
  buttons[5].Code = 5;                      // key stroke: the mouse sends the key itself
  memory.Profiles[0].Buttons[4].Code = 16;  // another profile's macro
  const struct {
    const char* name;
    Notices notices;
  } cases[] = {
      {"button4", {{kNoticeMacro, 4}}},
      {"button10", {{kNoticeProgram, 10}}},
      {"button15", {{kNoticeMedia, 0x0023}, {kNoticeMedia, 0x0123}}},
      {"button6", {}},
      {"button5", {}},
      {"button1", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Press(c.name), c.notices) << c.name;
  }
}

}  // namespace
}  // namespace mouse::vmouse
