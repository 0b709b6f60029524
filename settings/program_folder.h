#pragma once

#include <string>
#include <string_view>

namespace mouse {

// The folder part of a program's full file name (drive and directory),
// ending in its separator; empty when the name holds no folder.
std::u16string FolderOfModulePath(std::u16string_view modulePath);

}  // namespace mouse
