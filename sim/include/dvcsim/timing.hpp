// Timing model of the links. Off by default; switched on by the world file
// ("timing": {...}), by DVC_SIM_TIMING=1, or here.
#pragma once

#include <chrono>

namespace dvc::sim {

struct Timing {
    bool enabled = false;
    std::chrono::microseconds ddcci_reply{40000};       // a DDC/CI read waits for the reply
    std::chrono::microseconds ddcci_post_write{50000};  // a DDC/CI write keeps the bus busy
    std::chrono::microseconds hid_reply{1000};          // one HID transfer
};

Timing GetTiming();
void SetTiming(const Timing& timing);

}  // namespace dvc::sim
