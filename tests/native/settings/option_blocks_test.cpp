#include "settings/option_blocks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "settings/block_validation.h"
#include "settings/fixed_text.h"

namespace mouse {
namespace {

// Helper's side of the shared block, as a test controls it.
class FakeView final : public SharedBlockView {
 public:
  FakeView() {
    InitBlock(shared);
    ResetAllDefaults(shared);
  }
  bool CopyOut(SettingsBlock& block) override {
    if (failWaits) return false;
    block = shared;
    return true;
  }
  bool CopyIn(const SettingsBlock& block) override {
    if (failWaits) return false;
    shared = block;
    ++copiesIn;
    return true;
  }
  SettingsBlock shared;
  bool failWaits = false;
  int copiesIn = 0;
};

std::u16string Name(const SettingsBlock& block, int profile) {
  return std::u16string(FixedText(block.Profiles[profile].ProFileName));
}

void LoadFromFiles(SettingsBlock& block) {
  ResetAllDefaults(block);
  SetFixedText(block.Profiles[0].ProFileName, u"From files");
}

class OptionBlocksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetFixedText(view.shared.Profiles[0].ProFileName, u"From Helper");
    view.shared.CurrentProfile = 1;
    view.shared.ButtonDirty[3][4] = 1;
    view.shared.SettingsDirty[2] = 1;
    view.shared.ProfileDirty = 1;
  }

  OptionBlocks::ApplySteps Steps() {
    return {[this](int w) {
              posted.push_back(w);
              return helperRunning;
            },
            [this](const SettingsBlock& b) { saved.push_back(b.CurrentProfile); },
            [this] { ++librarySaves; }};
  }

  FakeView view;
  bool helperRunning = true;
  std::vector<int> posted;
  std::vector<int> saved;
  int librarySaves = 0;
};

TEST_F(OptionBlocksTest, AttachTakesHelpersBlockNotTheFiles) {
  OptionBlocks blocks(&view);
  EXPECT_TRUE(blocks.Attach(LoadFromFiles));
  EXPECT_EQ(Name(blocks.working(), 0), u"From Helper");
  EXPECT_EQ(blocks.working().CurrentProfile, 1);
  EXPECT_EQ(blocks.lastApplied().ButtonDirty[3][4], 0);
  EXPECT_EQ(blocks.lastApplied().SettingsDirty[2], 0);
  EXPECT_EQ(blocks.lastApplied().ProfileDirty, 1) << "ProfileDirty survives the clearing";
}

TEST_F(OptionBlocksTest, WithoutAUsableSharedBlockTheFilesAreLoaded) {
  OptionBlocks noHelper(nullptr);
  EXPECT_FALSE(noHelper.Attach(LoadFromFiles));
  EXPECT_EQ(Name(noHelper.working(), 0), u"From files");

  view.failWaits = true;
  OptionBlocks skipped(&view);
  EXPECT_FALSE(skipped.Attach(LoadFromFiles));
  EXPECT_EQ(skipped.working().CurrentProfile, 0) << "never left in the initial state";

  view.failWaits = false;
  view.shared.CurrentProfile = 9;
  OptionBlocks invalid(&view);
  EXPECT_FALSE(invalid.Attach(LoadFromFiles));
  EXPECT_EQ(Name(invalid.working(), 0), u"From files");
}

TEST_F(OptionBlocksTest, ApplySendsOnlyWhatChanged) {
  OptionBlocks blocks(&view);
  blocks.Attach(LoadFromFiles);
  blocks.working().Profiles[3].Sensitivity_Y = 17;
  blocks.working().ButtonDirty[4][2] = 1;  // a page changed a button record
  EXPECT_TRUE(blocks.Apply(false, Steps()));

  EXPECT_EQ(posted, std::vector<int>{0});
  EXPECT_EQ(view.shared.SettingsDirty[3], 1);
  EXPECT_EQ(view.shared.SettingsDirty[0], 0);
  EXPECT_EQ(view.shared.ButtonDirty[4][2], 1);
  EXPECT_EQ(view.shared.ProfileDirty, 0);
  EXPECT_EQ(view.shared.Profiles[3].Sensitivity_Y, 17);
  EXPECT_EQ(saved, std::vector<int>{1});
  EXPECT_EQ(librarySaves, 1);
  EXPECT_EQ(blocks.working().SettingsDirty[3], 0) << "the working copy starts clean again";
  EXPECT_EQ(blocks.working().ButtonDirty[4][2], 0);
  EXPECT_EQ(0, std::memcmp(&blocks.working(), &blocks.lastApplied(), sizeof(SettingsBlock)));
}

TEST_F(OptionBlocksTest, ApplyAfterRestoringDefaultsKeepsEveryFlag) {
  OptionBlocks blocks(&view);
  blocks.Attach(LoadFromFiles);
  MarkAllDirty(blocks.working());
  EXPECT_TRUE(blocks.Apply(true, Steps()));
  EXPECT_EQ(posted, std::vector<int>{1});
  EXPECT_EQ(view.shared.SettingsDirty[0], 1) << "no change detection overwrote the flags";
  EXPECT_EQ(view.shared.ButtonDirty[0][0], 1);
}

TEST_F(OptionBlocksTest, ApplyWithoutHelperOnlySaves) {
  helperRunning = false;
  OptionBlocks attachedButGone(&view);
  attachedButGone.Attach(LoadFromFiles);
  EXPECT_FALSE(attachedButGone.Apply(false, Steps())) << "no wait when Helper's window is gone";

  OptionBlocks alone(nullptr);
  alone.Attach(LoadFromFiles);
  posted.clear();
  const int copiesBefore = view.copiesIn;
  EXPECT_FALSE(alone.Apply(false, Steps()));
  EXPECT_TRUE(posted.empty());
  EXPECT_EQ(view.copiesIn, copiesBefore);
  EXPECT_EQ(saved.size(), 2u);
}

TEST_F(OptionBlocksTest, ReadBackAndProfileChangeDropUnsavedEdits) {
  OptionBlocks blocks(&view);
  blocks.Attach(LoadFromFiles);
  SetFixedText(blocks.working().Profiles[2].ProFileName, u"Unsaved");

  SetFixedText(view.shared.Profiles[2].ProFileName, u"Mouse");
  EXPECT_TRUE(blocks.TakeReadBack());
  EXPECT_EQ(Name(blocks.working(), 2), u"Mouse");
  EXPECT_EQ(blocks.working().ButtonDirty[3][4], 0);

  SetFixedText(blocks.working().Profiles[2].ProFileName, u"Unsaved");
  view.shared.CurrentProfile = 4;
  EXPECT_TRUE(blocks.TakeProfileChange());
  EXPECT_EQ(blocks.working().CurrentProfile, 4);
  EXPECT_EQ(Name(blocks.working(), 2), u"Mouse");
  EXPECT_EQ(blocks.working().ButtonDirty[3][4], 1) << "the working copy keeps the view's flags";
  EXPECT_EQ(blocks.lastApplied().ButtonDirty[3][4], 0);
}

TEST_F(OptionBlocksTest, DeviceChangesMergeIntoUnsavedEdits) {
  OptionBlocks blocks(&view);
  blocks.Attach(LoadFromFiles);
  SetFixedText(blocks.working().Profiles[1].ProFileName, u"Edited name");
  blocks.working().Profiles[1].DbleClickSpeed = 222;
  blocks.working().Profiles[3].TiltSpeed = 7;

  ProfileRecord& mouse = view.shared.Profiles[1];
  mouse.CpiStep = 3, mouse.Sensitivity_X = 5, mouse.Sensitivity_Y = 12, mouse.PollingRate = 0;
  mouse.DbleClickSpeed = 900;  // not one of the four: must not be merged
  EXPECT_TRUE(blocks.MergeDeviceChanges());
  const ProfileRecord& merged = blocks.working().Profiles[1];
  EXPECT_EQ(merged.CpiStep, 3);
  EXPECT_EQ(merged.Sensitivity_X, 5);
  EXPECT_EQ(merged.Sensitivity_Y, 12);
  EXPECT_EQ(merged.PollingRate, 0);
  EXPECT_EQ(merged.DbleClickSpeed, 222);
  EXPECT_EQ(Name(blocks.working(), 1), u"Edited name");
  EXPECT_EQ(blocks.working().Profiles[3].TiltSpeed, 7);
}

TEST_F(OptionBlocksTest, AnInvalidOrSkippedBlockChangesNothing) {
  OptionBlocks blocks(&view);
  blocks.Attach(LoadFromFiles);
  blocks.working().Profiles[0].TiltSpeed = 8;
  view.shared.Profiles[0].MacroKeyInfo[2].EventCount = 41;
  EXPECT_FALSE(blocks.TakeReadBack());
  EXPECT_FALSE(blocks.TakeProfileChange());
  EXPECT_FALSE(blocks.MergeDeviceChanges());
  view.shared.Profiles[0].MacroKeyInfo[2].EventCount = 0;
  view.failWaits = true;
  EXPECT_FALSE(blocks.TakeReadBack());
  EXPECT_EQ(blocks.working().Profiles[0].TiltSpeed, 8);
}

TEST(BlockValidation, RejectsWhatWouldIndexOutsideTheBlock) {
  SettingsBlock good;
  InitBlock(good);
  ResetAllDefaults(good);
  ASSERT_TRUE(IsValidSharedBlock(good));
  const std::pair<const char*, void (*)(SettingsBlock&)> breakers[] = {
      {"profile -1", [](SettingsBlock& b) { b.CurrentProfile = -1; }},
      {"profile 5", [](SettingsBlock& b) { b.CurrentProfile = 5; }},
      {"flag 2", [](SettingsBlock& b) { b.ButtonDirty[4][14] = 2; }},
      {"settings flag", [](SettingsBlock& b) { b.SettingsDirty[1] = -1; }},
      {"otg flag", [](SettingsBlock& b) { b.OtgDirty[0] = 7; }},
      {"profile flag", [](SettingsBlock& b) { b.ProfileDirty = 3; }},
      {"41 events", [](SettingsBlock& b) { b.Profiles[2].MacroKeyInfo[5].EventCount = 41; }},
      {"wrong slot", [](SettingsBlock& b) { b.Profiles[2].MacroKeyInfo[5].ButtonIndex = 6; }},
      {"open name",
       [](SettingsBlock& b) {
         std::fill(std::begin(b.Profiles[3].ProFileName), std::end(b.Profiles[3].ProFileName),
                   u'x');
       }},
      {"open path",
       [](SettingsBlock& b) {
         auto& path = b.Profiles[4].MacroKeyInfo[0].ProgramPath;
         std::fill(std::begin(path), std::end(path), u'x');
       }},
  };
  for (const auto& [name, breaker] : breakers) {
    SettingsBlock bad = good;
    breaker(bad);
    EXPECT_FALSE(IsValidSharedBlock(bad)) << name;
  }
}

}  // namespace
}  // namespace mouse
