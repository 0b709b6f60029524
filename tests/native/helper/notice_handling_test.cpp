#include "helper/notice_handling.h"

#include <gtest/gtest.h>

#include <cstring>

#include "device/notices.h"
#include "settings/coordination.h"
#include "settings/fixed_text.h"

namespace mouse {
namespace {

using namespace effect;

constexpr std::uint32_t Notice(std::uint16_t type, std::uint16_t value) {
  return (static_cast<std::uint32_t>(type) << 16) | value;
}

class NoticeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitBlock(block);
    ResetAllDefaults(block);
    before = block;
  }
  bool BlockUnchanged() const { return std::memcmp(&block, &before, sizeof block) == 0; }

  SettingsBlock block;
  SettingsBlock before;
  DisplayFlags all{true, true, true};
  DisplayFlags none{};
};

TEST_F(NoticeTest, ProfileButton) {
  const Effects expected = {WriteConfig{u"Setting", u"CurrentProfile", u"2"}, PublishBlock{},
                            ApplyProfilePointers{}, PostToOption{kMsgProfileChanged},
                            PostToDisplay{40, 131072}};
  EXPECT_EQ(HandleNotice(block, Notice(kNoticeProfile, 3), all), expected);
  EXPECT_EQ(block.CurrentProfile, 2);
  const Effects quiet(expected.begin(), expected.end() - 1);
  EXPECT_EQ(HandleNotice(block, Notice(kNoticeProfile, 3), none), quiet);
}

TEST_F(NoticeTest, ValuesOutOfRangeChangeNothing) {
  const std::uint32_t ignored[] = {
      Notice(kNoticeProfile, 6),
      Notice(kNoticeProfile, 0),
      Notice(kNoticeCpiLevel, 7),
      Notice(kNoticeCpiLevel, 11),
      Notice(kNoticeSensitivity, 0x1500),
      Notice(kNoticeSensitivity, 0x0000),
      Notice(kNoticePollingRate, 5),
      Notice(kNoticeTilt, 2),
      Notice(kNoticeMacro, 0x0104),
      Notice(kNoticeMacro, 16),
      Notice(kNoticeProgram, 0),
      Notice(kNoticeConfiguration, 2),
      Notice(kNoticeMedia, 0x0019),
      Notice(kNoticeMedia, 0x0025),
      Notice(0x5000, 1),
      Notice(0x2000, 1),
      Notice(kNoticeDevice, 3),
  };
  for (const std::uint32_t notice : ignored) {
    EXPECT_TRUE(HandleNotice(block, notice, all).empty()) << std::hex << notice;
  }
  EXPECT_TRUE(BlockUnchanged());
}

TEST_F(NoticeTest, SensitivityTakesEachValidAxis) {
  block.CurrentProfile = 1;
  const Effects expected = {PublishBlock{}, PostToOption{kMsgDeviceStateChanged}};
  EXPECT_EQ(HandleNotice(block, Notice(kNoticeSensitivity, 0x0C05), none), expected);
  EXPECT_EQ(block.Profiles[1].Sensitivity_X, 5);
  EXPECT_EQ(block.Profiles[1].Sensitivity_Y, 12);
  EXPECT_EQ(HandleNotice(block, Notice(kNoticeSensitivity, 0x1503), none), expected);
  EXPECT_EQ(block.Profiles[1].Sensitivity_X, 3);
  EXPECT_EQ(block.Profiles[1].Sensitivity_Y, 12) << "21 is out of range";
  EXPECT_EQ(block.Profiles[0].Sensitivity_X, 10) << "only the current profile changes";
}

TEST_F(NoticeTest, CpiLevelShowsItsTextWhenAsked) {
  const Effects shown = {PublishBlock{}, PostToOption{kMsgDeviceStateChanged},
                         WriteConfig{u"OSDData", u"Message", u"CPI: 800"}, PostToDisplay{50, 0}};
  EXPECT_EQ(HandleNotice(block, Notice(kNoticeCpiLevel, 2), all), shown);
  EXPECT_EQ(block.Profiles[0].CpiStep, 1);
  const Effects quiet = {PublishBlock{}, PostToOption{kMsgDeviceStateChanged}};
  EXPECT_EQ(HandleNotice(block, Notice(kNoticeCpiLevel, 5), none), quiet);
  EXPECT_EQ(block.Profiles[0].CpiStep, 4);
}

TEST_F(NoticeTest, PollingRate) {
  block.CurrentProfile = 4;
  const Effects expected = {PublishBlock{}, PostToOption{kMsgDeviceStateChanged}};
  EXPECT_EQ(HandleNotice(block, Notice(kNoticePollingRate, 1), all), expected);
  EXPECT_EQ(block.Profiles[4].PollingRate, 0);
}

TEST_F(NoticeTest, MacroNameGoesToTheDisplayOnlyForMacroButtons) {
  MacroKeyInfo& reload = block.Profiles[0].MacroKeyInfo[3];
  reload.FunctionCode = 16;
  SetFixedText(reload.MacroName, u"Reload");
  const Effects shown = {WriteConfig{u"MacroOSD", u"Number", u"3"},
                         WriteConfig{u"MacroOSD", u"MacroName", u"Reload"}, PostToDisplay{70, 0}};
  EXPECT_EQ(HandleNotice(block, Notice(kNoticeMacro, 4), all), shown);
  EXPECT_TRUE(HandleNotice(block, Notice(kNoticeMacro, 4), none).empty());
  EXPECT_TRUE(HandleNotice(block, Notice(kNoticeMacro, 5), all).empty()) << "button 4 is no macro";
}

TEST_F(NoticeTest, HostActions) {
  const std::pair<std::uint32_t, Effect> cases[] = {
      {Notice(kNoticeTilt, kTiltRight), TiltScroll{-1}},
      {Notice(kNoticeTilt, kTiltLeft), TiltScroll{+1}},
      {Notice(kNoticeProgram, 15), RunProgram{15}},
      {Notice(kNoticeConfiguration, 1), OpenOption{}},
      {Notice(kNoticeMedia, 0x0020), MediaCommand{25, 0}},
      {Notice(kNoticeMedia, 0x0123), MediaCommand{28, 1}},
      {Notice(kNoticeMedia, 0x0024), MediaCommand{29, 0}},
      {ArrivalNotice(1), DeviceArrived{}},
      {ArrivalNotice(0), DeviceRemoved{}},
  };
  for (const auto& [notice, effect] : cases) {
    EXPECT_EQ(HandleNotice(block, notice, none), Effects{effect}) << std::hex << notice;
  }
  EXPECT_TRUE(HandleNotice(block, ArrivalNotice(7), none).empty());
  EXPECT_TRUE(BlockUnchanged());
}

TEST(NoticeMessage, TakesTheLow16BitsOfEachParameter) {
  EXPECT_EQ(MakeDeviceNotice(0xB000, 0x7FFF0002), 0xB0000002u);
  EXPECT_EQ(MakeDeviceNotice(0x1B000, -1), 0xB000FFFFu);
}

TEST(DisplayText, TakesTheTextAfterItsMarkerCharacter) {
  char16_t data[151] = {};
  const std::u16string text = u"\u0001New mail";
  std::copy(text.begin(), text.end(), data);
  const Effects expected = {WriteConfig{u"OSDData", u"Message", u"New mail"}, PostToDisplay{50, 0}};
  EXPECT_EQ(HandleDisplayText(data, sizeof data, true), expected);
  EXPECT_EQ(HandleDisplayText(data, sizeof data, false), Effects{expected.front()});
  EXPECT_TRUE(HandleDisplayText(data, 300, true).empty());
  EXPECT_TRUE(HandleDisplayText(nullptr, 302, true).empty());

  std::fill(std::begin(data), std::end(data), u'x');  // no terminating NUL at all
  const Effects full = HandleDisplayText(data, sizeof data, false);
  ASSERT_EQ(full.size(), 1u);
  EXPECT_EQ(std::get<WriteConfig>(full[0]).value, std::u16string(150, u'x'));
}

}  // namespace
}  // namespace mouse
