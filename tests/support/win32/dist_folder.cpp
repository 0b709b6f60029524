#include "dist_folder.h"

#include <windows.h>

#include <string>

namespace mouse::testing {

std::filesystem::path DistFolder() {
  const std::string folder = MOUSE_DIST_DIR;
  std::wstring path(
      MultiByteToWideChar(CP_UTF8, 0, folder.data(), static_cast<int>(folder.size()), nullptr, 0),
      L'\0');
  MultiByteToWideChar(CP_UTF8, 0, folder.data(), static_cast<int>(folder.size()), path.data(),
                      static_cast<int>(path.size()));
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  if (!path.empty() && path[0] == L'\\') {
    path.insert(0, L"Z:");
  }
  return path;
}

}  // namespace mouse::testing
