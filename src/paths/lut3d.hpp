// The 3D LUT transfer on one path: the 24 parity-class blocks, component by
// component, each in 128-byte chunks (a select before every chunk) or in
// 512-byte chunks (one select per block).
#pragma once

#include <cstdint>

#include "paths/lut3d_blocks.hpp"
#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// Reads `image` (3·N³ values) block by block; each block is unpacked as soon
// as it has arrived. A failing block ends its component's remaining classes,
// the next component is still read; the result is the last block's.
DvError Read3DLut(VarnMonitorInterface& path, const Lut3dTarget& from, uint16_t* image);
// Sends `image` the same way, each block packed into a zero-filled buffer.
DvError Write3DLut(VarnMonitorInterface& path, const Lut3dTarget& to, const uint16_t* image);

}  // namespace dvc::paths
