// Writes well-formed starting inputs for the fuzz targets into
// <folder>/<target>/: real reports, button records with macros, and a
// profile file as the programs write it.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "device/button_map_report.h"
#include "device/data_block_report.h"
#include "device/macro_report.h"
#include "device/profile_settings_report.h"
#include "settings/button_codes.h"
#include "settings/fixed_text.h"
#include "settings/ini_document.h"
#include "settings/ini_values.h"
#include "settings/profile_file.h"
#include "settings/text_encoding.h"

namespace {

using namespace mouse;
namespace fs = std::filesystem;

void Save(const fs::path& folder, const std::string& name, const void* data, std::size_t size) {
  fs::create_directories(folder);
  std::ofstream out(folder / name, std::ios::binary);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

template <std::size_t N>
void SaveReport(const fs::path& folder, const std::string& name, const Report<N>& report) {
  Save(folder, name, report.data(), report.size());
}

MacroKeyInfo MacroRecord(int button) {
  MacroKeyInfo record{};
  record.ButtonIndex = static_cast<std::uint8_t>(button);
  record.FunctionCode = kMacro;
  SetFixedText(record.MacroName, u"Combo Café");
  record.MacroParam = 2;
  const std::uint16_t delays[] = {30, 1000, 10000, 19200, 40000, 65535, 24, 25};
  record.EventCount = 16;
  for (int i = 0; i < record.EventCount; ++i) {
    record.Events[i] = {static_cast<std::uint8_t>(0x04 + i),
                        static_cast<std::uint8_t>(i % 2 == 0 ? kActionPress : kActionRelease),
                        delays[i % 8]};
  }
  return record;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    return 2;
  }
  const fs::path root = argv[1];
  const CodePage1252 codePage;

  ProfileRecord profile{};
  ResetProfileDefaults(profile, 1);
  profile.MacroKeyInfo[5] = MacroRecord(5);
  profile.MacroKeyInfo[6].FunctionCode = kKeyStroke;
  profile.MacroKeyInfo[6].EventCount = 1;
  profile.MacroKeyInfo[6].Events[0] = {0x3D, kModifierAlt, 0};
  SetFixedText(profile.MacroKeyInfo[7].ProgramPath, u"C:\\Games\\run.exe");
  profile.MacroKeyInfo[7].FunctionCode = kRunProgram;

  const fs::path reports = root / "fuzz_reports";
  SaveReport(reports, "settings", BuildProfileSettingsReport(profile, 1));
  SaveReport(reports, "buttons", BuildButtonMapReport(profile, 1));
  SaveReport(reports, "macro", BuildMacroReport(profile.MacroKeyInfo[5], 1, 5, codePage));
  SaveReport(reports, "status", BuildStatusReport(kStatusBusy));
  SaveReport(reports, "select", BuildProfileSelectReport(3));
  SaveReport(reports, "otg", BuildOtgReport(10));
  SaveReport(reports, "info", BuildDeviceInfoReport({0x12, 0x02}));
  SaveReport(reports, "chunk", *BuildDataBlockReport(3));

  const fs::path macros = root / "fuzz_macro_conversion";
  const MacroKeyInfo macro = MacroRecord(5);
  Save(macros, "macro", &macro, sizeof macro);
  Save(macros, "keystroke", &profile.MacroKeyInfo[6], sizeof(MacroKeyInfo));

  IniDocument doc;
  WriteProfile(profile, doc);
  const std::u16string text = doc.Serialize();
  std::string utf16 = "\x00";
  for (char16_t c : text) {
    utf16.push_back(static_cast<char>(c & 0xFF));
    utf16.push_back(static_cast<char>(c >> 8));
  }
  Save(root / "fuzz_profile_file", "profile", utf16.data(), utf16.size());

  // A short file (read as UTF-8) with a few keys and one button record.
  const std::string shortFile =
      "\x01; comment\r\n[Setting]\r\nProFileName=\"  Caf\xC3\xA9 \"\r\nSensitivity_X=-12\r\n"
      "dpiIndicator2=300\r\nMacroKeyInfo5=" +
      ToUtf8(FormatByteRecord(&profile.MacroKeyInfo[5], sizeof(MacroKeyInfo))) +
      "\r\n[Other]\r\nx=1\r\n";
  Save(root / "fuzz_profile_file", "short", shortFile.data(), shortFile.size());
  return 0;
}
