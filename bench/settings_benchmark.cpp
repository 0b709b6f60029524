// The configuration codec on its own: parse, serialise, load and save.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "settings/configuration.h"
#include "settings/fixed_text.h"
#include "settings/ini_file.h"
#include "settings/profile_file.h"

namespace {

using namespace mouse;

class NoPointerStore final : public PointerStore {
 public:
  std::unique_ptr<PointerKey> Open(PointerKeyId) override { return nullptr; }
};

SettingsBlock FullBlock() {
  SettingsBlock block;
  InitBlock(block);
  ResetAllDefaults(block);
  for (auto& profile : block.Profiles) {
    SetFixedText(profile.ProFileName, u"Benchmark profile");
    for (auto& record : profile.MacroKeyInfo) {
      record.FunctionCode = 16;
      record.EventCount = kMaxMacroEvents;
    }
  }
  return block;
}

void WriteProfileToDocument(benchmark::State& state) {
  const SettingsBlock block = FullBlock();
  for (auto _ : state) {
    IniDocument doc;
    WriteProfile(block.Profiles[0], doc);
    benchmark::DoNotOptimize(doc.Serialize());
  }
}
BENCHMARK(WriteProfileToDocument);

void ReadProfileFromText(benchmark::State& state) {
  const SettingsBlock block = FullBlock();
  IniDocument doc;
  WriteProfile(block.Profiles[0], doc);
  const std::u16string text = doc.Serialize();
  ProfileRecord profile;
  for (auto _ : state) {
    ReadProfile(profile, IniDocument::Parse(text));
    benchmark::DoNotOptimize(profile);
  }
}
BENCHMARK(ReadProfileFromText);

void SaveAndLoadConfiguration(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "settings-benchmark";
  std::filesystem::create_directories(folder / "config");
  const CodePage1252 ansi;
  NoPointerStore pointers;
  const ConfigurationFiles files{folder, ansi, pointers};
  SettingsBlock block = FullBlock();
  for (auto _ : state) {
    SaveConfiguration(block, files);
    LoadConfiguration(block, files);
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(SaveAndLoadConfiguration)->Unit(benchmark::kMillisecond);

}  // namespace
