#include "paths/lut3d_blocks.hpp"

#include <algorithm>

namespace dvc::paths {

namespace {

// Calls `slot(byteOffset, nodeIndex)` for every slot of block (component,
// parity) that holds a node; padding slots are not visited.
template <class Slot>
void EachSlot(uint16_t grid, int component, int parity, Slot&& slot) {
    const uint32_t n = grid, m = (n + 1) / 2;
    const uint32_t a = (parity >> 2) & 1, b = (parity >> 1) & 1, d = parity & 1;
    for (uint32_t i = 0; i < m; ++i) {
        const uint32_t ni = 2 * i + a;
        if (ni >= n) continue;
        for (uint32_t j = 0; j < m; ++j) {
            const uint32_t nj = 2 * j + b;
            if (nj >= n) continue;
            for (uint32_t k = 0; k < m; ++k) {
                const uint32_t nk = 2 * k + d;
                if (nk >= n) continue;
                slot(((i * m + j) * m + k) * 2, ((ni * n + nj) * n + nk) * 3 + static_cast<uint32_t>(component));
            }
        }
    }
}

}  // namespace

uint32_t Lut3dBlockBytes(uint16_t grid, uint32_t chunk) {
    const uint32_t m = (static_cast<uint32_t>(grid) + 1) / 2;
    const uint32_t bytes = (m * m * m * 2 + chunk - 1) / chunk * chunk;
    return bytes > 0xFFFF || chunk == 0 ? 0 : bytes;
}

uint32_t Lut3dSelectSmall(const Lut3dTarget& to, int component, int parity, uint32_t chunkIndex) {
    return (chunkIndex & 0xFF) | (static_cast<uint32_t>(parity) << 8) | (static_cast<uint32_t>(component) << 13) |
           (to.factory ? 0x8000u : 0u) | (to.table << 16);
}

uint32_t Lut3dSelectLarge(const Lut3dTarget& to, int component, int parity) {
    uint32_t word = static_cast<uint32_t>(parity) | (static_cast<uint32_t>(component) << 3);
    if (to.table != 0) word |= 0x80u | ((to.table & 0x7F) << 8);
    return word | (to.factory ? 0x8000u : 0u);
}

void PackLut3dBlock(const uint16_t* image, uint16_t grid, int component, int parity, std::span<uint8_t> block) {
    std::fill(block.begin(), block.end(), uint8_t{0});
    EachSlot(grid, component, parity, [&](uint32_t at, uint32_t node) {
        block[at] = static_cast<uint8_t>(image[node]);
        block[at + 1] = static_cast<uint8_t>(image[node] >> 8);
    });
}

void UnpackLut3dBlock(std::span<const uint8_t> block, uint16_t grid, int component, int parity, uint16_t* image) {
    EachSlot(grid, component, parity, [&](uint32_t at, uint32_t node) {
        image[node] = static_cast<uint16_t>(block[at] | (block[at + 1] << 8));
    });
}

}  // namespace dvc::paths
