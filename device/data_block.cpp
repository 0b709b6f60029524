#include "device/data_block.h"

namespace mouse {

namespace {

constexpr std::array<std::uint8_t, kDataBlockSize> BuildDataBlock() {
  std::array<std::uint8_t, kDataBlockSize> table{};
  table[0] = 'T';
  table[1] = 'U';
  table[2] = 'N';
  table[3] = 1;
  constexpr std::size_t kPoints = (kDataBlockSize - 4) / 2;
  for (std::size_t i = 0; i < kPoints; ++i) {
    // A gently rising curve: linear with a small quadratic term.
    const std::uint32_t point = static_cast<std::uint32_t>(i * 38 + (i * i) / 97) & 0xFFFF;
    table[4 + 2 * i] = static_cast<std::uint8_t>(point & 0xFF);
    table[5 + 2 * i] = static_cast<std::uint8_t>(point >> 8);
  }
  return table;
}

constexpr std::array<std::uint8_t, kDataBlockSize> kDataBlock = BuildDataBlock();

}  // namespace

const std::array<std::uint8_t, kDataBlockSize>& DataBlock() { return kDataBlock; }

}  // namespace mouse
