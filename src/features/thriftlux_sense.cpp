#include "features/thriftlux_sense.hpp"

#include "features/path_rules.hpp"

namespace dvc::features {

int SupportedSense(VarnMonitor& monitor, paths::SenseSetting setting) {
    return AnyPath(monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::SupportsSense(path, setting); });
}

DvError GetSense(VarnMonitor& monitor, paths::SenseSetting setting, int* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::ReadSense(path, setting, value); });
}

DvError SetSense(VarnMonitor& monitor, paths::SenseSetting setting, int value) {
    if (value < 0 || value > 0xFF) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::WriteSense(path, setting, value); });
}

}  // namespace dvc::features
