// Result classes: what an export returns when its monitor is unknown or the
// global lock is busy, and when an operation fails in a way it cannot say.
#pragma once

#include "libdvc/dvc_types.h"

namespace dvc::api {

struct ErrorResult {
    using Type = DvError;
    static constexpr Type kMissing = DvErrFailed;
};

struct YesNoResult {
    using Type = int;
    static constexpr Type kMissing = 0;
};

struct CountResult {
    using Type = int;
    static constexpr Type kMissing = 0;
};

}  // namespace dvc::api
