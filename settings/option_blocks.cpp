#include "settings/option_blocks.h"

#include "settings/block_validation.h"

namespace mouse {

OptionBlocks::OptionBlocks(SharedBlockView* view)
    : view_(view),
      lastApplied_(std::make_unique<SettingsBlock>()),
      working_(std::make_unique<SettingsBlock>()) {
  InitBlock(*lastApplied_);
  InitBlock(*working_);
}

bool OptionBlocks::TakeSharedBlock() {
  if (view_ == nullptr) {
    return false;
  }
  auto taken = std::make_unique<SettingsBlock>();
  if (!view_->CopyOut(*taken) || !IsValidSharedBlock(*taken)) {
    return false;
  }
  *lastApplied_ = *taken;
  return true;
}

bool OptionBlocks::Attach(const std::function<void(SettingsBlock&)>& loadConfiguration) {
  InitBlock(*lastApplied_);
  attached_ = TakeSharedBlock();
  if (attached_) {
    ClearDirty(*lastApplied_);
  } else {
    loadConfiguration(*lastApplied_);
  }
  *working_ = *lastApplied_;
  return attached_;
}

bool OptionBlocks::Apply(bool restoredDefaults, const ApplySteps& steps) {
  if (!restoredDefaults) {
    ComputeDirty(*lastApplied_, *working_);
  }
  bool helperFound = false;
  if (view_ != nullptr) {
    view_->CopyIn(*working_);
    helperFound = steps.postApplyToHelper && steps.postApplyToHelper(restoredDefaults ? 1 : 0);
  }
  if (steps.saveConfiguration) {
    steps.saveConfiguration(*working_);
  }
  ClearDirty(*working_);
  *lastApplied_ = *working_;
  if (steps.saveMacroLibrary) {
    steps.saveMacroLibrary();
  }
  return helperFound;
}

bool OptionBlocks::TakeReadBack() {
  if (!TakeSharedBlock()) {
    return false;
  }
  ClearDirty(*lastApplied_);
  *working_ = *lastApplied_;
  return true;
}

bool OptionBlocks::TakeProfileChange() {
  if (!TakeSharedBlock()) {
    return false;
  }
  *working_ = *lastApplied_;
  ClearDirty(*lastApplied_);
  return true;
}

bool OptionBlocks::MergeDeviceChanges() {
  if (!TakeSharedBlock()) {
    return false;
  }
  const int p = lastApplied_->CurrentProfile;
  const ProfileRecord& mouse = lastApplied_->Profiles[p];
  ProfileRecord& edited = working_->Profiles[p];
  edited.CpiStep = mouse.CpiStep;
  edited.Sensitivity_X = mouse.Sensitivity_X;
  edited.Sensitivity_Y = mouse.Sensitivity_Y;
  edited.PollingRate = mouse.PollingRate;
  return true;
}

}  // namespace mouse
