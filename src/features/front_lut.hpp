// The front LUT: one table per colour channel (0 to 2) in front of the
// colour processing, at a depth of 8, 10 or 12 bits (256, 1024 or 4096
// entries) up to the model's own front-LUT depth. Levels are normalised
// (0.0 to 1.0); their words are the level times the table's full scale
// (FrontLutScale), rounded half up.
#pragma once

#include <cstdint>

#include "libdvc/dvc_types.h"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

// Nonzero when the front LUT takes tables of `bits` bits.
int SupportedFrontLUT(VarnMonitor& monitor, int bits);
// Entries of a table of `bits` bits; 0 when the front LUT does not take it.
int GetFrontLUTSize(VarnMonitor& monitor, int bits);
// Full scale of a front-LUT table of `count` entries; 0 when none.
int64_t FrontLutScale(VarnMonitor& monitor, int count);

DvError GetFrontLUTMaxRawValue(VarnMonitor& monitor, int* maximum);
// `count` is the number of levels, the size of one of the depths the front
// LUT takes; another count gives DvErrSizeMismatch before any traffic.
DvError GetFrontLUT(VarnMonitor& monitor, int channel, double* levels, int count);
DvError SetFrontLUT(VarnMonitor& monitor, int channel, const double* levels, int count);
// The front LUT a colour mode keeps, at the model's own front-LUT size.
DvError GetFrontLUTAtMode(VarnMonitor& monitor, int mode, int channel, double* levels, int count);

// Whether the front LUT is in use: there when the model has a front LUT
// that the monitor takes at the model's own depth.
int SupportedFrontLUTEnabled(VarnMonitor& monitor);
DvError GetFrontLUTEnabled(VarnMonitor& monitor, int* enabled);
DvError SetFrontLUTEnabled(VarnMonitor& monitor, int enabled);

}  // namespace dvc::features
