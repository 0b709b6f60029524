// The mouse's tuning table: 3070 bytes that Helper carries and sends
// unchanged, in three chunks, after the user restored all defaults. The
// system never interprets it; the virtual mouse accepts exactly this table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace mouse {

inline constexpr std::size_t kDataBlockSize = 3070;
inline constexpr std::size_t kDataBlockChunkSize = 1024;
inline constexpr int kDataBlockChunks = 3;

// The table: a four-byte header ("TUN", version 1) followed by 1533
// little-endian 16-bit points of the sensor's response curve.
const std::array<std::uint8_t, kDataBlockSize>& DataBlock();

}  // namespace mouse
