// The rear LUT: a block in the monitor's own layout, read and written
// directly, on models whose panel generation keeps it in ROM.
#pragma once

#include <cstdint>

#include "libdvc/dvc_types.h"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

int SupportedRearLUT(VarnMonitor& monitor);
// The block's length in bytes; 0 when the monitor gives none.
int GetRearLUTSize(VarnMonitor& monitor);
// `size` is the caller's capacity on the way in and the block's length on
// the way out; a null buffer with a capacity of 0 asks for the length.
// DvErrNotSupported, with nothing sent, on models of another panel generation.
DvError GetRearLUTDirectWithROM(VarnMonitor& monitor, uint8_t* data, int* size);
DvError SetRearLUTDirectWithROM(VarnMonitor& monitor, const uint8_t* data, int size);

}  // namespace dvc::features
