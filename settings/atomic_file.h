// Writing a whole file safely: the bytes go to a temporary file in the same
// folder, which then replaces the old file. A crash or a full disk never
// leaves a half-written file; on failure the old file stays as it was.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mouse {

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The whole content of a file; nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

}  // namespace mouse
