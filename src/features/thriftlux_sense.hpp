// The settings of Thriftlux sense beyond its switch: level, sensitivity,
// the second-generation setting, and the sense times.
#pragma once

#include "paths/thriftlux_sense.hpp"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

int SupportedSense(VarnMonitor& monitor, paths::SenseSetting setting);
DvError GetSense(VarnMonitor& monitor, paths::SenseSetting setting, int* value);
DvError SetSense(VarnMonitor& monitor, paths::SenseSetting setting, int value);

}  // namespace dvc::features
