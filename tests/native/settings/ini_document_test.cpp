#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include "settings/text_encoding.h"

namespace mouse {
namespace {

const std::u16string kSample =
    u"; written by hand\r\n"
    u"[Setting]\r\n"
    u"CurrentProfile=2\r\n"
    u"  MouseType = 7  \r\n"
    u"Device=1\r\n"
    u"\r\n"
    u"[OSDSetting]\r\n"
    u"config=0011\r\n"
    u"[setting]\r\n"
    u"CurrentProfile=4\r\n";

TEST(IniDocument, FindsKeysWithoutRegardToCase) {
  const IniDocument doc = IniDocument::Parse(kSample);
  EXPECT_EQ(doc.GetInt(u"SETTING", u"currentprofile", -1), 2) << "the first matching section wins";
  EXPECT_EQ(doc.GetInt(u"Setting", u"MouseType", -1), 7) << "key and value are trimmed";
  EXPECT_EQ(doc.GetInt(u"Setting", u"MouseColor", -1), -1);
  EXPECT_EQ(doc.GetInt(u"Nowhere", u"Device", -1), -1);
  EXPECT_EQ(doc.GetString(u"osdsetting", u"CONFIG"), u"0011");
  EXPECT_FALSE(doc.Find(u"Setting", u"; written by hand"));
}

TEST(IniDocument, UnchangedTextIsWrittenBackExactly) {
  EXPECT_EQ(IniDocument::Parse(kSample).Serialize(), kSample);
  // Bare LF line ends become CR LF, nothing else changes.
  EXPECT_EQ(IniDocument::Parse(u"[a]\nx=1\n").Serialize(), u"[a]\r\nx=1\r\n");
}

TEST(IniDocument, ReplacesInPlaceAndAppendsWhereWindowsWould) {
  IniDocument doc = IniDocument::Parse(kSample);
  doc.SetInt(u"setting", u"MOUSETYPE", 9);
  doc.SetInt(u"Setting", u"FWVersion", 3);
  doc.SetString(u"MacroOSD", u"MacroName", u"Reload");
  EXPECT_EQ(doc.Serialize(),
            u"; written by hand\r\n"
            u"[Setting]\r\n"
            u"CurrentProfile=2\r\n"
            u"MouseType=9\r\n"
            u"Device=1\r\n"
            u"FWVersion=3\r\n"
            u"\r\n"
            u"[OSDSetting]\r\n"
            u"config=0011\r\n"
            u"[setting]\r\n"
            u"CurrentProfile=4\r\n"
            u"\r\n"
            u"[MacroOSD]\r\n"
            u"MacroName=Reload\r\n");
}

TEST(IniDocument, BuildsANewFile) {
  IniDocument doc;
  doc.SetInt(u"Setting", u"CurrentProfile", 0);
  doc.SetString(u"Setting", u"ProFileName", u" padded ");
  EXPECT_EQ(doc.Serialize(), u"[Setting]\r\nCurrentProfile=0\r\nProFileName=\" padded \"\r\n");
  EXPECT_EQ(IniDocument::Parse(doc.Serialize()).GetString(u"Setting", u"ProFileName"), u" padded ");
}

TEST(IniDocument, OddLinesAreCarriedNotMisread) {
  const IniDocument doc = IniDocument::Parse(
      u"stray=before any section\r\n[broken\r\nnovalue\r\n=orphan\r\n[ok]\r\nk==v\r\nempty=\r\n");
  EXPECT_FALSE(doc.Find(u"", u"stray")) << "keys before the first section belong to none";
  EXPECT_EQ(doc.GetString(u"ok", u"k"), u"=v");
  EXPECT_EQ(doc.GetInt(u"ok", u"empty", 5), 5) << "an empty number reads as missing";
  EXPECT_EQ(
      doc.Serialize(),
      u"stray=before any section\r\n[broken\r\nnovalue\r\n=orphan\r\n[ok]\r\nk==v\r\nempty=\r\n");
}

TEST(IniDocument, QuotedNumbersReadLikeWindows) {
  const IniDocument doc = IniDocument::Parse(u"[s]\r\na=\"12\"\r\nb= -3 apples\r\n");
  EXPECT_EQ(doc.GetInt(u"s", u"a", 0), 12);
  EXPECT_EQ(doc.GetInt(u"s", u"b", 0), -3);
}

}  // namespace
}  // namespace mouse
