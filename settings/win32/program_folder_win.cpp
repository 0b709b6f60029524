#include "settings/win32/program_folder_win.h"

#include <windows.h>

#include <string>

#include "settings/program_folder.h"
#include "settings/win32/wide.h"

namespace mouse::win32 {

std::filesystem::path ProgramFolder() { return ModuleFolder(nullptr); }

std::filesystem::path ModuleFolder(void* module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(static_cast<HMODULE>(module), path.data(),
                                            static_cast<DWORD>(path.size()));
    if (length == 0) {
      return {};
    }
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return std::filesystem::path(std::wstring(Wide(FolderOfModulePath(Utf16(path)))));
}

}  // namespace mouse::win32
