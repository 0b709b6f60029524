// Our initialisation-file codec against Windows' own private-profile
// functions (Wine's implementation): each must read what the other wrote.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/fixed_text.h"
#include "settings/ini_file.h"
#include "settings/profile_file.h"
#include "settings/win32/wide.h"
#include "settings/win32/windows_code_page.h"
#include "temp_folder.h"

namespace mouse::win32 {
namespace {

using testing::TempFolder;

const WindowsCodePage kAnsi;

std::wstring WinGetString(const std::filesystem::path& file, const wchar_t* section,
                          const std::wstring& key) {
  wchar_t buffer[4096] = {};
  GetPrivateProfileStringW(section, key.c_str(), L"<missing>", buffer, 4096, file.c_str());
  return buffer;
}

ProfileRecord SampleProfile() {
  ProfileRecord profile;
  std::memset(&profile, 0, sizeof profile);
  ResetProfileDefaults(profile, 1);
  SetFixedText(profile.ProFileName, u" Sniper \"Elite\" \u00E9\u4E2D\U0001F3AE ");
  SetFixedText(profile.GameFile, u"C:\\Games\\Arena\\ARENA.EXE ");
  profile.CpiLevel_X[2] = -1;
  profile.LiftSwitch = -123456;
  profile.dpiIndicator[4] = 0xFF;
  MacroKeyInfo& macro = profile.MacroKeyInfo[4];
  macro.FunctionCode = 16;
  SetFixedText(macro.MacroName, u"Reload");
  macro.EventCount = 2;
  macro.Events[0] = {0x15, kActionPress, 1000};
  macro.Events[1] = {0x15, kActionRelease, 0};
  return profile;
}

TEST(PrivateProfileCrossCheck, WindowsReadsWhatWeWrite) {
  TempFolder folder;
  const auto path = folder / "Default1.gmp";
  const ProfileRecord profile = SampleProfile();
  WriteProfileFile(profile, path, kAnsi);

  EXPECT_EQ(WinGetString(path, L"Setting", L"ProFileName"), WidePtr(profile.ProFileName));
  EXPECT_EQ(WinGetString(path, L"setting", L"GAMEFILE"), WidePtr(profile.GameFile));

  const IniDocument ours = LoadIniFile(path, kAnsi);
  const auto keys = ours.Keys(u"Setting");
  ASSERT_EQ(keys.size(), 80u);
  for (const auto& key : keys) {
    const std::wstring name(Wide(key));
    if (key.starts_with(u"MacroKeyInfo") || key == u"ProFileName" || key == u"GameFile") {
      continue;
    }
    EXPECT_EQ(static_cast<int>(GetPrivateProfileIntW(L"Setting", name.c_str(), 99, path.c_str())),
              ours.GetInt(u"Setting", key, 98))
        << ToUtf8(key);
  }
  for (int b = 0; b < kButtonCount; ++b) {
    MacroKeyInfo record;
    const std::wstring key = L"MacroKeyInfo" + std::to_wstring(b);
    ASSERT_TRUE(
        GetPrivateProfileStructW(L"Setting", key.c_str(), &record, sizeof record, path.c_str()))
        << b;
    EXPECT_EQ(0, std::memcmp(&record, &profile.MacroKeyInfo[b], sizeof record)) << b;
  }
}

TEST(PrivateProfileCrossCheck, WeReadWhatWindowsWritesInTheAnsiCodePage) {
  TempFolder folder;
  const auto path = folder / "ansi.gmp";
  const std::wstring file = path.wstring();
  const ProfileRecord source = SampleProfile();
  WritePrivateProfileStringW(L"Setting", L"ProFileName", L"Caf\u00E9 \u20AC", file.c_str());
  WritePrivateProfileStringW(L"Setting", L"Sensitivity_X", L"17", file.c_str());
  WritePrivateProfileStringW(L"Setting", L"CpiLevel_X2", L"-1", file.c_str());
  WritePrivateProfileStringW(L"Setting", L"dpiStepFlag3", L"300", file.c_str());
  WritePrivateProfileStructW(L"Setting", L"MacroKeyInfo4",
                             const_cast<MacroKeyInfo*>(&source.MacroKeyInfo[4]),
                             sizeof(MacroKeyInfo), file.c_str());
  const std::string bytes = ::mouse::testing::ReadBytes(path);
  ASSERT_FALSE(bytes.starts_with("\xFF\xFE")) << "Windows wrote a new file in the ANSI code page";

  ProfileRecord read;
  std::memset(&read, 0, sizeof read);
  ReadProfileFile(read, path, kAnsi);
  EXPECT_EQ(std::u16string(FixedText(read.ProFileName)), u"Caf\u00E9 \u20AC");
  EXPECT_EQ(read.Sensitivity_X, 17);
  EXPECT_EQ(read.CpiLevel_X[2], -1);
  EXPECT_EQ(read.dpiStepFlag[3], 300 & 0xFF);
  EXPECT_EQ(0, std::memcmp(&read.MacroKeyInfo[4], &source.MacroKeyInfo[4], sizeof(MacroKeyInfo)));
}

TEST(PrivateProfileCrossCheck, WeReadWhatWindowsWritesInUnicode) {
  TempFolder folder;
  const auto path = folder / "unicode.gmp";
  ASSERT_TRUE(WriteTextFileAtomically(path, u""));  // a byte-order mark only
  const std::wstring file = path.wstring();
  const std::wstring name = L"\u4E2D\u6587 \U0001F3AE";
  WritePrivateProfileStringW(L"Setting", L"ProFileName", name.c_str(), file.c_str());
  WritePrivateProfileStringW(L"Setting", L"TiltSpeed", L"8", file.c_str());
  ASSERT_TRUE(::mouse::testing::ReadBytes(path).starts_with("\xFF\xFE"));

  ProfileRecord read;
  std::memset(&read, 0, sizeof read);
  ReadProfileFile(read, path, kAnsi);
  EXPECT_EQ(std::wstring(WidePtr(read.ProFileName)), name);
  EXPECT_EQ(read.TiltSpeed, 8);

  // And Windows still reads the file after we rewrote it.
  WriteProfileFile(read, path, kAnsi);
  EXPECT_EQ(WinGetString(path, L"Setting", L"ProFileName"), name);
  EXPECT_EQ(GetPrivateProfileIntW(L"Setting", L"TiltSpeed", 0, file.c_str()), 8u);
}

}  // namespace
}  // namespace mouse::win32
