#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "temp_folder.h"

namespace mouse {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const CodePage1252 kAnsi;

TEST(IniFile, ReadsEveryEncodingWindowsWrites) {
  TempFolder folder;
  const std::u16string expected = u"[s]\r\nname=caf\u00E9 \u20AC\r\n";
  const std::pair<const char*, std::string> files[] = {
      {"utf16le", std::string("\xFF\xFE") + ToUtf16LeBytes(expected)},
      {"utf8", std::string("\xEF\xBB\xBF") + ToUtf8(expected)},
      {"ansi", "[s]\r\nname=caf\xE9 \x80\r\n"},
  };
  for (const auto& [name, bytes] : files) {
    WriteBytes(folder / name, bytes);
    EXPECT_EQ(ReadTextFile(folder / name, kAnsi), expected) << name;
  }
  std::string bigEndian = "\xFE\xFF";
  for (char16_t c : expected) {
    bigEndian.push_back(static_cast<char>(c >> 8));
    bigEndian.push_back(static_cast<char>(c & 0xFF));
  }
  WriteBytes(folder / "utf16be", bigEndian);
  EXPECT_EQ(ReadTextFile(folder / "utf16be", kAnsi), expected);
  EXPECT_FALSE(ReadTextFile(folder / "missing", kAnsi));
}

TEST(IniFile, WritesUtf16WithAByteOrderMark) {
  TempFolder folder;
  ASSERT_TRUE(WriteTextFileAtomically(folder / "a.ini", u"x=\U0001F3AE"));
  EXPECT_EQ(ReadBytes(folder / "a.ini"), std::string("\xFF\xFEx\0=\0\x3C\xD8\xAE\xDF", 10));
}

TEST(IniFile, AFailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
  TempFolder folder;
  // A folder in the target's place makes the final replace fail.
  std::filesystem::create_directories(folder / "config.ini" / "occupied");
  EXPECT_FALSE(WriteTextFileAtomically(folder / "config.ini", u"[s]"));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "config.ini"));
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    ++entries;
  }
  EXPECT_EQ(entries, 1) << "the temporary file was removed";

  EXPECT_FALSE(WriteTextFileAtomically(folder / "no-such-folder" / "x.ini", u"[s]"));
  EXPECT_FALSE(std::filesystem::exists(folder / "no-such-folder"));
}

TEST(IniFile, UpdateKeepsKeysAnotherWriterAddedMeanwhile) {
  TempFolder folder;
  const auto path = folder / "config.ini";
  IniDocument mine;  // what this program loaded earlier
  mine.SetInt(u"Setting", u"CurrentProfile", 1);
  ASSERT_TRUE(SaveIniFile(path, mine));
  // The other program writes its key...
  ASSERT_TRUE(
      UpdateIniFile(path, kAnsi, [](IniDocument& d) { d.SetInt(u"Setting", u"Device", 1); }));
  // ...and this program then updates only its own.
  ASSERT_TRUE(UpdateIniFile(path, kAnsi,
                            [](IniDocument& d) { d.SetInt(u"Setting", u"CurrentProfile", 3); }));
  const IniDocument result = LoadIniFile(path, kAnsi);
  EXPECT_EQ(result.GetInt(u"Setting", u"Device", -1), 1);
  EXPECT_EQ(result.GetInt(u"Setting", u"CurrentProfile", -1), 3);
}

TEST(IniFile, TwoThreadsUpdatingOneFileLoseNothing) {
  TempFolder folder;
  const auto path = folder / "config.ini";
  auto writer = [&](const char16_t* key) {
    return std::thread([&, key] {
      for (int i = 1; i <= 100; ++i) {
        UpdateIniFile(path, kAnsi, [&](IniDocument& d) { d.SetInt(u"Setting", key, i); });
      }
    });
  };
  std::thread device = writer(u"Device");
  std::thread profile = writer(u"CurrentProfile");
  device.join();
  profile.join();
  const IniDocument result = LoadIniFile(path, kAnsi);
  EXPECT_EQ(result.GetInt(u"Setting", u"Device", -1), 100);
  EXPECT_EQ(result.GetInt(u"Setting", u"CurrentProfile", -1), 100);
}

TEST(IniFile, AnUnchangedFileIsNotRewritten) {
  TempFolder folder;
  const auto path = folder / "config.ini";
  auto setProfile = [](int value) {
    return [value](IniDocument& d) { d.SetInt(u"Setting", u"CurrentProfile", value); };
  };
  ASSERT_TRUE(UpdateIniFile(path, kAnsi, setProfile(2)));
  const auto longAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
  std::filesystem::last_write_time(path, longAgo);
  ASSERT_TRUE(UpdateIniFile(path, kAnsi, setProfile(2)));
  EXPECT_EQ(std::filesystem::last_write_time(path), longAgo);
  ASSERT_TRUE(UpdateIniFile(path, kAnsi, setProfile(3)));
  EXPECT_NE(std::filesystem::last_write_time(path), longAgo);
  EXPECT_EQ(LoadIniFile(path, kAnsi).GetInt(u"Setting", u"CurrentProfile", -1), 3);
}

TEST(IniFile, AnsiFilesBecomeUnicodeWhenRewritten) {
  TempFolder folder;
  const auto path = folder / "old.ini";
  WriteBytes(path, "[Setting]\r\nProFileName=Fran\xE7ois\r\n");
  ASSERT_TRUE(UpdateIniFile(
      path, kAnsi, [](IniDocument& d) { d.SetString(u"Setting", u"GameFile", u"\u4E2D.exe"); }));
  const IniDocument doc = LoadIniFile(path, kAnsi);
  EXPECT_EQ(doc.GetString(u"Setting", u"ProFileName"), u"Fran\u00E7ois");
  EXPECT_EQ(doc.GetString(u"Setting", u"GameFile"), u"\u4E2D.exe");
}

}  // namespace
}  // namespace mouse
