// The Tonality menu's skip flags on monitors that do not skip colour modes
// one by one: a byte per Tonality value, or, in older firmware, a bit per
// value of one word (values 0 to 31).
#pragma once

#include <cstdint>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

enum class TonalitySkipEncoding { Bytes, Mask };

// 1 when the menu skips `value`, else 0.
DvError ReadTonalitySkip(VarnMonitorInterface& path, TonalitySkipEncoding encoding, uint32_t value, int32_t* skipped);
DvError WriteTonalitySkip(VarnMonitorInterface& path, TonalitySkipEncoding encoding, uint32_t value, bool skipped);

}  // namespace dvc::paths
