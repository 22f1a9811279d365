// Millisecond sleep; 0 gives the processor to another thread.
#pragma once

#include <cstdint>

namespace dvc::platform {

void Sleep(uint32_t milliseconds);

}  // namespace dvc::platform
