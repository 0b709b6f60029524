#include "support/vmouse/firmware/flash_file.h"

#include <gtest/gtest.h>

#include "support/vmouse/firmware/memory_dump.h"
#include "temp_folder.h"

namespace mouse::vmouse {
namespace {

using mouse::testing::ReadBytes;
using mouse::testing::TempFolder;
using mouse::testing::WriteBytes;

FirmwareMemory Changed() {
  FirmwareMemory memory = FactoryMemory();
  memory.ActiveProfile = 3;
  memory.HostPresent = 1;
  memory.Profiles[4].Settings.SensitivityY = 17;
  memory.Profiles[2].Buttons[6] = {16, 0, 0};
  memory.Profiles[2].Macros[6].EntryCount = 2;
  memory.Profiles[2].Macros[6].Name[0] = 'M';
  memory.Profiles[1].Otg.Speed = 200;
  memory.TuningTable[3069] = 0xEE;
  return memory;
}

TEST(FlashFile, MemoryRoundTripsThroughTheFile) {
  TempFolder folder;
  const auto path = folder / "VirtualMouse.flash";
  ASSERT_TRUE(SaveFlash(path, Changed()));
  const FlashLoad load = LoadFlash(path);
  EXPECT_EQ(load.State, FlashState::kLoaded);
  EXPECT_EQ(load.Memory, Changed());
}

TEST(FlashFile, AMissingFileGivesTheFactoryMemory) {
  TempFolder folder;
  const FlashLoad load = LoadFlash(folder / "none.flash");
  EXPECT_EQ(load.State, FlashState::kMissing);
  EXPECT_EQ(load.Memory, FactoryMemory());
}

TEST(FlashFile, ADamagedFileGivesTheFactoryMemoryAndIsKeptAside) {
  const std::string good = SerializeMemory(Changed());
  auto flipped = [&](std::size_t at) {
    std::string bytes = good;
    bytes[at] = static_cast<char>(bytes[at] ^ 0x10);
    return bytes;
  };
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"truncated", good.substr(0, good.size() - 1)},
      {"one byte more", good + "x"},
      {"magic", flipped(0)},
      {"length field", flipped(9)},
      {"payload", flipped(good.size() / 2)},
      {"check value", flipped(good.size() - 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    const auto path = folder / "VirtualMouse.flash";
    WriteBytes(path, c.bytes);
    const FlashLoad load = LoadFlash(path);
    EXPECT_EQ(load.State, FlashState::kCorrupt);
    EXPECT_EQ(load.Memory, FactoryMemory());
    EXPECT_EQ(ReadBytes(folder / "VirtualMouse.flash.bad"), c.bytes);
  }
  EXPECT_EQ(ParseMemory(good), Changed());
}

TEST(MemoryDump, ListsTheActiveProfileThenEachProfilesReports) {
  const std::vector<std::string> factory = DumpMemory(FactoryMemory());
  ASSERT_EQ(factory.size(), 1u + 5u * 3u);
  EXPECT_EQ(factory[0], "05 03 00");
  EXPECT_EQ(factory[1].substr(0, 14), "06 25 00 0A 0A");
  EXPECT_EQ(factory[2].substr(0, 17), "07 32 00 01 00 00");
  EXPECT_EQ(factory[3], "08 06 0A 03 09 00");
  EXPECT_EQ(factory[4].substr(0, 8), "06 25 01");

  const std::vector<std::string> changed = DumpMemory(Changed());
  ASSERT_EQ(changed.size(), 1u + 5u * 3u + 1u);
  EXPECT_EQ(changed[0], "05 03 03");
  EXPECT_EQ(changed[4].substr(0, 8), "06 25 01");
  EXPECT_EQ(changed[6], "08 06 C8 03 09 00");
  // Profile 2: settings, buttons, OTG, then the macro of button 6.
  EXPECT_EQ(changed[10].substr(0, 29), "09 82 02 06 01 4D 00 00 00 00");
  EXPECT_EQ(changed[10].size(), 130u * 3u - 1u);
  EXPECT_EQ(changed[11].substr(0, 8), "06 25 03");
}

}  // namespace
}  // namespace mouse::vmouse
