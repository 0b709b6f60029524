// DataBlockReport (id 0x2A, 1034 bytes): one of the three chunks of the
// tuning table. 1 = chunk number 1..3, 2..7 = 0, 8..1031 = the chunk (the
// third is 1022 bytes long, the rest stays 0), 1032..1033 = the 16-bit sum
// of bytes 0..1031, low byte first.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "device/data_block.h"
#include "device/reports.h"

namespace mouse {

inline constexpr std::size_t kDataBlockChunkOffset = 8;
inline constexpr std::size_t kDataBlockSumOffset = kDataBlockChunkOffset + kDataBlockChunkSize;

// The 16-bit sum of bytes, each taken as unsigned.
std::uint16_t Sum16(std::span<const std::uint8_t> bytes);

// Chunk 1..3 of DataBlock(); chunk numbers outside 1..3 give no report.
std::optional<Report<kDataBlockReportLength>> BuildDataBlockReport(int chunk);

// The mouse's side: a report whose id, chunk number and sum are right. Gives
// the chunk number, or nothing.
std::optional<int> CheckDataBlockReport(std::span<const std::uint8_t> bytes);

}  // namespace mouse
