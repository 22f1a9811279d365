// The profile data of a monitor, assembled from exported operations (each
// of which takes its own locks) and the colour library.
#pragma once

#include "libdvc/dvc_profile.h"

namespace dvc::api {

// The tone LUT read of one channel, with the tone LUT export's signature.
using ToneLutReader = DvError (*)(const char* id1, const char* id2, int channel, double* levels, const int* bank);

// Fills `out`: the system primaries and white give the RGB-to-XYZ matrix,
// which the chip's matrix follows and white's Y normalises; device white,
// black and primaries through it, the peak luminance when the monitor
// reports one as settled, and the tone curves (gamma from the gamma index
// 1 to 17, else each channel's LUT through `readLut`). Null out:
// DvErrInvalidParameter. The first failing read ends it with its code and
// leaves what was filled; a matrix whose white has no luminance gives
// DvErrFailed.
DvError AssembleProfileData(const char* id1, const char* id2, DvProfileData* out, ToneLutReader readLut);

}  // namespace dvc::api
