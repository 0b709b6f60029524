// What DeviceWorker's tasks hand to the rest of Windows: the files, the
// shared block and the messages to Option and the display. Runs on the
// worker's thread.
#pragma once

#include <atomic>

#include "device/device_tasks.h"
#include "settings/configuration.h"
#include "settings/win32/shared_block.h"

namespace mouse::win32 {

class HelperTaskHost final : public DeviceTaskHost {
 public:
  // `shared` may be null (no mapping); `displayShowsProfile` follows the
  // display settings, which the window thread re-reads.
  HelperTaskHost(const ConfigurationFiles& files, SharedBlock* shared,
                 const std::atomic<bool>& displayShowsProfile)
      : files_(files), shared_(shared), displayShowsProfile_(displayShowsProfile) {}

  void SaveConfiguration(const SettingsBlock& block) override;
  void PublishBlock(const SettingsBlock& block) override;
  void WriteFirmwareVersion(int version) override;
  bool PostToOption(unsigned message) override;
  void ShowProfileOnDisplay(int profile) override;

 private:
  const ConfigurationFiles& files_;
  SharedBlock* shared_;
  const std::atomic<bool>& displayShowsProfile_;
};

// Posts 1324 to the display window when it exists: show profile `profile`.
void PostProfileToDisplay(int profile);

}  // namespace mouse::win32
