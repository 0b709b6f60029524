// Option's two copies of the settings block and how they follow Helper:
// the last-applied copy (the reference for change detection) and the
// working copy the pages edit.
#pragma once

#include <functional>
#include <memory>

#include "settings/settings_block.h"
#include "settings/shared_block_view.h"

namespace mouse {

class OptionBlocks {
 public:
  // `view` is Helper's shared block, or null when Helper was not running
  // when Option started (Option then never attaches later).
  explicit OptionBlocks(SharedBlockView* view);

  // Takes Helper's published block; loads the configuration files instead
  // when there is no Helper, the copy is skipped or the block is not valid.
  // Returns true when attached to Helper's block.
  bool Attach(const std::function<void(SettingsBlock&)>& loadConfiguration);

  // What an apply does besides copying: post 1224 to Helper (false when its
  // window was not found), save the files, save the macro library.
  struct ApplySteps {
    std::function<bool(int wParam)> postApplyToHelper;
    std::function<void(const SettingsBlock&)> saveConfiguration;
    std::function<void()> saveMacroLibrary;
  };
  // Applies the working copy: change detection (unless `restoredDefaults`,
  // after which every flag is already set), copy into the shared block,
  // request to Helper, save. Returns true when Option must wait for 1256.
  bool Apply(bool restoredDefaults, const ApplySteps& steps);

  // Helper read everything back (1254): take its block, dropping unsaved
  // edits. False when nothing was taken.
  bool TakeReadBack();
  // Helper changed the current profile (1255): take its block, dropping
  // unsaved edits.
  bool TakeProfileChange();
  // The mouse changed the CPI level, sensitivity or polling rate (1257):
  // merge those four fields of the current profile, keep every other edit.
  bool MergeDeviceChanges();

  SettingsBlock& working() { return *working_; }
  const SettingsBlock& working() const { return *working_; }
  const SettingsBlock& lastApplied() const { return *lastApplied_; }
  bool attached() const { return attached_; }

 private:
  // Copies the shared block into the last-applied copy when it is valid.
  bool TakeSharedBlock();

  SharedBlockView* view_;
  bool attached_ = false;
  std::unique_ptr<SettingsBlock> lastApplied_;
  std::unique_ptr<SettingsBlock> working_;
};

}  // namespace mouse
