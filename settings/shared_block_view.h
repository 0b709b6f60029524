// The settings block both programs share, as one program sees it: every
// copy between the shared block and a private copy happens under the block
// mutex, and a copy whose wait does not succeed is skipped.
#pragma once

#include "settings/settings_block.h"

namespace mouse {

class SharedBlockView {
 public:
  virtual ~SharedBlockView() = default;
  // Shared block -> `block`. False (and `block` unchanged) when the copy was
  // skipped.
  virtual bool CopyOut(SettingsBlock& block) = 0;
  // `block` -> shared block. False when the copy was skipped.
  virtual bool CopyIn(const SettingsBlock& block) = 0;
};

}  // namespace mouse
