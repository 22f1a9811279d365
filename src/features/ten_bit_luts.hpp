// Tables of 1024 levels per colour channel (0 to 2) in the 10-bit form:
// each word is the level times 0xFFC0 (the 10-bit code with six fraction
// bits) rounded half up. The 10-bit LUT keeps one table per channel; each
// media emulation keeps one 1D LUT per channel.
#pragma once

#include "libdvc/dvc_types.h"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

inline constexpr int kTenBitEntries = 1024;

// DvErrNotSupported, with nothing sent, when no path reports the 10-bit LUT.
DvError GetLUT10bit(VarnMonitor& monitor, int channel, double* levels);
DvError SetLUT10bit(VarnMonitor& monitor, int channel, const double* levels);
// `index` is 0 to the model's media-emulation count less one.
DvError GetMediaEmu1DLUT(VarnMonitor& monitor, int index, int channel, double* levels);
DvError SetMediaEmu1DLUT(VarnMonitor& monitor, int index, int channel, const double* levels);

}  // namespace dvc::features
