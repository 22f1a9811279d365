// Resampling of a 3D LUT image from one grid onto another by tetrahedral
// interpolation. An image of N nodes per axis holds 3·N³ unsigned 16-bit
// values, node (i, j, k) at (i·N + j)·N + k, full scale 65535; grid levels
// are N ascending input levels on a 0..255 scale shared by the three axes.
#pragma once

#include <cstdint>

namespace dvc::lut3d {

// Writes all 3·dstCount³ values of `dst` from `src`. Destination levels
// outside the source range are clamped into it. Returns false, leaving
// `dst` untouched, for a null buffer, fewer than two source levels, an
// empty destination or when the work memory cannot be had.
bool Resample3DLut(const uint16_t* src, const uint16_t* srcLevels, uint16_t srcCount, uint16_t* dst,
                   const uint16_t* dstLevels, uint16_t dstCount);

}  // namespace dvc::lut3d
