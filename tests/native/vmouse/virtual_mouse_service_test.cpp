#include "support/vmouse/service/virtual_mouse_service.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "device/notices.h"
#include "manual_clock.h"
#include "report_bytes.h"
#include "temp_folder.h"

namespace mouse::vmouse {
namespace {

using mouse::testing::ManualClock;
using mouse::testing::TempFolder;
using mouse::testing::WriteBytes;
using testing::Hex;
using Events = std::vector<MouseEvent>;

constexpr MouseEvent Notice(std::uint16_t type, std::uint16_t value) {
  return {MouseEvent::Kind::kNotice, type, value};
}
constexpr MouseEvent Plug(std::uint16_t value) { return {MouseEvent::Kind::kPlug, 0, value}; }

class ServiceTest : public ::testing::Test {
 protected:
  bool Send(const std::vector<std::uint8_t>& report) {
    return service.SetFeature(report.data(), report.size());
  }
  bool ReadInto(std::vector<std::uint8_t>& report) {
    return service.GetFeature(report.data(), report.size());
  }
  int Listen(Events& into) {
    return service.Subscribe([&into](const MouseEvent& e) { into.push_back(e); });
  }

  TempFolder folder;
  ManualClock clock;
  VirtualMouseService service{clock, FirmwareOptions{}, folder / "VirtualMouse.flash"};
};

TEST_F(ServiceTest, UnpluggedTheMouseTakesNoTransferAndNoPress) {
  Events events;
  Listen(events);
  service.SetPlugged(false);
  EXPECT_FALSE(service.Plugged());
  EXPECT_FALSE(Send(Hex("05 03 02")));
  std::vector<std::uint8_t> select{0x05, 0, 0};
  EXPECT_FALSE(ReadInto(select));
  EXPECT_FALSE(service.Press({ButtonKind::kProfile}));
  EXPECT_EQ(service.Snapshot().Memory.ActiveProfile, 0);

  service.SetPlugged(true);
  EXPECT_TRUE(Send(Hex("05 03 02")));
  EXPECT_TRUE(ReadInto(select));
  EXPECT_EQ(select[2], 2);
  EXPECT_EQ(events, (Events{Plug(0), Plug(1)}));
}

TEST_F(ServiceTest, PlugEventsComeOnlyWithAChange) {
  Events events;
  Listen(events);
  service.SetPlugged(true);
  service.SetPlugged(false);
  service.SetPlugged(false);
  service.SetPlugged(true);
  EXPECT_EQ(events, (Events{Plug(0), Plug(1)}));
}

TEST_F(ServiceTest, PressesReachEverySubscriberUntilItLeaves) {
  Events first;
  Events second;
  Listen(first);
  const int id = Listen(second);
  EXPECT_TRUE(service.Press({ButtonKind::kMedia, 27}));
  service.Unsubscribe(id);
  EXPECT_TRUE(service.Press({ButtonKind::kProfile}));
  const Events media{Notice(kNoticeMedia, 0x0022), Notice(kNoticeMedia, 0x0122)};
  EXPECT_EQ(second, media);
  Events both = media;
  both.push_back(Notice(kNoticeProfile, 2));
  EXPECT_EQ(first, both);
}

TEST_F(ServiceTest, TheFlashFollowsEveryChangeAndSurvivesARestart) {
  ASSERT_TRUE(Send(Hex("05 03 03")));
  ASSERT_TRUE(service.Press({ButtonKind::kPolling}));
  const FlashLoad saved = LoadFlash(folder / "VirtualMouse.flash");
  ASSERT_EQ(saved.State, FlashState::kLoaded);
  EXPECT_EQ(saved.Memory, service.Snapshot().Memory);
  EXPECT_EQ(saved.Memory.ActiveProfile, 3);

  VirtualMouseService restarted(clock, FirmwareOptions{}, folder / "VirtualMouse.flash");
  EXPECT_EQ(restarted.FlashAtStart(), FlashState::kLoaded);
  EXPECT_EQ(restarted.Dump(), service.Dump());

  service.Reset();
  EXPECT_EQ(LoadFlash(folder / "VirtualMouse.flash").Memory, FactoryMemory());
}

TEST_F(ServiceTest, ADamagedFlashStartsFromTheFactoryAndIsRewritten) {
  TempFolder other;
  WriteBytes(other / "VirtualMouse.flash", "not a flash image");
  VirtualMouseService fresh(clock, FirmwareOptions{}, other / "VirtualMouse.flash");
  EXPECT_EQ(fresh.FlashAtStart(), FlashState::kCorrupt);
  EXPECT_EQ(fresh.Snapshot().Memory, FactoryMemory());
  EXPECT_EQ(LoadFlash(other / "VirtualMouse.flash").State, FlashState::kLoaded);
}

TEST_F(ServiceTest, TheChangeListenerHearsCommandsPressesAndThePlug) {
  int changes = 0;
  service.SetChangeListener([&changes] { ++changes; });
  ASSERT_TRUE(Send(Hex("04 00 10")));
  ASSERT_TRUE(service.Press({ButtonKind::kTiltLeft}));
  service.SetPlugged(false);
  EXPECT_EQ(changes, 3);
  const auto commands = service.Snapshot().Commands;
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0].Text, "read settings P1");
  EXPECT_EQ(commands[1].Text, "pressed tilt-left 1000:00FF");
}

// The pipe server calls the service from one thread per connection.
TEST(ServiceThreads, ConcurrentTransfersPressesAndSubscribersStayConsistent) {
  TempFolder folder;
  mouse::SteadyClock clock;
  VirtualMouseService service(clock, FirmwareOptions{BusyTimes::Uniform(0)},
                              folder / "VirtualMouse.flash");
  constexpr int kRounds = 100;
  std::atomic<int> profileNotices{0};
  service.Subscribe([&profileNotices](const MouseEvent& e) {
    if (e.EventKind == MouseEvent::Kind::kNotice && e.Type == kNoticeProfile) {
      ++profileNotices;
    }
  });
  std::atomic<int> failedTransfers{0};
  auto transfers = [&](std::uint8_t profile) {
    for (int i = 0; i < kRounds; ++i) {
      const std::vector<std::uint8_t> select{0x05, 0x03, profile};
      std::vector<std::uint8_t> read{0x05, 0, 0};
      if (!service.SetFeature(select.data(), select.size()) ||
          !service.GetFeature(read.data(), read.size()) || read[2] > 4) {
        ++failedTransfers;
      }
    }
  };
  std::vector<std::thread> threads;
  threads.emplace_back(transfers, 1);
  threads.emplace_back(transfers, 3);
  threads.emplace_back([&] {
    for (int i = 0; i < kRounds; ++i) {
      service.Press({ButtonKind::kProfile});
    }
  });
  threads.emplace_back([&] {
    for (int i = 0; i < kRounds; ++i) {
      const int id = service.Subscribe([](const MouseEvent&) {});
      service.Unsubscribe(id);
      service.Snapshot();
    }
  });
  for (std::thread& thread : threads) {
    thread.join();
  }
  EXPECT_EQ(failedTransfers, 0);
  EXPECT_EQ(profileNotices, kRounds);
  EXPECT_EQ(LoadFlash(folder / "VirtualMouse.flash").Memory, service.Snapshot().Memory)
      << "the flash holds the last state";
}

}  // namespace
}  // namespace mouse::vmouse
