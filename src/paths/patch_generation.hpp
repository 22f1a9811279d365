// The colour patch that the monitor generates itself (item 0x77): a 16-byte
// block {kind (0 hides), red, green, blue as 0..255, four 16-bit geometry
// values, four zero bytes}. Showing a patch where none was shown starts the
// tone-curve refresh (0xFF020049) and waits for the panel to settle.
#pragma once

#include <array>
#include <cstdint>

#include "libdvc/dvc_profile.h"
#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

inline constexpr uint32_t kPatchBlockBytes = 16;
using PatchBlock = std::array<uint8_t, kPatchBlockBytes>;

// The block for a request (all zero for none); its colours must already be
// checked to lie within 0.0 to 1.0.
PatchBlock BuildPatchBlock(const DvColorPatchRequest* request);

DvError GenerateColorPatch(VarnMonitorInterface& path, const PatchBlock& block, uint32_t settleMs);

}  // namespace dvc::paths
