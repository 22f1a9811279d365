// The model's sensor measurement position and rectangle. A model with a
// measurement position also shows the centre cross marker, by which a
// measuring device is placed.
#include "features/sensors.hpp"
#include "features/signal.hpp"

namespace dvc::features {

namespace {
constexpr double kPercent = 100.0;

bool HasPosition(const VarnMonitor& monitor) {
    return monitor.Record() != nullptr && (monitor.Record()->sensorX != 0 || monitor.Record()->sensorY != 0);
}
}  // namespace

DvError GetSensorMeasurementPosition(VarnMonitor& monitor, int* x, int* y) {
    if (x == nullptr || y == nullptr) return DvErrInvalidParameter;
    if (!HasPosition(monitor)) return DvErrNotSupported;
    *x = static_cast<int>(monitor.Record()->sensorX);
    *y = static_cast<int>(monitor.Record()->sensorY);
    return DvOk;
}

DvError GetSensorMeasurementPositionPercent(VarnMonitor& monitor, double* x, double* y) {
    if (x == nullptr || y == nullptr) return DvErrInvalidParameter;
    int px = 0, py = 0, width = 0, height = 0;
    if (const DvError r = GetSensorMeasurementPosition(monitor, &px, &py); r != DvOk) return r;
    const DvError r = GetNativeResolution(monitor, &width, &height);
    if (r < 0) return r;
    if (width <= 0 || height <= 0) return DvErrFailed;
    *x = px * kPercent / width;
    *y = py * kPercent / height;
    return DvOk;
}

DvError GetSensorMeasurementRect(VarnMonitor& monitor, int* x, int* y, int* width, int* height) {
    if (x == nullptr || y == nullptr || width == nullptr || height == nullptr) return DvErrInvalidParameter;
    if (monitor.Record() == nullptr) return DvErrFailed;
    const auto& rect = monitor.Record()->sensorRect;
    if (rect[2] == 0 || rect[3] == 0) return DvErrFailed;
    *x = rect[0];
    *y = rect[1];
    *width = rect[2];
    *height = rect[3];
    return DvOk;
}

int SupportedSensorMeasurementRect(VarnMonitor& monitor) {
    return monitor.Record() != nullptr && monitor.Record()->sensorRect[2] != 0 && monitor.Record()->sensorRect[3] != 0
               ? 1
               : 0;
}

int SupportedCenterCrossMarker(VarnMonitor& monitor) { return HasPosition(monitor) ? 1 : 0; }

}  // namespace dvc::features
