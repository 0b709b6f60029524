#include "settings/button_codes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "settings/fixed_text.h"
#include "settings/text_encoding.h"

namespace mouse {
namespace {

class CountingTexts final : public TextSource {
 public:
  std::u16string Text(int id) const override {
    asked.push_back(id);
    return u"text " + std::u16string(FromUtf8(std::to_string(id)));
  }
  mutable std::vector<int> asked;
};

TEST(ButtonCodes, DefaultCodesOfTheFifteenSlots) {
  const std::uint8_t expected[] = {1, 2, 3, 7, 8, 13, 0, 21, 0, 0, 0, 0, 0, 9, 10};
  for (int slot = 0; slot < kButtonCount; ++slot) {
    EXPECT_EQ(DefaultCode(slot), expected[slot]) << slot;
  }
  EXPECT_EQ(DefaultCode(-1), 0);
  EXPECT_EQ(DefaultCode(15), 0);
}

TEST(ButtonCodes, ChooserTabFollowsTheCodeGroups) {
  std::set<int> mouseFunctions = {1, 2, 3, 4, 24};
  for (int c = 7; c <= 15; ++c) mouseFunctions.insert(c);
  for (int c = 18; c <= 22; ++c) mouseFunctions.insert(c);
  for (int code = 0; code <= 255; ++code) {
    ChooserTab expected = kTabMoreFunctions;
    if (mouseFunctions.count(code) != 0) {
      expected = kTabMouseFunctions;
    } else if (code == 5) {
      expected = kTabShortcut;
    } else if (code == 16) {
      expected = kTabMacro;
    }
    EXPECT_EQ(ChooserTabForCode(static_cast<std::uint8_t>(code)), expected) << code;
  }
}

TEST(ButtonCodes, TextIdsOfTheCodes) {
  const std::pair<std::uint8_t, int> cases[] = {
      {0, 1209},  {1, 1203},  {4, 1208},  {6, 1209},  {7, 1206},  {13, 1221},
      {21, 1210}, {22, 1226}, {23, 1227}, {24, 1225}, {25, 1332}, {29, 1336},
      {33, 1330}, {36, 1324}, {39, 1329}, {42, 1321}, {43, 1228}, {44, 1229},
      {5, 0},     {16, 0},    {17, 0},    {45, 0},    {255, 0}};
  for (const auto& [code, id] : cases) {
    EXPECT_EQ(AssignmentTextId(code), id) << int{code};
  }
}

TEST(ButtonCodes, AssignmentTextComesFromTheTextSource) {
  CountingTexts texts;
  EXPECT_EQ(AssignmentText(texts, 0), u"text 1209");
  EXPECT_EQ(AssignmentText(texts, 6), u"text 1209");
  EXPECT_EQ(AssignmentText(texts, 14), u"text 1222");
  EXPECT_EQ(texts.asked, (std::vector<int>{1209, 1209, 1222}));
  for (std::uint8_t code : {5, 16, 17, 45}) {
    EXPECT_TRUE(AssignmentText(texts, code).empty());
  }
  EXPECT_EQ(texts.asked.size(), 3u);
}

TEST(ButtonCodes, TheTableIsIndexedByCodeAndCoversEveryCode) {
  const auto table = FunctionCodeTable();
  ASSERT_EQ(table.size(), 45u);
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i].code, i);
    EXPECT_EQ(table[i].tab, ChooserTabForCode(table[i].code));
  }
}

TEST(ButtonCodes, StoredModifiersDropTheUnusedBit) {
  const std::uint8_t stored = 0x07;
  EXPECT_EQ(stored & kKeyModifierMask, kModifierShift | kModifierCtrl);
  EXPECT_EQ(kKeyModifierMask, 0x1E);
}

TEST(ButtonCodes, ResetButtonRestoresTheDefaultAndKeepsTheProgramPath) {
  SettingsBlock block{};
  ResetAllDefaults(block);
  MacroKeyInfo& record = block.Profiles[3].MacroKeyInfo[7];
  record.ButtonIndex = 99;
  record.FunctionCode = kRunProgram;
  SetFixedText(record.MacroName, u"Old");
  record.MacroParam = 4;
  record.EventCount = 2;
  record.Events[1] = {0x04, 2, 500};
  SetFixedText(record.ProgramPath, u"C:\\Games\\run.exe");

  ASSERT_TRUE(ResetButton(block, 3, 7));
  EXPECT_EQ(record.ButtonIndex, 7);
  EXPECT_EQ(record.FunctionCode, 21);
  EXPECT_TRUE(FixedText(record.MacroName).empty());
  EXPECT_EQ(record.MacroParam, 0);
  EXPECT_EQ(record.EventCount, 0);
  const MacroEvent zero[kMaxMacroEvents] = {};
  EXPECT_EQ(std::memcmp(record.Events, zero, sizeof zero), 0);
  EXPECT_EQ(std::u16string(FixedText(record.ProgramPath)), u"C:\\Games\\run.exe");
  for (int p = 0; p < kProfileCount; ++p) {
    for (int b = 0; b < kButtonCount; ++b) {
      EXPECT_EQ(block.ButtonDirty[p][b], p == 3 && b == 7 ? 1 : 0);
    }
  }
}

TEST(ButtonCodes, ResetButtonRejectsIndicesOutOfRange) {
  SettingsBlock block{};
  ResetAllDefaults(block);
  const SettingsBlock before = block;
  EXPECT_FALSE(ResetButton(block, 5, 0));
  EXPECT_FALSE(ResetButton(block, -1, 0));
  EXPECT_FALSE(ResetButton(block, 0, 15));
  EXPECT_FALSE(ResetButton(block, 0, -1));
  EXPECT_EQ(std::memcmp(&before, &block, sizeof block), 0);
}

}  // namespace
}  // namespace mouse
