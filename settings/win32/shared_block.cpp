#include "settings/win32/shared_block.h"

#include <cstring>

#include "settings/coordination.h"
#include "settings/win32/current_user_security.h"
#include "settings/win32/wide.h"

namespace mouse::win32 {

bool AcquireMutex(HANDLE mutex) {
  const DWORD result = WaitForSingleObject(mutex, INFINITE);
  // An abandoned mutex is owned by the waiter: it must be released like any
  // other, or every later copy in both programs would block for ever. The
  // block may be half-copied then; whoever uses it validates it first.
  return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

SharedBlock::SharedBlock(HANDLE mutex, HANDLE mapping, void* view)
    : mutex_(mutex), mapping_(mapping), view_(view) {}

SharedBlock::~SharedBlock() {
  if (view_ != nullptr) {
    UnmapViewOfFile(view_);
  }
  if (mapping_ != nullptr) {
    CloseHandle(mapping_);
  }
  if (mutex_ != nullptr) {
    CloseHandle(mutex_);
  }
}

std::unique_ptr<SharedBlock> SharedBlock::Create() {
  CurrentUserSecurity security;
  HANDLE mutex = CreateMutexW(security.attributes(), FALSE, WidePtr(kBlockMutex));
  if (mutex == nullptr) {
    return nullptr;
  }
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return nullptr;
  }
  HANDLE mapping =
      CreateFileMappingW(INVALID_HANDLE_VALUE, security.attributes(), PAGE_READWRITE, 0,
                         static_cast<DWORD>(sizeof(SettingsBlock)), WidePtr(kSharedBlockMapping));
  void* view = nullptr;
  if (mapping != nullptr) {
    view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SettingsBlock));
  }
  return std::unique_ptr<SharedBlock>(new SharedBlock(mutex, mapping, view));
}

std::unique_ptr<SharedBlock> SharedBlock::Open(bool* viewFailed) {
  if (viewFailed != nullptr) {
    *viewFailed = false;
  }
  HANDLE mapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, WidePtr(kSharedBlockMapping));
  if (mapping == nullptr) {
    return nullptr;
  }
  HANDLE mutex = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, WidePtr(kBlockMutex));
  void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SettingsBlock));
  if (view == nullptr && viewFailed != nullptr) {
    *viewFailed = true;
  }
  return std::unique_ptr<SharedBlock>(new SharedBlock(mutex, mapping, view));
}

bool SharedBlock::CopyUnderMutex(void* destination, const void* source) {
  if (view_ == nullptr || mutex_ == nullptr || !AcquireMutex(mutex_)) {
    return false;
  }
  std::memcpy(destination, source, sizeof(SettingsBlock));
  ReleaseMutex(mutex_);
  return true;
}

bool SharedBlock::CopyOut(SettingsBlock& block) { return CopyUnderMutex(&block, view_); }

bool SharedBlock::CopyIn(const SettingsBlock& block) { return CopyUnderMutex(view_, &block); }

}  // namespace mouse::win32
