#include "settings/atomic_file.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <random>
#include <system_error>

namespace mouse {

namespace {

std::filesystem::path TemporaryNameFor(const std::filesystem::path& path) {
  static std::atomic<unsigned> counter{0};
  const auto tick =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::random_device entropy;
  const unsigned long long tag =
      tick ^ (static_cast<unsigned long long>(entropy()) << 20) ^ counter.fetch_add(1);
  std::filesystem::path temporary = path;
  temporary += ".~" + std::to_string(tag) + ".tmp";
  return temporary;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  const std::filesystem::path temporary = TemporaryNameFor(path);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  return true;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) {
    return std::nullopt;
  }
  const std::streamoff size = in.tellg();
  if (size < 0) {
    return std::nullopt;
  }
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.seekg(0);
  if (!in.read(bytes.data(), size)) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace mouse
