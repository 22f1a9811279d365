// The settings of Thriftlux sense beyond its switch. Each needs the sense
// itself and the support flags of its own codes (feature_codes.def): the
// level block, the sensitivity marker, the second-generation marker and the
// block of sense times.
#pragma once

#include <cstdint>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

enum class SenseSetting {
    Level,        // byte 0 of the level block
    Sensitivity,  // byte 1 of the level block
    Generation2,  // the second-generation setting: byte 2 of the sense block
    TimeIndex,    // which of the sense times is used
    Time,         // that time in seconds (read only)
};

// Whether the path offers the setting; every other call answers
// DvErrNotSupported where this is 0.
int SupportsSense(VarnMonitorInterface& path, SenseSetting setting);
DvError ReadSense(VarnMonitorInterface& path, SenseSetting setting, int* value);
// A value beyond a byte, or a time index past the last time, is refused.
DvError WriteSense(VarnMonitorInterface& path, SenseSetting setting, int value);

}  // namespace dvc::paths
