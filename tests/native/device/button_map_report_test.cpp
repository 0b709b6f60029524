#include "device/button_map_report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "settings/button_codes.h"
#include "settings/fixed_text.h"

namespace mouse {
namespace {

ProfileRecord DefaultProfile() {
  ProfileRecord p{};
  ResetProfileDefaults(p, 0);
  return p;
}

TEST(ButtonMapReport, DefaultProfileIsSentByteForByte) {
  std::vector<std::uint8_t> expected = {0x07, 0x32, 0x00};
  const std::uint8_t codes[] = {0x01, 0x02, 0x03, 0x07, 0x08, 0x0D, 0x00, 0x15,
                                0x00, 0x00, 0x00, 0x00, 0x00, 0x09, 0x0A};
  for (std::uint8_t code : codes) {
    expected.insert(expected.end(), {code, 0x00, 0x00});
  }
  expected.insert(expected.end(), {0x00, 0x00});
  const auto r = BuildButtonMapReport(DefaultProfile(), 0);
  EXPECT_EQ(std::vector<std::uint8_t>(r.begin(), r.end()), expected);
}

TEST(ButtonMapReport, OnlyAKeyStrokeCarriesModifiersAndKey) {
  ProfileRecord p = DefaultProfile();
  MacroKeyInfo& keyStroke = p.MacroKeyInfo[6];
  keyStroke.FunctionCode = kKeyStroke;
  keyStroke.EventCount = 1;
  keyStroke.Events[0] = {0x3D, kModifierAlt, 0};  // Alt+F4
  MacroKeyInfo& macro = p.MacroKeyInfo[7];
  macro.FunctionCode = kMacro;
  macro.EventCount = 1;
  macro.Events[0] = {0x04, 1, 100};
  const auto r = BuildButtonMapReport(p, 3);
  EXPECT_EQ(r[2], 3);
  EXPECT_EQ(r[3 + 18], kKeyStroke);
  EXPECT_EQ(r[4 + 18], kModifierAlt);
  EXPECT_EQ(r[5 + 18], 0x3D);
  EXPECT_EQ(r[3 + 21], kMacro);
  EXPECT_EQ(r[4 + 21], 0);
  EXPECT_EQ(r[5 + 21], 0);
}

TEST(ButtonMapReport, ReadingAKeyStrokeReplacesTheRecordsKeyAndName) {
  ProfileRecord p = DefaultProfile();
  MacroKeyInfo& record = p.MacroKeyInfo[4];
  SetFixedText(record.MacroName, u"Old macro");
  SetFixedText(record.ProgramPath, u"C:\\tool.exe");
  record.EventCount = 7;
  record.Events[1] = {0x05, 2, 400};
  auto r = BuildButtonMapReport(p, 0);
  r[3 + 12] = kKeyStroke;
  r[4 + 12] = kModifierCtrl | kModifierShift;
  r[5 + 12] = 0x1B;
  ASSERT_TRUE(StoreButtonMapReport(r, p));
  EXPECT_EQ(record.FunctionCode, kKeyStroke);
  EXPECT_EQ(record.Events[0].Key, 0x1B);
  EXPECT_EQ(record.Events[0].Action, kModifierCtrl | kModifierShift);
  EXPECT_EQ(record.EventCount, 1);
  EXPECT_TRUE(FixedText(record.MacroName).empty());
  EXPECT_EQ(std::u16string(FixedText(record.ProgramPath)), u"C:\\tool.exe");
  EXPECT_EQ(record.Events[1].Delay, 400);  // entries past the count stay
}

TEST(ButtonMapReport, ReadingAnyOtherCodeChangesOnlyTheCode) {
  ProfileRecord p = DefaultProfile();
  MacroKeyInfo& record = p.MacroKeyInfo[9];
  record.FunctionCode = kMacro;
  SetFixedText(record.MacroName, u"Combo");
  record.EventCount = 2;
  record.Events[0] = {0x04, 1, 50};
  const MacroKeyInfo before = record;
  auto r = BuildButtonMapReport(p, 0);
  r[3 + 27] = 45;  // a code no page offers is kept as the mouse has it
  r[4 + 27] = 0x55;
  r[5 + 27] = 0x66;
  ASSERT_TRUE(StoreButtonMapReport(r, p));
  EXPECT_EQ(record.FunctionCode, 45);
  EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&before) + 2,
                        reinterpret_cast<const char*>(&record) + 2, sizeof record - 2),
            0);
  EXPECT_EQ(p.MacroKeyInfo[0].FunctionCode, kPrimaryClick);
}

TEST(ButtonMapReport, AMalformedReportChangesNothing) {
  ProfileRecord p = DefaultProfile();
  const ProfileRecord before = p;
  auto r = BuildButtonMapReport(p, 0);
  r[3] = 9;
  EXPECT_FALSE(StoreButtonMapReport(std::span(r).first(49), p));
  r[0] = kMacroReportId;
  EXPECT_FALSE(StoreButtonMapReport(r, p));
  EXPECT_EQ(std::memcmp(&before, &p, sizeof p), 0);
}

}  // namespace
}  // namespace mouse
