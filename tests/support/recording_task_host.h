// A DeviceTaskHost that records what the tasks hand to Helper.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "device/device_tasks.h"

namespace mouse::testing {

class RecordingTaskHost final : public DeviceTaskHost {
 public:
  void SaveConfiguration(const SettingsBlock& block) override {
    std::lock_guard lock(mutex_);
    saved.push_back(block.CurrentProfile);
  }
  void PublishBlock(const SettingsBlock& block) override {
    std::lock_guard lock(mutex_);
    published.push_back(block.CurrentProfile);
  }
  void WriteFirmwareVersion(int version) override {
    std::lock_guard lock(mutex_);
    firmwareVersions.push_back(version);
  }
  bool PostToOption(unsigned message) override {
    std::lock_guard lock(mutex_);
    toOption.push_back(message);
    return optionOpen;
  }
  void ShowProfileOnDisplay(int profile) override {
    std::lock_guard lock(mutex_);
    displayed.push_back(profile);
  }

  std::vector<unsigned> ToOption() const {
    std::lock_guard lock(mutex_);
    return toOption;
  }

  bool optionOpen = true;
  std::vector<int> saved;
  std::vector<int> published;
  std::vector<int> firmwareVersions;
  std::vector<unsigned> toOption;
  std::vector<int> displayed;

 private:
  mutable std::mutex mutex_;
};

}  // namespace mouse::testing
