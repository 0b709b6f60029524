// The mouse's flash: its memory kept in a file, so the virtual mouse keeps
// its profiles from one run to the next. The file is binary: the magic
// "VMFLASH" and a format version, the memory's length and bytes, and a
// 32-bit check value over them. Every save writes a temporary file that
// replaces the old one.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "support/vmouse/firmware/firmware_memory.h"

namespace mouse::vmouse {

std::string SerializeMemory(const FirmwareMemory& memory);
// Nothing when the bytes are not a whole, intact flash image.
std::optional<FirmwareMemory> ParseMemory(std::string_view bytes);

enum class FlashState { kLoaded, kMissing, kCorrupt };

struct FlashLoad {
  FirmwareMemory Memory;
  FlashState State;
};

// The memory in the file; factory memory when there is no file or it is
// damaged. A damaged file is kept beside it (".bad") before anything
// overwrites it.
FlashLoad LoadFlash(const std::filesystem::path& path);
bool SaveFlash(const std::filesystem::path& path, const FirmwareMemory& memory);

}  // namespace mouse::vmouse
