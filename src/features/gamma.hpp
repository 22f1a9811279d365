// Gamma: as a value through the model's gamma table, as an index (the code
// with its offset below 208), and the gamma adjustment state.
#pragma once

#include "libdvc/dvc_types.h"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

// The value of the code the first answering path reports: the table's,
// else the special curve it names. A code that neither names goes on to
// the next path; when no path's code maps, DvErrRefused.
DvError GetGamma(VarnMonitor& monitor, double* gamma);
// Sends the code of the table entry nearest `gamma` (first-success rule).
DvError SetGamma(VarnMonitor& monitor, double gamma);
DvError GetGammaIndex(VarnMonitor& monitor, int* index);
DvError SetGammaIndex(VarnMonitor& monitor, int index);
DvError GetGammaAdjustmentState(VarnMonitor& monitor, int* state);

}  // namespace dvc::features
