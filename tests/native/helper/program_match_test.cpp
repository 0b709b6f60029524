#include "helper/program_match.h"

#include <gtest/gtest.h>

#include "settings/fixed_text.h"

namespace mouse {
namespace {

class ProgramMatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitBlock(block);
    ResetAllDefaults(block);
  }
  void Name(int profile, std::u16string_view gameFile) {
    SetFixedText(block.Profiles[profile].GameFile, gameFile);
  }
  SettingsBlock block;
};

TEST_F(ProgramMatchTest, ComparesOnlyNameAndExtensionWithoutCase) {
  Name(3, u"C:\\Games\\Arena\\ARENA.EXE ");
  EXPECT_EQ(ProfileForProgram(block, u"arena.exe"), 3);
  Name(3, u"D:\\x\\game.exe");
  EXPECT_EQ(ProfileForProgram(block, u"GAME.EXE"), 3);
  EXPECT_EQ(ProfileForProgram(block, u"game.ex"), std::nullopt);
  EXPECT_EQ(ProfileForProgram(block, u"game"), std::nullopt);
  Name(3, u"  game.exe\t");
  EXPECT_EQ(ProfileForProgram(block, u"game.exe"), 3) << "a bare name works too";
}

TEST_F(ProgramMatchTest, TheLowestProfileWinsAndBlanksNeverMatch) {
  Name(0, u"   ");
  Name(1, u"");
  Name(2, u"E:\\b\\shooter.exe");
  Name(4, u"C:\\a\\shooter.exe");
  EXPECT_EQ(ProfileForProgram(block, u"shooter.exe"), 2);
  EXPECT_EQ(ProfileForProgram(block, u""), std::nullopt);
}

TEST_F(ProgramMatchTest, SwitchesOnlyToAnotherProfile) {
  Name(3, u"C:\\Games\\Arena\\ARENA.EXE ");
  block.CurrentProfile = 0;
  EXPECT_EQ(ProfileToSwitchTo(block, u"arena.exe"), 3);
  block.CurrentProfile = 3;
  EXPECT_EQ(ProfileToSwitchTo(block, u"arena.exe"), std::nullopt) << "already current";
  EXPECT_EQ(ProfileToSwitchTo(block, u"notepad.exe"), std::nullopt) << "no switching back";
  EXPECT_EQ(ProfileToSwitchTo(block, std::nullopt), std::nullopt) << "process not found";
}

TEST(ExecutableName, TakesTheLastPathPart) {
  EXPECT_EQ(ExecutableName(u"C:\\Games\\Arena\\ARENA.EXE "), u"ARENA.EXE");
  EXPECT_EQ(ExecutableName(u"C:/tools/run.bat"), u"run.bat");
  EXPECT_EQ(ExecutableName(u"C:game.exe"), u"game.exe");
  EXPECT_EQ(ExecutableName(u"C:\\Games\\"), u"");
}

}  // namespace
}  // namespace mouse
