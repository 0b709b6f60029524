#include "support/vmouse/firmware/flash_file.h"

#include <cstring>
#include <system_error>

#include "settings/atomic_file.h"

namespace mouse::vmouse {

namespace {

constexpr std::string_view kMagic{"VMFLASH\x01", 8};
constexpr std::size_t kPayloadSize =
    2 + sizeof(FirmwareProfile) * kProfiles + kDataBlockSize;  // active, host, profiles, table

static_assert(sizeof(FirmwareProfile) == 34 + 3 * kButtons + 4 + 126 * kButtons,
              "the profile is plain bytes without padding");

// FNV-1a, 32 bits.
std::uint32_t CheckValue(std::string_view bytes) {
  std::uint32_t hash = 2166136261u;
  for (char c : bytes) {
    hash ^= static_cast<std::uint8_t>(c);
    hash *= 16777619u;
  }
  return hash;
}

void AppendU32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    out += static_cast<char>((value >> (8 * i)) & 0xFF);
  }
}

std::uint32_t ReadU32(std::string_view bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[offset + i])) << (8 * i);
  }
  return value;
}

}  // namespace

std::string SerializeMemory(const FirmwareMemory& memory) {
  std::string payload;
  payload.reserve(kPayloadSize);
  payload += static_cast<char>(memory.ActiveProfile);
  payload += static_cast<char>(memory.HostPresent);
  payload.append(reinterpret_cast<const char*>(memory.Profiles.data()),
                 sizeof(FirmwareProfile) * kProfiles);
  payload.append(reinterpret_cast<const char*>(memory.TuningTable.data()), kDataBlockSize);

  std::string file(kMagic);
  AppendU32(file, static_cast<std::uint32_t>(payload.size()));
  file += payload;
  AppendU32(file, CheckValue(payload));
  return file;
}

std::optional<FirmwareMemory> ParseMemory(std::string_view bytes) {
  const std::size_t header = kMagic.size() + 4;
  if (bytes.size() != header + kPayloadSize + 4 || !bytes.starts_with(kMagic) ||
      ReadU32(bytes, kMagic.size()) != kPayloadSize) {
    return std::nullopt;
  }
  const std::string_view payload = bytes.substr(header, kPayloadSize);
  if (ReadU32(bytes, header + kPayloadSize) != CheckValue(payload)) {
    return std::nullopt;
  }
  FirmwareMemory memory{};
  memory.ActiveProfile = static_cast<std::uint8_t>(payload[0]);
  memory.HostPresent = static_cast<std::uint8_t>(payload[1]);
  if (memory.ActiveProfile >= kProfiles || memory.HostPresent > 1) {
    return std::nullopt;
  }
  std::memcpy(memory.Profiles.data(), payload.data() + 2, sizeof(FirmwareProfile) * kProfiles);
  std::memcpy(memory.TuningTable.data(), payload.data() + 2 + sizeof(FirmwareProfile) * kProfiles,
              kDataBlockSize);
  return memory;
}

FlashLoad LoadFlash(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    return {FactoryMemory(), FlashState::kMissing};
  }
  if (const std::optional<std::string> bytes = ReadFileBytes(path)) {
    if (std::optional<FirmwareMemory> memory = ParseMemory(*bytes)) {
      return {*memory, FlashState::kLoaded};
    }
  }
  std::filesystem::path aside = path;
  aside += ".bad";
  std::filesystem::copy_file(path, aside, std::filesystem::copy_options::overwrite_existing, error);
  return {FactoryMemory(), FlashState::kCorrupt};
}

bool SaveFlash(const std::filesystem::path& path, const FirmwareMemory& memory) {
  return WriteFileAtomically(path, SerializeMemory(memory));
}

}  // namespace mouse::vmouse
