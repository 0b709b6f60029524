// Owning wrappers for the handles of the Windows API: each closes what it
// holds when it goes out of scope, moves but never copies, and can hand its
// handle over (release) where the system takes ownership (SetWindowRgn).
#pragma once

#include <windows.h>

#include <utility>

namespace framework {

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }

  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset(other.release());
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }

  // Gives up ownership without closing.
  Handle release() { return std::exchange(handle_, Traits::Invalid()); }

  // Closes the current handle (if any) and takes `handle`.
  void reset(Handle handle = Traits::Invalid()) {
    const Handle old = std::exchange(handle_, handle);
    if (old != Traits::Invalid()) {
      Traits::Close(old);
    }
  }

 private:
  Handle handle_ = Traits::Invalid();
};

namespace traits {

// Mutexes, events, mappings, threads, processes: null means none.
struct Kernel {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { CloseHandle(h); }
};

// Files and pipes: INVALID_HANDLE_VALUE means none.
struct File {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { CloseHandle(h); }
};

struct Module {
  using Handle = HMODULE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { FreeLibrary(h); }
};

struct RegistryKey {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { RegCloseKey(h); }
};

template <typename T>
struct GdiObject {
  using Handle = T;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DeleteObject(h); }
};

struct Menu {
  using Handle = HMENU;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DestroyMenu(h); }
};

struct Icon {
  using Handle = HICON;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DestroyIcon(h); }
};

struct Hook {
  using Handle = HHOOK;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { UnhookWindowsHookEx(h); }
};

struct MappedView {
  using Handle = void*;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { UnmapViewOfFile(h); }
};

struct OwnedWindow {
  using Handle = HWND;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DestroyWindow(h); }
};

}  // namespace traits

using KernelHandle = UniqueHandle<traits::Kernel>;
using FileHandle = UniqueHandle<traits::File>;
using ModuleHandle = UniqueHandle<traits::Module>;
using RegKey = UniqueHandle<traits::RegistryKey>;
using GdiBitmap = UniqueHandle<traits::GdiObject<HBITMAP>>;
using GdiBrush = UniqueHandle<traits::GdiObject<HBRUSH>>;
using GdiFont = UniqueHandle<traits::GdiObject<HFONT>>;
using GdiPen = UniqueHandle<traits::GdiObject<HPEN>>;
using GdiRegion = UniqueHandle<traits::GdiObject<HRGN>>;
using MenuHandle = UniqueHandle<traits::Menu>;
using IconHandle = UniqueHandle<traits::Icon>;
using HookHandle = UniqueHandle<traits::Hook>;
using MappedView = UniqueHandle<traits::MappedView>;
// A plain window (a tooltip, a popup) that is not a framework Window object.
using OwnedWindow = UniqueHandle<traits::OwnedWindow>;

// An exported function of a loaded module as a typed pointer; null when the
// module or the export is missing.
template <typename Function>
Function GetProc(HMODULE module, const char* name) {
  if (module == nullptr) {
    return nullptr;
  }
  // Through a generic function pointer type, which converts to any other.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace framework
