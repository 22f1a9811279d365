// Shared by the C fronts of the transport libraries: no exception leaves a
// C interface; a failure inside (memory, threads) becomes the general
// failure code.
#pragma once

#include <cstdint>

namespace dvc_transport {

template <typename F>
int32_t Guard(F&& f) noexcept {
    try {
        return f();
    } catch (...) {
        return static_cast<int32_t>(0x80000000u);
    }
}

}  // namespace dvc_transport
