#include "device/data_block_report.h"
#include "device/device_link.h"

namespace mouse {

namespace {

// The mouse stores a chunk in flash before it answers; these pauses are
// plain sleeps, not cut short by the abort flag.
constexpr int kChunkStorePauseMs = 1000;
constexpr int kAfterFirstChunkPauseMs = 500;
constexpr int kChunkPollWaitMs = 200;

}  // namespace

bool DeviceLink::SendDataBlock() {
  if (!Send(*BuildDataBlockReport(1))) {
    return false;
  }
  clock_.SleepMs(kChunkStorePauseMs);
  WaitDeviceReady(kChunkPollWaitMs);
  clock_.SleepMs(kAfterFirstChunkPauseMs);

  const bool secondSent = Send(*BuildDataBlockReport(2));
  clock_.SleepMs(kChunkStorePauseMs);
  if (secondSent) {
    WaitDeviceReady(kChunkPollWaitMs);
  }

  const bool thirdSent = Send(*BuildDataBlockReport(3));
  clock_.SleepMs(kChunkStorePauseMs);
  return thirdSent && WaitDeviceReady(kChunkPollWaitMs);
}

}  // namespace mouse
