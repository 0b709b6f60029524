#pragma once

#include <filesystem>

namespace mouse::win32 {

// The folder of the running program file, with a trailing backslash.
std::filesystem::path ProgramFolder();

// The folder of a loaded module (an HMODULE; null = the program file), with
// a trailing backslash.
std::filesystem::path ModuleFolder(void* module);

}  // namespace mouse::win32
