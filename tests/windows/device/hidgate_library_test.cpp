#include "device/win32/hidgate_library.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "device/device_link.h"
#include "hidgate_recorder.h"
#include "manual_clock.h"
#include "settings/win32/program_folder_win.h"

namespace mouse::win32 {
namespace {

template <typename Function>
Function Export(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The recorder's own view of a loaded library: its record and its answers.
class Recorder {
 public:
  explicit Recorder(HMODULE module)
      : readLog_(Export<Recorder_ReadLogFn>(module, RECORDER_READ_LOG_NAME)),
        reset_(Export<Recorder_ResetFn>(module, RECORDER_RESET_NAME)),
        setResults_(Export<Recorder_SetResultsFn>(module, RECORDER_SET_RESULTS_NAME)),
        setAnswer_(Export<Recorder_SetAnswerFn>(module, RECORDER_SET_ANSWER_NAME)),
        setScribble_(Export<Recorder_SetScribbleFn>(module, RECORDER_SET_SCRIBBLE_NAME)) {
    if (reset_ != nullptr) {
      reset_();
    }
  }
  bool Found() const { return readLog_ && reset_ && setResults_ && setAnswer_ && setScribble_; }
  std::string Log() const {
    std::vector<char> text(static_cast<std::size_t>(readLog_(nullptr, 0)) + 1);
    readLog_(text.data(), static_cast<int>(text.size()));
    return text.data();
  }
  void SetResults(int result) { setResults_(result); }
  void SetAnswer(std::vector<unsigned char> bytes) {
    setAnswer_(bytes.data(), static_cast<int>(bytes.size()));
  }
  void SetScribble(bool on) { setScribble_(on ? 1 : 0); }

 private:
  Recorder_ReadLogFn readLog_;
  Recorder_ResetFn reset_;
  Recorder_SetResultsFn setResults_;
  Recorder_SetAnswerFn setAnswer_;
  Recorder_SetScribbleFn setScribble_;
};

HMODULE LoadedLibrary() { return GetModuleHandleW(L"hidgate.dll"); }

TEST(HidgateLibrary, LoadsFromTheProgramFolderAndForwardsEveryOperation) {
  ASSERT_EQ(LoadedLibrary(), nullptr);
  {
    HidgateLibrary hid;
    ASSERT_TRUE(hid.Available());
    ASSERT_NE(LoadedLibrary(), nullptr);
    Recorder recorder(LoadedLibrary());
    ASSERT_TRUE(recorder.Found());

    // A 64-bit window handle arrives whole.
    hid.OpenDevMonitor(static_cast<WindowHandle>(0x7FFE12345678ull), 1325, 1326);
    EXPECT_TRUE(hid.OpenFeatureDevice());
    const std::uint8_t select[] = {0x05, 0x03, 0x02};
    EXPECT_TRUE(hid.SetFeature(select, sizeof select));
    recorder.SetAnswer({0x04, 0x01, 0x00});
    std::uint8_t status[3] = {0x04, 0, 0};
    EXPECT_TRUE(hid.GetFeature(status, sizeof status));
    EXPECT_EQ(status[1], 0x01);
    hid.CloseFeatureDevice();
    hid.CloseDevMonitor();

    EXPECT_EQ(recorder.Log(),
              "Open_DevMonitor 7ffe12345678 1325 1326\n"
              "Open_FeatureDevice\n"
              "SetFeature 05 03 02\n"
              "GetFeature 04 length 3\n"
              "Close_FeatureDevice\n"
              "Close_DevMonitor\n");
  }
  // Releasing the binding unloads the library.
  EXPECT_EQ(LoadedLibrary(), nullptr);
}

TEST(HidgateLibrary, ZeroResultsOfTheLibraryAreFailures) {
  HidgateLibrary hid;
  ASSERT_TRUE(hid.Available());
  Recorder recorder(LoadedLibrary());
  recorder.SetResults(0);
  std::uint8_t report[3] = {0x04, 0, 0};
  EXPECT_FALSE(hid.OpenFeatureDevice());
  EXPECT_FALSE(hid.SetFeature(report, sizeof report));
  EXPECT_FALSE(hid.GetFeature(report, sizeof report));
  // Nothing that cannot be a report reaches the library.
  recorder.SetResults(1);
  EXPECT_FALSE(hid.SetFeature(nullptr, 3));
  EXPECT_FALSE(hid.GetFeature(report, 0));
  EXPECT_EQ(recorder.Log(), "Open_FeatureDevice\nSetFeature 04 00 00\nGetFeature 04 length 3\n");
}

TEST(HidgateLibrary, TheLibraryNeverChangesTheCallersReport) {
  HidgateLibrary hid;
  Recorder recorder(LoadedLibrary());
  recorder.SetScribble(true);
  const std::uint8_t report[3] = {0x0E, 0x03, 0x01};
  EXPECT_TRUE(hid.SetFeature(report, sizeof report));
  EXPECT_EQ(report[0], 0x0E);
  EXPECT_EQ(report[2], 0x01);
}

TEST(HidgateLibrary, DeviceExchangesRunOverTheBinding) {
  HidgateLibrary hid;
  Recorder recorder(LoadedLibrary());
  recorder.SetAnswer({0x04, 0x01, 0x00});
  testing::ManualClock clock;
  std::atomic<int> abortFlag{0};
  CodePage1252 codePage;
  DeviceLink link(hid, clock, abortFlag, codePage);
  EXPECT_TRUE(link.SendHostPresence(true));
  EXPECT_EQ(recorder.Log(), "SetFeature 0E 03 01\nGetFeature 04 length 3\n");
  EXPECT_EQ(clock.Sleeps(), std::vector<int>{100});
}

void ExpectAbsentAndHarmless(HidgateLibrary& hid) {
  EXPECT_FALSE(hid.Available());
  hid.OpenDevMonitor(0x1234, 1325, 1326);
  EXPECT_FALSE(hid.OpenFeatureDevice());
  std::uint8_t report[3] = {0x04, 0x01, 0x00};
  EXPECT_FALSE(hid.SetFeature(report, sizeof report));
  EXPECT_FALSE(hid.GetFeature(report, sizeof report));
  EXPECT_EQ(report[1], 0x01);
  hid.CloseFeatureDevice();
  hid.CloseDevMonitor();
}

TEST(HidgateLibrary, AMissingLibraryMeansNoMouse) {
  HidgateLibrary hid(ProgramFolder() / "no-such-library.dll");
  ExpectAbsentAndHarmless(hid);

  // A device exchange fails at once and waits for nothing.
  testing::ManualClock clock;
  std::atomic<int> abortFlag{0};
  CodePage1252 codePage;
  DeviceLink link(hid, clock, abortFlag, codePage);
  EXPECT_FALSE(link.SendHostPresence(true));
  EXPECT_TRUE(clock.Sleeps().empty());
}

TEST(HidgateLibrary, ALibraryWithoutAllEntryPointsIsNeverCalled) {
  const auto path = ProgramFolder() / "hidgate_partial.dll";
  // Held here so its record can be read after the binding let go of it.
  HMODULE partial = LoadLibraryW(path.c_str());
  ASSERT_NE(partial, nullptr);
  ASSERT_EQ(GetProcAddress(partial, HIDGATE_GET_FEATURE_NAME), nullptr);
  Recorder recorder(partial);
  ASSERT_TRUE(recorder.Found());
  {
    HidgateLibrary hid(path);
    ExpectAbsentAndHarmless(hid);
  }
  EXPECT_EQ(recorder.Log(), "");
  FreeLibrary(partial);
}

}  // namespace
}  // namespace mouse::win32
