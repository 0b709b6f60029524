#include "device/guarded_block.h"

#include <cstring>

namespace mouse {

GuardedBlock::GuardedBlock() : block_(std::make_unique<SettingsBlock>()) { InitBlock(*block_); }

std::unique_ptr<SettingsBlock> GuardedBlock::Snapshot() const {
  std::lock_guard lock(mutex_);
  return std::make_unique<SettingsBlock>(*block_);
}

void GuardedBlock::CommitChanges(const SettingsBlock& before, const SettingsBlock& after) {
  const auto* from = reinterpret_cast<const unsigned char*>(&before);
  const auto* to = reinterpret_cast<const unsigned char*>(&after);
  std::lock_guard lock(mutex_);
  auto* target = reinterpret_cast<unsigned char*>(block_.get());
  for (std::size_t i = 0; i < sizeof(SettingsBlock); ++i) {
    if (from[i] != to[i]) {
      target[i] = to[i];
    }
  }
}

}  // namespace mouse
