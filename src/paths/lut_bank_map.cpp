#include "paths/lut_bank_map.hpp"

#include <array>

namespace dvc::paths {

namespace {
constexpr uint32_t kTables = 11;

// Tables 1, 4 and 8 share their blocks, 2 and 9 share theirs, and so do
// 3 and 10. Bank 0 is bank 1 moved up by 0x80 throughout; table 10 of bank
// 0 therefore starts at 0x8C, with table 3 of its own bank, as table 10 of
// bank 1 does.
constexpr std::array<std::array<uint8_t, kTables>, 2> kFirstBlock{{
    {0x80, 0x84, 0x88, 0x8C, 0x84, 0xA8, 0xAC, 0xB0, 0x84, 0x88, 0x8C},
    {0x00, 0x04, 0x08, 0x0C, 0x04, 0x28, 0x2C, 0x30, 0x04, 0x08, 0x0C},
}};
}  // namespace

std::optional<uint8_t> LutFirstBlock(uint32_t bank, uint32_t table) {
    if (bank >= kFirstBlock.size() || table >= kTables) return std::nullopt;
    return kFirstBlock[bank][table];
}

}  // namespace dvc::paths
