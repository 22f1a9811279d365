// Where each LUT table lives on a HID monitor: a table is four 128-byte
// blocks, selected by the number of its first block.
#pragma once

#include <cstdint>
#include <optional>

namespace dvc::paths {

inline constexpr uint32_t kLutBlocksPerTable = 4;
inline constexpr uint32_t kLutBlockBytes = 128;

// The first block of `table` (0 to 10) in `bank` (0 or 1); nothing for any
// other bank or table.
std::optional<uint8_t> LutFirstBlock(uint32_t bank, uint32_t table);

}  // namespace dvc::paths
