// Shared by the C fronts of the transport libraries: no exception leaves a
// C interface; a failure inside (memory, threads) becomes the general
// failure code.
#pragma once

#include <cstdint>

#include "libdvc/dvc_types.h"

namespace dvc::transport {

template <typename F>
int32_t Guard(F&& f) noexcept {
    try {
        return f();
    } catch (...) {
        return DvErrFailed;
    }
}

}  // namespace dvc::transport
