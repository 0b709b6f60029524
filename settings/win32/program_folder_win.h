#pragma once

#include <filesystem>

namespace mouse::win32 {

// The folder of the running program file, with a trailing backslash.
std::filesystem::path ProgramFolder();

}  // namespace mouse::win32
