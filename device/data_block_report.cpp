#include "device/data_block_report.h"

#include <algorithm>

namespace mouse {

std::uint16_t Sum16(std::span<const std::uint8_t> bytes) {
  std::uint16_t sum = 0;
  for (std::uint8_t b : bytes) {
    sum = static_cast<std::uint16_t>(sum + b);
  }
  return sum;
}

std::optional<Report<kDataBlockReportLength>> BuildDataBlockReport(int chunk) {
  if (chunk < 1 || chunk > kDataBlockChunks) {
    return std::nullopt;
  }
  Report<kDataBlockReportLength> r = EmptyReport<kDataBlockReportLength>(kDataBlockReportId);
  r[1] = static_cast<std::uint8_t>(chunk);
  const std::size_t first = static_cast<std::size_t>(chunk - 1) * kDataBlockChunkSize;
  const std::size_t length = std::min(kDataBlockChunkSize, kDataBlockSize - first);
  const auto& table = DataBlock();
  std::copy_n(table.begin() + static_cast<std::ptrdiff_t>(first), length,
              r.begin() + kDataBlockChunkOffset);
  const std::uint16_t sum = Sum16(std::span(r).first(kDataBlockSumOffset));
  r[kDataBlockSumOffset] = static_cast<std::uint8_t>(sum & 0xFF);
  r[kDataBlockSumOffset + 1] = static_cast<std::uint8_t>(sum >> 8);
  return r;
}

std::optional<int> CheckDataBlockReport(std::span<const std::uint8_t> r) {
  if (!IsReport(r, kDataBlockReportId, kDataBlockReportLength) || r[1] < 1 ||
      r[1] > kDataBlockChunks) {
    return std::nullopt;
  }
  const std::uint16_t sum = Sum16(r.first(kDataBlockSumOffset));
  const std::uint16_t stated =
      static_cast<std::uint16_t>(r[kDataBlockSumOffset] | (r[kDataBlockSumOffset + 1] << 8));
  if (sum != stated) {
    return std::nullopt;
  }
  return r[1];
}

}  // namespace mouse
