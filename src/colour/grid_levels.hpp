// The standard input levels of a 3D LUT grid: the lists for 10 and 17
// nodes per axis, on a 0..255 scale, built once and kept for the life of
// the library.
#pragma once

#include <cstdint>
#include <span>

namespace dvc::lut3d {

// The levels of a 10- or 17-node grid; empty for any other count.
std::span<const uint16_t> StandardGridLevels(uint16_t gridCount);

}  // namespace dvc::lut3d
