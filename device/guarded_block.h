// Helper's settings block, shared by the window thread and DeviceWorker.
// Every access goes through the lock; the worker runs each exchange with
// the mouse on its own copy and then writes back only the bytes that
// exchange changed, so the lock is never held while the mouse is addressed
// and what the window thread stored meanwhile survives.
#pragma once

#include <memory>
#include <mutex>

#include "settings/settings_block.h"

namespace mouse {

class GuardedBlock {
 public:
  GuardedBlock();

  // A copy of the whole block.
  std::unique_ptr<SettingsBlock> Snapshot() const;

  // Runs `change` on the block under the lock and returns its result.
  template <typename Change>
  auto Modify(Change change) {
    std::lock_guard lock(mutex_);
    return change(*block_);
  }

  // Writes into the block every byte in which `after` differs from
  // `before` (a snapshot the caller changed).
  void CommitChanges(const SettingsBlock& before, const SettingsBlock& after);

 private:
  mutable std::mutex mutex_;
  std::unique_ptr<SettingsBlock> block_;
};

}  // namespace mouse
