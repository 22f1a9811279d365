// The 3D LUT's form on the wire: 24 blocks, one per component c (0..2) and
// parity class s (0..7). Class s holds the nodes whose first, second and
// third indices have the parities of bits 2, 1 and 0 of s; with
// M = (N + 1) / 2 a block is a dense M×M×M cube of 16-bit little-endian
// values, first index slowest. Slots past the grid's edge (odd N, parity 1)
// are padding: zero when sent, skipped when read. A block is sent in whole
// 128- or 512-byte chunks, each chosen by a select word.
#pragma once

#include <cstdint>
#include <span>

namespace dvc::paths {

inline constexpr int kLut3dComponents = 3;
inline constexpr int kLut3dClasses = 8;
inline constexpr uint32_t kLut3dChunkSmall = 128;
inline constexpr uint32_t kLut3dChunkLarge = 512;

// Where one transfer goes: the table (0 the 3D LUT itself, k + 1 media
// emulation table k), the factory copy or the working one, and the chunk size.
struct Lut3dTarget {
    uint16_t grid = 0;
    uint32_t table = 0;
    bool factory = false;
    uint32_t chunk = kLut3dChunkSmall;
};

// A block's byte length: M³ × 2 rounded up to whole chunks. 0 when it does
// not fit the 16 bits that carry it (grids above 62 nodes).
uint32_t Lut3dBlockBytes(uint16_t grid, uint32_t chunk);

// Select words: the 128-byte mode names chunk t of a block; the 512-byte
// mode names the block, whose chunks then follow one another.
uint32_t Lut3dSelectSmall(const Lut3dTarget& to, int component, int parity, uint32_t chunkIndex);
uint32_t Lut3dSelectLarge(const Lut3dTarget& to, int component, int parity);

// Block (component, parity) of `image` into `block` (zero-filled first), and
// back; `block` holds at least M³ × 2 bytes.
void PackLut3dBlock(const uint16_t* image, uint16_t grid, int component, int parity, std::span<uint8_t> block);
void UnpackLut3dBlock(std::span<const uint8_t> block, uint16_t grid, int component, int parity, uint16_t* image);

}  // namespace dvc::paths
