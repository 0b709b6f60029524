#include "settings/program_folder.h"

namespace mouse {

std::u16string FolderOfModulePath(std::u16string_view modulePath) {
  const std::size_t slash = modulePath.find_last_of(u"\\/");
  if (slash == std::u16string_view::npos) {
    return {};
  }
  return std::u16string(modulePath.substr(0, slash + 1));
}

}  // namespace mouse
