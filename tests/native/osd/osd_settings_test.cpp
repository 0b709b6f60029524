#include "settings/osd_settings.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "settings/ini_file.h"
#include "settings/ini_values.h"
#include "temp_folder.h"

namespace mouse {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

const CodePage1252 kAnsi;

std::array<std::uint8_t, kOsdSettingsSize> BytesOf(const OsdSettings& settings) {
  std::array<std::uint8_t, kOsdSettingsSize> bytes{};
  std::memcpy(bytes.data(), &settings, bytes.size());
  return bytes;
}

bool SameRecord(const OsdSettings& a, const OsdSettings& b) { return BytesOf(a) == BytesOf(b); }

TEST(OsdSettings, DefaultRecordHasTheFlagsOnAndTheDisplayWordsInPlace) {
  const auto bytes = BytesOf(DefaultOsdSettings());
  std::array<std::uint8_t, kOsdSettingsSize> expected{};
  expected[8] = 1;   // profile
  expected[12] = 1;  // macro
  expected[24] = 1;  // CPI
  expected[32] = kDefaultDisplayTime;
  expected[36] = kDefaultDisplayOpacity;
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(OsdDisplayParam(DefaultOsdSettings()), (25u << 16) | 90u);
  EXPECT_EQ(OsdDisplayOf(DefaultOsdSettings()), (OsdDisplay{2500, 90}));
}

TEST(OsdSettings, DisplayWordsOutsideTheirRangesAreRefused) {
  struct Case {
    std::uint32_t param;
    std::optional<OsdDisplay> display;
  };
  const Case cases[] = {
      {(25u << 16) | 90u, OsdDisplay{2500, 90}},
      {(1u << 16) | 20u, OsdDisplay{100, 20}},
      {(600u << 16) | 100u, OsdDisplay{60000, 100}},
      {(0u << 16) | 90u, std::nullopt},
      {(601u << 16) | 90u, std::nullopt},
      {(25u << 16) | 19u, std::nullopt},
      {(25u << 16) | 101u, std::nullopt},
      {0xFFFFFFFFu, std::nullopt},
      {0, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.param);
    EXPECT_EQ(DecodeOsdDisplay(c.param), c.display);
  }
  // A record with unusable words displays as the default record does.
  OsdSettings zero;
  std::memset(&zero, 0, sizeof zero);
  EXPECT_EQ(OsdDisplayOf(zero), OsdDisplayOf(DefaultOsdSettings()));
}

class OsdSettingsFile : public ::testing::Test {
 protected:
  OsdSettingsFile() : path(folder / "config.ini") {}

  void WriteConfig(const std::u16string& osdValue) {
    IniDocument doc;
    doc.SetInt(u"Setting", u"CurrentProfile", 3);
    doc.Set(kOsdSettingSection, kOsdSettingKey, osdValue);
    doc.SetString(u"OSDData", u"Message", u"kept \u00E9");
    ASSERT_TRUE(SaveIniFile(path, doc));
  }
  void ExpectOtherKeysKept() {
    const IniDocument doc = LoadIniFile(path, kAnsi);
    EXPECT_EQ(doc.GetInt(u"Setting", u"CurrentProfile", -1), 3);
    EXPECT_EQ(doc.GetString(u"OSDData", u"Message"), u"kept \u00E9");
  }

  TempFolder folder;
  std::filesystem::path path;
};

TEST_F(OsdSettingsFile, RecordRoundTripsAndAPresentOneIsNeverRewritten) {
  OsdSettings custom = DefaultOsdSettings();
  custom.ProfileFlag = 0;
  custom.CpiFlag = 7;
  custom.DisplayTime = 3;
  custom.DisplayOpacity = 55;
  custom.Reserved0[1] = 0xAB;
  custom.Reserved38[609] = 0xFF;  // the last byte
  WriteConfig(FormatByteRecord(&custom, sizeof custom));
  const std::string before = ReadBytes(path);

  const StoredOsdSettings stored = LoadOsdSettings(path, kAnsi);
  EXPECT_EQ(stored.state, OsdRecordState::Present);
  EXPECT_TRUE(SameRecord(stored.settings, custom));

  EXPECT_TRUE(SameRecord(EnsureOsdSettings(path, kAnsi), custom));
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(OsdSettingsFile, MissingOrDamagedRecordIsReplacedByTheDefaultKeepingTheRest) {
  const OsdSettings good = DefaultOsdSettings();
  std::u16string wrongSum = FormatByteRecord(&good, sizeof good);
  wrongSum.back() = wrongSum.back() == u'0' ? u'1' : u'0';
  std::u16string notHex = FormatByteRecord(&good, sizeof good);
  notHex[10] = u'G';
  const std::u16string shortRecord = FormatByteRecord(&good, sizeof good - 1);

  struct Case {
    const char* name;
    std::optional<std::u16string> value;  // nothing: no key at all
    OsdRecordState state;
  };
  const Case cases[] = {
      {"missing", std::nullopt, OsdRecordState::Missing},
      {"empty", u"", OsdRecordState::Damaged},
      {"wrong sum", wrongSum, OsdRecordState::Damaged},
      {"not hexadecimal", notHex, OsdRecordState::Damaged},
      {"one byte short", shortRecord, OsdRecordState::Damaged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.value) {
      WriteConfig(*c.value);
    } else {
      IniDocument doc;
      doc.SetInt(u"Setting", u"CurrentProfile", 3);
      doc.SetString(u"OSDData", u"Message", u"kept \u00E9");
      ASSERT_TRUE(SaveIniFile(path, doc));
    }
    const StoredOsdSettings before = LoadOsdSettings(path, kAnsi);
    EXPECT_EQ(before.state, c.state);
    EXPECT_TRUE(SameRecord(before.settings, DefaultOsdSettings()));

    EXPECT_TRUE(SameRecord(EnsureOsdSettings(path, kAnsi), DefaultOsdSettings()));
    const StoredOsdSettings after = LoadOsdSettings(path, kAnsi);
    EXPECT_EQ(after.state, OsdRecordState::Present);
    EXPECT_TRUE(SameRecord(after.settings, DefaultOsdSettings()));
    ExpectOtherKeysKept();
  }

  // No config.ini at all: one is made with the record alone.
  std::filesystem::remove(path);
  EnsureOsdSettings(path, kAnsi);
  EXPECT_EQ(LoadOsdSettings(path, kAnsi).state, OsdRecordState::Present);
}

}  // namespace
}  // namespace mouse
