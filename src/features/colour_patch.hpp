// The colour patch that the monitor generates for a measuring client.
#pragma once

#include <string_view>

#include "libdvc/dvc_profile.h"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

// Shows `request` (show nonzero and a request given) or hides the patch, on
// the first path that answers. Colours outside 0.0 to 1.0 (or not numbers)
// are refused with DvErrOutOfUnitRange before any traffic.
DvError GenerateColorPatch(VarnMonitor& monitor, int show, const DvColorPatchRequest* request);

// How long a model's panel needs before a newly shown patch can be
// measured, in milliseconds; 0 for models that need no wait.
uint32_t PatchSettleMilliseconds(std::string_view model);

}  // namespace dvc::features
