// The three tasks DeviceWorker performs with the mouse: send what Option
// changed, read everything back, send the current profile.
#pragma once

#include <memory>

#include "device/debug_log.h"
#include "device/device_link.h"
#include "device/guarded_block.h"

namespace mouse {

// What the tasks need from Helper besides the mouse.
class DeviceTaskHost {
 public:
  virtual ~DeviceTaskHost() = default;
  virtual void SaveConfiguration(const SettingsBlock& block) = 0;
  // Copies the block into the shared block (under the block mutex).
  virtual void PublishBlock(const SettingsBlock& block) = 0;
  // config.ini [Setting] "FWVersion".
  virtual void WriteFirmwareVersion(int version) = 0;
  // Posts to Option's window; false when that window does not exist.
  virtual bool PostToOption(unsigned message) = 0;
  // Tells the display about the current profile, when the display exists
  // and its settings ask for profile changes.
  virtual void ShowProfileOnDisplay(int profile) = 0;
};

// The id of the task message and its tasks (wParam).
enum DeviceTask : int {
  kTaskApplyChanges = 1,  // lParam 1 = also send the tuning table
  kTaskReadAll = 2,
  kTaskSendCurrentProfile = 3,
};

class DeviceTasks {
 public:
  DeviceTasks(DeviceLink& link, GuardedBlock& block, DeviceTaskHost& host, DebugLog* log);

  // Runs task `task` (a DeviceTask) with its parameter.
  void Run(int task, int parameter);

  // Sends what the change flags mark; the result of the last macro sent
  // to profile 4 (true when none). False at once when the abort flag rises
  // during a wait.
  bool ApplyChangedSettings();
  // Reads all five profiles back; on success saves, publishes and tells
  // Option. The result of the macro phase.
  bool ReadAllFromDevice();
  void SendCurrentProfile();

 private:
  void ApplyTask(int parameter);
  void ReadAllTask();
  bool ReadProfileMacros(int profile);

  // Runs one exchange on a copy of the block and writes back what it changed.
  template <typename Exchange>
  bool OnBlock(Exchange exchange);
  int CurrentProfile() const;
  void Log(std::string_view text);

  DeviceLink& link_;
  GuardedBlock& block_;
  DeviceTaskHost& host_;
  DebugLog* log_;
};

// Pacing between the exchanges of the tasks, in ms.
inline constexpr int kProfileStepPauseMs = 500;
inline constexpr int kOtgPauseMs = 100;
inline constexpr int kMacroPauseMs = 200;
inline constexpr int kMacroRetryPauseMs = 500;
inline constexpr int kMacroReadAttempts = 3;

}  // namespace mouse
