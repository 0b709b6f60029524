#include "helper/host_actions.h"

#include <gtest/gtest.h>

namespace mouse {
namespace {

using Kind = MediaAction::Kind;

TEST(TiltMethod, FollowsTheWindowClassExactly) {
  const std::pair<std::u16string_view, TiltMethod> cases[] = {
      {u"_WwG", TiltMethod::ScrollBarParent},
      {u"AVL_AVView", TiltMethod::ScrollBarParent},
      {u"EXCEL7", TiltMethod::ClickScrollBar},
      {u"excel7", TiltMethod::Default},
      {u"paneClassDC", TiltMethod::ScrollBarParent},
      {u"EditControl", TiltMethod::ScrollBarParent},
      {u"FrontPageEditorDocumentView", TiltMethod::ScrollBarParent},
      {u"OPrtPrevPage", TiltMethod::ScrollBarParent},
      {u"SysListView32", TiltMethod::Default},
      {u"", TiltMethod::Default},
  };
  for (const auto& [name, method] : cases) {
    EXPECT_EQ(TiltMethodForClass(name), method) << std::string(name.begin(), name.end());
  }
}

TEST(MediaCommand, EachPlayerGetsItsOwnCommands) {
  struct Case {
    int player;
    std::uint8_t code;
    MediaAction action;
  };
  const Case cases[] = {
      {0, 25, {Kind::StartPlayer, 0}},     {0, 26, {Kind::AppCommand, 12}},
      {0, 27, {Kind::AppCommand, 11}},     {0, 28, {Kind::AppCommand, 14}},
      {0, 29, {Kind::AppCommand, 13}},     {1, 25, {Kind::StartPlayer, 1}},
      {1, 26, {Kind::SendCtrlArrow, 0}},   {1, 27, {Kind::SendCtrlArrow, 1}},
      {1, 28, {Kind::PostSpace, 0}},       {1, 29, {Kind::PostSpace, 0}},
      {2, 26, {Kind::SendCommand, 65740}}, {2, 27, {Kind::SendCommand, 65739}},
      {2, 28, {Kind::SendCommand, 65736}}, {2, 29, {Kind::SendCommand, 65737}},
      {3, 26, {Kind::SendCommand, 40044}}, {3, 27, {Kind::SendCommand, 40048}},
      {3, 29, {Kind::SendCommand, 40047}}, {3, 25, {Kind::StartPlayer, 3}},
  };
  for (const Case& c : cases) {
    int toggle = 0;
    EXPECT_EQ(PlanMediaCommand(c.player, c.code, 0, toggle), c.action)
        << "player " << c.player << " code " << int(c.code);
  }
}

TEST(MediaCommand, WinampPlayPauseToggles) {
  int toggle = 0;
  EXPECT_EQ(PlanMediaCommand(3, 28, 0, toggle), (MediaAction{Kind::SendCommand, 40045}));
  EXPECT_EQ(PlanMediaCommand(3, 28, 0, toggle), (MediaAction{Kind::SendCommand, 40046}));
  EXPECT_EQ(PlanMediaCommand(3, 28, 0, toggle), (MediaAction{Kind::SendCommand, 40045}));
  EXPECT_EQ(PlanMediaCommand(3, 28, 1, toggle), MediaAction{}) << "a release changes nothing";
  EXPECT_EQ(toggle, 1);
}

TEST(MediaCommand, NothingForReleasesUnknownPlayersOrCodes) {
  int toggle = 0;
  EXPECT_EQ(PlanMediaCommand(0, 28, 1, toggle), MediaAction{});
  EXPECT_EQ(PlanMediaCommand(4, 28, 0, toggle), MediaAction{});
  EXPECT_EQ(PlanMediaCommand(-1, 25, 0, toggle), MediaAction{});
  EXPECT_EQ(PlanMediaCommand(0, 24, 0, toggle), MediaAction{});
  EXPECT_EQ(PlanMediaCommand(0, 30, 0, toggle), MediaAction{});
}

TEST(PlayerProgram, TakesThePathOutOfTheOpenCommand) {
  const std::tuple<std::u16string_view, std::u16string_view, std::optional<std::u16string>>
      cases[] = {
          {u"\"C:\\Program Files\\Real\\RealPlay.exe\" \"%1\"", u"realplay",
           u"C:\\Program Files\\Real\\RealPlay.exe"},
          {u"C:\\Winamp\\winamp.exe %1", u"winamp", u"C:\\Winamp\\winamp.exe %1"},
          {u"\"C:\\Winamp\\winamp.exe", u"winamp", u"C:\\Winamp\\winamp.exe"},  // one quote only
          {u"\"C:\\Other\\player.exe\" \"%1\"", u"winamp", std::nullopt},
          {u"", u"winamp", std::nullopt},
          {u"\"\"", u"winamp", std::nullopt},
      };
  for (const auto& [command, name, expected] : cases) {
    EXPECT_EQ(PlayerProgramFromCommand(command, name), expected);
  }
}

}  // namespace
}  // namespace mouse
