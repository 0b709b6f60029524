// Loading and saving the whole configuration (config.ini and five full
// profile files) through our codec, against the same keys through Windows'
// private-profile functions, in one process. Prints both times and the ratio.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "settings/configuration.h"
#include "settings/fixed_text.h"
#include "settings/ini_values.h"
#include "settings/profile_file.h"
#include "settings/win32/wide.h"
#include "settings/win32/windows_code_page.h"

namespace {

using namespace mouse;
using Clock = std::chrono::steady_clock;

// Pointer values are outside both codecs: leave them out of the comparison.
class NoPointerStore final : public PointerStore {
 public:
  std::unique_ptr<PointerKey> Open(PointerKeyId) override { return nullptr; }
};

SettingsBlock FullBlock() {
  SettingsBlock block;
  InitBlock(block);
  ResetAllDefaults(block);
  for (int p = 0; p < kProfileCount; ++p) {
    SetFixedText(block.Profiles[p].ProFileName, u"Benchmark profile");
    SetFixedText(block.Profiles[p].GameFile, u"C:\\Games\\Some Game\\game.exe");
    for (int b = 0; b < kButtonCount; ++b) {
      MacroKeyInfo& record = block.Profiles[p].MacroKeyInfo[b];
      record.FunctionCode = 16;
      record.EventCount = kMaxMacroEvents;
      for (auto& event : record.Events) event = {0x04, kActionPress, 120};
    }
  }
  return block;
}

std::wstring ProfilePath(const std::filesystem::path& folder, int i) {
  return (folder / "config" / ("Default" + std::to_string(i) + ".gmp")).wstring();
}

void SaveWithWindows(const SettingsBlock& block, const std::filesystem::path& folder) {
  const std::wstring config = (folder / "config.ini").wstring();
  const std::pair<const wchar_t*, std::int32_t> globals[] = {
      {L"CurrentProfile", block.CurrentProfile},
      {L"MouseType", block.MouseType},
      {L"MouseColor", block.MouseColor}};
  for (const auto& [key, value] : globals) {
    WritePrivateProfileStringW(L"Setting", key, std::to_wstring(value).c_str(), config.c_str());
  }
  for (int p = 0; p < kProfileCount; ++p) {
    const std::wstring file = ProfilePath(folder, p);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&block.Profiles[p]);
    for (const ProfileKey& key : ProfileKeys()) {
      const std::wstring name(win32::Wide(key.name));
      const std::uint8_t* field = bytes + key.offset;
      std::int32_t value = *field;
      switch (key.kind) {
        case ProfileKey::Kind::String:
          WritePrivateProfileStringW(L"Setting", name.c_str(),
                                     reinterpret_cast<const wchar_t*>(field), file.c_str());
          break;
        case ProfileKey::Kind::Int32:
          std::memcpy(&value, field, sizeof value);
          [[fallthrough]];
        case ProfileKey::Kind::Byte:
          WritePrivateProfileStringW(L"Setting", name.c_str(), std::to_wstring(value).c_str(),
                                     file.c_str());
          break;
        case ProfileKey::Kind::ButtonRecord:
          WritePrivateProfileStructW(L"Setting", name.c_str(), const_cast<std::uint8_t*>(field),
                                     static_cast<UINT>(key.size), file.c_str());
          break;
      }
    }
  }
}

void LoadWithWindows(SettingsBlock& block, const std::filesystem::path& folder) {
  const std::wstring config = (folder / "config.ini").wstring();
  block.CurrentProfile = static_cast<std::int32_t>(
      GetPrivateProfileIntW(L"Setting", L"CurrentProfile", -1, config.c_str()));
  block.MouseType = static_cast<std::int32_t>(
      GetPrivateProfileIntW(L"Setting", L"MouseType", -1, config.c_str()));
  block.MouseColor = static_cast<std::int32_t>(
      GetPrivateProfileIntW(L"Setting", L"MouseColor", -1, config.c_str()));
  for (int p = 0; p < kProfileCount; ++p) {
    const std::wstring file = ProfilePath(folder, p);
    auto* bytes = reinterpret_cast<std::uint8_t*>(&block.Profiles[p]);
    for (const ProfileKey& key : ProfileKeys()) {
      const std::wstring name(win32::Wide(key.name));
      std::uint8_t* field = bytes + key.offset;
      switch (key.kind) {
        case ProfileKey::Kind::String: {
          wchar_t text[4096];
          GetPrivateProfileStringW(L"Setting", name.c_str(), L"", text, 4096, file.c_str());
          const auto capacity = key.size / sizeof(wchar_t);
          wcsncpy(reinterpret_cast<wchar_t*>(field), text, capacity - 1);
          break;
        }
        case ProfileKey::Kind::Int32: {
          const auto value = static_cast<std::int32_t>(
              GetPrivateProfileIntW(L"Setting", name.c_str(), -1, file.c_str()));
          std::memcpy(field, &value, sizeof value);
          break;
        }
        case ProfileKey::Kind::Byte:
          *field = static_cast<std::uint8_t>(
              GetPrivateProfileIntW(L"Setting", name.c_str(), -1, file.c_str()));
          break;
        case ProfileKey::Kind::ButtonRecord:
          GetPrivateProfileStructW(L"Setting", name.c_str(), field, static_cast<UINT>(key.size),
                                   file.c_str());
          break;
      }
    }
  }
}

template <typename Round>
double MillisecondsPerRound(int rounds, Round round) {
  round();  // warm-up: files exist, caches are filled
  const auto start = Clock::now();
  for (int i = 0; i < rounds; ++i) round();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / rounds;
}

}  // namespace

// Gives every profile a new name, so that every profile file must be written.
void ChangeEveryProfile(SettingsBlock& block, int round) {
  for (auto& profile : block.Profiles) {
    SetFixedText(profile.ProFileName, u"Benchmark profile " + std::u16string(1, u'A' + round % 26));
  }
}

struct Figures {
  double ours;
  double windows;
};

void Report(const char* scenario, const Figures& f) {
  std::printf("  %-34s our codec %8.2f ms, Windows %8.2f ms: %5.1f x faster\n", scenario, f.ours,
              f.windows, f.windows / f.ours);
}

int main() {
  const auto base = std::filesystem::temp_directory_path() / "ini-codec-benchmark";
  std::filesystem::remove_all(base);
  std::filesystem::create_directories(base / "ours" / "config");
  std::filesystem::create_directories(base / "windows" / "config");

  const SettingsBlock source = FullBlock();
  win32::WindowsCodePage ansi;
  NoPointerStore pointers;
  const ConfigurationFiles files{base / "ours", ansi, pointers};

  // An apply that changed nothing on disk (the usual case for most files).
  const Figures unchanged{MillisecondsPerRound(20,
                                               [&] {
                                                 SettingsBlock block = source;
                                                 SaveConfiguration(block, files);
                                                 LoadConfiguration(block, files);
                                               }),
                          MillisecondsPerRound(3, [&] {
                            SettingsBlock block = source;
                            SaveWithWindows(block, base / "windows");
                            LoadWithWindows(block, base / "windows");
                          })};
  // Every profile changed, so every file is rewritten.
  int oursRound = 0;
  int windowsRound = 0;
  const Figures changed{MillisecondsPerRound(20,
                                             [&] {
                                               SettingsBlock block = source;
                                               ChangeEveryProfile(block, ++oursRound);
                                               SaveConfiguration(block, files);
                                               LoadConfiguration(block, files);
                                             }),
                        MillisecondsPerRound(3, [&] {
                          SettingsBlock block = source;
                          ChangeEveryProfile(block, ++windowsRound);
                          SaveWithWindows(block, base / "windows");
                          LoadWithWindows(block, base / "windows");
                        })};

  SettingsBlock expected = source;
  ChangeEveryProfile(expected, oursRound);
  SettingsBlock check;
  InitBlock(check);
  LoadConfiguration(check, files);
  const bool sameResult =
      std::memcmp(check.Profiles, expected.Profiles, sizeof check.Profiles) == 0;

  std::printf("save + load of config.ini and five full profiles (%zu keys each)\n",
              ProfileKeys().size());
  Report("nothing changed:", unchanged);
  Report("every profile changed:", changed);
  std::printf("  our round trip reproduces the block: %s\n", sameResult ? "yes" : "NO");
  std::filesystem::remove_all(base);
  return sameResult ? 0 : 1;
}
