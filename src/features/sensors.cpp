#include "features/sensors.hpp"

#include "features/path_rules.hpp"
#include "paths/sensors.hpp"

namespace dvc::features {

DvError GetTemperature(VarnMonitor& monitor, double* celsius) {
    if (celsius == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::ReadTemperature(path, celsius); });
}

int SupportedTemperature(VarnMonitor& monitor) {
    return AnyPath(monitor.Paths(), [](VarnMonitorInterface& path) { return paths::SupportsTemperature(path); });
}

int HasSensor(VarnMonitor& monitor) {
    return AnyPath(monitor.Paths(), [](VarnMonitorInterface& path) { return paths::HasSensor(path); });
}

DvError GetCalibrationExecutionTime(VarnMonitor& monitor, int* hours, bool revision9) {
    if (hours == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::ReadCalibrationExecutionTime(path, revision9, hours);
    });
}

DvError SetCalibrationExecutionTime(VarnMonitor& monitor, int hours, bool revision9) {
    if (hours < 0) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::WriteCalibrationExecutionTime(path, revision9, hours);
    });
}

DvError MeasureAmbientLight(VarnMonitor& monitor, double* lux) {
    if (lux == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::MeasureAmbientLight(path, lux); });
}

}  // namespace dvc::features
