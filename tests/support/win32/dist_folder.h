#pragma once

#include <filesystem>

namespace mouse::testing {

// The program folder the build assembled (build/win64/dist), as a Windows
// path: under Wine the build's Unix path lies on drive Z:.
std::filesystem::path DistFolder();

}  // namespace mouse::testing
