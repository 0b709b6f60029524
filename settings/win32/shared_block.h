// The settings block shared between Helper and Option: a paging-file
// mapping of exactly one block, guarded by a named mutex. Helper creates
// both; Option opens them.
#pragma once

#include <windows.h>

#include <memory>

#include "settings/shared_block_view.h"

namespace mouse::win32 {

class SharedBlock final : public SharedBlockView {
 public:
  // Helper: creates the block mutex and the mapping, both accessible to the
  // current user only. Nothing when the block mutex already exists (another
  // Helper owns the block). When the mapping cannot be created the object
  // still holds the mutex but has no view, and every copy is skipped.
  static std::unique_ptr<SharedBlock> Create();

  // Option: opens the mutex and the mapping Helper made. Nothing when the
  // mapping does not exist (Helper is not running). `viewFailed` tells
  // whether the mapping existed but could not be mapped.
  static std::unique_ptr<SharedBlock> Open(bool* viewFailed = nullptr);

  ~SharedBlock() override;
  SharedBlock(const SharedBlock&) = delete;
  SharedBlock& operator=(const SharedBlock&) = delete;

  bool HasView() const { return view_ != nullptr; }
  bool CopyOut(SettingsBlock& block) override;
  bool CopyIn(const SettingsBlock& block) override;

 private:
  SharedBlock(HANDLE mutex, HANDLE mapping, void* view);
  bool CopyUnderMutex(void* destination, const void* source);

  HANDLE mutex_;
  HANDLE mapping_;
  void* view_;
};

// Waits for a mutex without time limit. True when the caller now owns it:
// after a normal wait and also when its previous owner ended without
// releasing it (the caller owns it then, and must release it).
bool AcquireMutex(HANDLE mutex);

}  // namespace mouse::win32
