#include "device/macro_report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "settings/button_codes.h"
#include "settings/fixed_text.h"

namespace mouse {
namespace {

// A double-byte code page for names: ASCII is one byte, U+0100..U+7EFF two
// (lead 0x81..0xFE), anything else '?'.
class DoubleByteCodePage final : public AnsiCodePage {
 public:
  std::u16string Decode(std::string_view bytes) const override {
    std::u16string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto b = static_cast<std::uint8_t>(bytes[i]);
      if (b >= 0x81 && i + 1 < bytes.size()) {
        out.push_back(
            static_cast<char16_t>(((b - 0x80) << 8) | static_cast<std::uint8_t>(bytes[++i])));
      } else {
        out.push_back(b < 0x80 ? b : u'?');
      }
    }
    return out;
  }
  std::string Encode(std::u16string_view text) const override {
    std::string out;
    for (char16_t c : text) {
      if (c < 0x80) {
        out.push_back(static_cast<char>(c));
      } else if (c >= 0x100 && c < 0x7F00) {
        out.push_back(static_cast<char>(0x80 + (c >> 8)));
        out.push_back(static_cast<char>(c & 0xFF));
      } else {
        out.push_back('?');
      }
    }
    return out;
  }
};

class StringLog final : public DebugLog {
 public:
  void Write(std::string_view text) override { text_ += text; }
  std::string text_;
};

using Entry = std::pair<std::uint8_t, std::uint8_t>;

MacroKeyInfo Macro(std::u16string_view name, std::vector<MacroEvent> events) {
  MacroKeyInfo r{};
  r.ButtonIndex = 2;
  r.FunctionCode = kMacro;
  SetFixedText(r.MacroName, name);
  r.MacroParam = 1;
  r.EventCount = static_cast<std::uint16_t>(events.size());
  std::copy(events.begin(), events.end(), r.Events);
  return r;
}

std::vector<Entry> EntriesOf(const Report<kMacroReportLength>& r) {
  std::vector<Entry> entries;
  for (int i = 0; i < r[29]; ++i) {
    entries.emplace_back(r[30 + 2 * i], r[31 + 2 * i]);
  }
  return entries;
}

class MacroReportTest : public ::testing::Test {
 protected:
  Report<kMacroReportLength> Build(const MacroKeyInfo& r) {
    return BuildMacroReport(r, 0, 2, codePage);
  }
  MacroKeyInfo Read(const Report<kMacroReportLength>& report, int profile = 0, int button = 2) {
    MacroKeyInfo r{};
    EXPECT_TRUE(StoreMacroReport(report, profile, button, r, codePage));
    return r;
  }
  CodePage1252 codePage;
};

TEST_F(MacroReportTest, HeaderCarriesProfileButtonPlayCountAndName) {
  MacroKeyInfo r = Macro(u"Reload", {{0x15, 1, 0}});
  r.MacroParam = 0x103;
  const auto report = BuildMacroReport(r, 4, 14, codePage);
  EXPECT_EQ(report[0], 0x09);
  EXPECT_EQ(report[1], 0x82);
  EXPECT_EQ(report[2], 4);
  EXPECT_EQ(report[3], 14);
  EXPECT_EQ(report[4], 3);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&report[5])), "Reload");
  r.MacroParam = 0x100;  // a zero low byte plays once
  EXPECT_EQ(Build(r)[4], 1);
}

struct DelayCase {
  std::uint16_t delayMs;
  std::optional<Entry> extension;
  std::uint8_t eventUnits;
  std::uint16_t readBackMs;
};

TEST_F(MacroReportTest, DelaysBecomeUnitsAndExtensionsAndComeBack) {
  const DelayCase cases[] = {
      {0, std::nullopt, 0, 0},
      {24, std::nullopt, 0, 0},
      {25, std::nullopt, 1, 50},
      {74, std::nullopt, 1, 50},
      {75, std::nullopt, 2, 100},
      {1000, std::nullopt, 20, 1000},
      {6350, std::nullopt, 127, 6350},
      {6351, std::nullopt, 127, 6350},
      {6375, Entry{1, 1}, 127, 6400},
      {10000, Entry{1, 73}, 127, 10000},
      {19050, Entry{1, 254}, 127, 19050},
      {19100, Entry{2, 128}, 126, 19100},
      {19200, Entry{2, 129}, 126, 19200},
      {31800, Entry{2, 255}, 126, 31800},
      {31850, Entry{3, 128}, 125, 31850},
      {40000, Entry{3, 169}, 124, 40000},
      {57350, Entry{3, 255}, 127, 57350},
      // Longer than any extension can carry: the longest that fits.
      {57400, Entry{3, 255}, 127, 57350},
      {65535, Entry{3, 255}, 127, 57350},
  };
  for (const DelayCase& c : cases) {
    SCOPED_TRACE(c.delayMs);
    const auto report = Build(Macro(u"m", {{0x04, 1, c.delayMs}, {0x05, 2, 0}}));
    std::vector<Entry> expected = {{0x04, 0}};
    if (c.extension) {
      expected.push_back(*c.extension);
    }
    expected.emplace_back(0x05, 0x80 | c.eventUnits);
    EXPECT_EQ(EntriesOf(report), expected);

    const MacroKeyInfo back = Read(report);
    ASSERT_EQ(back.EventCount, 2);
    EXPECT_EQ(back.Events[0].Delay, c.readBackMs);
    EXPECT_EQ(back.Events[1].Delay, 0);
  }
}

TEST_F(MacroReportTest, EventsKeepKeyAndDirectionButNotTheLastDelay) {
  const MacroKeyInfo r = Macro(u"m", {{kMouseKeyLeft, kActionPress, 100},
                                      {kMouseKeyLeft, kActionRelease, 300},
                                      {0x2B, 0, 5000}});  // action 0 is not a press
  const MacroKeyInfo back = Read(Build(r));
  ASSERT_EQ(back.EventCount, 3);
  EXPECT_EQ(back.Events[0].Key, kMouseKeyLeft);
  EXPECT_EQ(back.Events[0].Action, kActionPress);
  EXPECT_EQ(back.Events[0].Delay, 100);
  EXPECT_EQ(back.Events[1].Action, kActionRelease);
  EXPECT_EQ(back.Events[1].Delay, 300);
  EXPECT_EQ(back.Events[2].Key, 0x2B);
  EXPECT_EQ(back.Events[2].Action, kActionRelease);
  EXPECT_EQ(back.Events[2].Delay, 0);
}

std::vector<MacroEvent> FortyEvents(int longDelays) {
  std::vector<MacroEvent> events;
  for (int i = 0; i < kMaxMacroEvents; ++i) {
    const bool longDelay = i < longDelays;
    events.push_back({static_cast<std::uint8_t>(0x04 + i % 20),
                      static_cast<std::uint8_t>(i % 2 == 0 ? kActionPress : kActionRelease),
                      static_cast<std::uint16_t>(longDelay ? 10000 : 150)});
  }
  return events;
}

TEST_F(MacroReportTest, FortyEventsWithTenLongDelaysFillTheReportExactly) {
  const auto report = Build(Macro(u"m", FortyEvents(10)));
  EXPECT_EQ(report[29], 50);
  EXPECT_EQ(report[128], 0x04 + 39 % 20);
  EXPECT_EQ(report[129], 0x80 | 3);
  const MacroKeyInfo back = Read(report);
  ASSERT_EQ(back.EventCount, 40);
  for (int i = 0; i < 39; ++i) {
    EXPECT_EQ(back.Events[i].Delay, i < 10 ? 10000 : 150) << i;
  }
}

TEST_F(MacroReportTest, AnEleventhLongDelayIsShortenedToWhatAnEventCarries) {
  const auto report = Build(Macro(u"m", FortyEvents(11)));
  EXPECT_EQ(report[29], 50);
  const MacroKeyInfo back = Read(report);
  ASSERT_EQ(back.EventCount, 40);
  EXPECT_EQ(back.Events[9].Delay, 10000);
  EXPECT_EQ(back.Events[10].Delay, 127 * 50);
  EXPECT_EQ(back.Events[11].Delay, 150);
}

TEST_F(MacroReportTest, ABlockCountAboveFortySendsForty) {
  MacroKeyInfo r = Macro(u"m", FortyEvents(0));
  r.EventCount = 200;
  const auto report = Build(r);
  EXPECT_EQ(report[29], 40);
  EXPECT_EQ(Read(report).EventCount, 40);
}

TEST_F(MacroReportTest, EachDelayIsTracedForTheDebugger) {
  StringLog log;
  BuildMacroReport(Macro(u"m", {{4, 1, 1000}, {4, 2, 24}, {5, 1, 19230}, {5, 2, 7}}), 0, 0,
                   codePage, &log);
  EXPECT_EQ(log.text_, "Delay: 1000,20 0\nDelay: 24,0 24\nDelay: 19230,385 30\n");
}

struct NameCase {
  std::u16string name;
  std::u16string readBack;
};

TEST_F(MacroReportTest, NamesRoundTripThroughTheCodePage) {
  const NameCase cases[] = {
      {u"Jump", u"Jump"},
      {u"Café € Ärger", u"Café € Ärger"},
      {u"Nineteen characters", u"Nineteen characters"},
      {u"  lead", u"  lead"},
      {u"trail  ", u"trail"},  // trailing blanks are the mouse's padding
      {u"日本", u"??"},        // not in 1252
      {u"", u"Pro1-M3"},
      {u"   ", u"Pro1-M3"},
  };
  for (const NameCase& c : cases) {
    const MacroKeyInfo back = Read(Build(Macro(c.name, {})));
    EXPECT_EQ(std::u16string(FixedText(back.MacroName)), c.readBack);
  }
}

TEST_F(MacroReportTest, ABlankNameReadsBackAsProfileAndButton) {
  const auto report = Build(Macro(u"", {}));
  MacroKeyInfo r{};
  ASSERT_TRUE(StoreMacroReport(report, 1, 4, r, codePage));
  EXPECT_EQ(std::u16string(FixedText(r.MacroName)), u"Pro2-M5");
  ASSERT_TRUE(StoreMacroReport(report, 4, 14, r, codePage));
  EXPECT_EQ(std::u16string(FixedText(r.MacroName)), u"Pro5-M15");
}

TEST_F(MacroReportTest, ALongDoubleByteNameIsCutBetweenCharacters) {
  DoubleByteCodePage dbcs;
  const std::u16string name = u"a中中中中中中中中中中中中中中中中中中";  // 1 + 18 * 2 bytes
  const auto report = BuildMacroReport(Macro(name, {}), 0, 0, dbcs);
  const std::string bytes(reinterpret_cast<const char*>(&report[5]));
  EXPECT_EQ(bytes.size(), 23u);  // 'a' and eleven whole characters
  EXPECT_EQ(report[28], 0);
  MacroKeyInfo back{};
  ASSERT_TRUE(StoreMacroReport(report, 0, 0, back, dbcs));
  EXPECT_EQ(std::u16string(FixedText(back.MacroName)), name.substr(0, 12));

  const auto even = BuildMacroReport(Macro(u"中中中中中中中中中中中中中", {}), 0, 0, dbcs);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&even[5])).size(), 22u);
}

TEST_F(MacroReportTest, AFullNameFieldWithoutNulKeepsNineteenCharacters) {
  auto report = Build(Macro(u"", {}));
  for (int i = 5; i <= 28; ++i) {
    report[i] = static_cast<std::uint8_t>('A' + (i - 5));
  }
  EXPECT_EQ(std::u16string(FixedText(Read(report).MacroName)), u"ABCDEFGHIJKLMNOPQRS");
}

TEST_F(MacroReportTest, ReadingMakesAMacroAndKeepsTheProgramPath) {
  MacroKeyInfo r{};
  r.FunctionCode = kRunProgram;
  SetFixedText(r.ProgramPath, u"C:\\game.exe");
  r.Events[30] = {9, 9, 9};
  const auto report = Build(Macro(u"x", {{4, 1, 0}}));
  ASSERT_TRUE(StoreMacroReport(report, 0, 6, r, codePage));
  EXPECT_EQ(r.FunctionCode, kMacro);
  EXPECT_EQ(r.ButtonIndex, 6);
  EXPECT_EQ(r.MacroParam, 1);
  EXPECT_EQ(r.EventCount, 1);
  EXPECT_EQ(r.Events[30].Key, 0);  // the events are zeroed first
  EXPECT_EQ(std::u16string(FixedText(r.ProgramPath)), u"C:\\game.exe");
}

struct MalformedCase {
  const char* name;
  std::uint8_t count;
  int extensions;  // leading extension/event pairs; the rest plain events
  std::uint16_t events;
};

TEST_F(MacroReportTest, ACountByteThatLiesNeverOverrunsTheBlockOrTheReport) {
  const MalformedCase cases[] = {
      {"fifty plain events", 50, 0, 0},
      {"count 255", 255, 0, 0},
      {"forty-one events", 41, 0, 0},
      {"forty events", 40, 0, 40},
      {"twenty-five extended events", 50, 25, 25},
      {"more than fits", 60, 25, 0},
  };
  for (const MalformedCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto report = Build(Macro(u"", {}));
    int entry = 0;
    for (; entry < 2 * c.extensions; entry += 2) {
      report[30 + 2 * entry] = 1;
      report[31 + 2 * entry] = 10;
      report[32 + 2 * entry] = 0x04;
      report[33 + 2 * entry] = 1;
    }
    for (; entry < 50; ++entry) {
      report[30 + 2 * entry] = 0x05;
      report[31 + 2 * entry] = 2;
    }
    report[29] = c.count;
    const MacroKeyInfo back = Read(report);
    EXPECT_EQ(back.EventCount, c.events);
    EXPECT_EQ(back.FunctionCode, kMacro);
  }
}

TEST_F(MacroReportTest, AMalformedReportChangesNothing) {
  MacroKeyInfo r = Macro(u"keep", {{4, 1, 0}});
  const MacroKeyInfo before = r;
  auto report = Build(Macro(u"new", {}));
  EXPECT_FALSE(StoreMacroReport(std::span(report).first(129), 0, 0, r, codePage));
  report[0] = kButtonMapReportId;
  EXPECT_FALSE(StoreMacroReport(report, 0, 0, r, codePage));
  EXPECT_EQ(std::memcmp(&before, &r, sizeof r), 0);
}

}  // namespace
}  // namespace mouse
