// Sensor operations that are more than a table row: the monitor's
// temperature, its calibration sensor, the time a calibration takes, the
// ambient light, and the model's sensor measurement position.
#pragma once

#include "registry/varn_monitor.hpp"

namespace dvc::features {

DvError GetTemperature(VarnMonitor& monitor, double* celsius);
int SupportedTemperature(VarnMonitor& monitor);
int HasSensor(VarnMonitor& monitor);
DvError GetCalibrationExecutionTime(VarnMonitor& monitor, int* hours, bool revision9);
DvError SetCalibrationExecutionTime(VarnMonitor& monitor, int hours, bool revision9);
DvError MeasureAmbientLight(VarnMonitor& monitor, double* lux);

// Where the model measures on the screen, in pixels and in percent of the
// native resolution; the measured rectangle.
DvError GetSensorMeasurementPosition(VarnMonitor& monitor, int* x, int* y);
DvError GetSensorMeasurementPositionPercent(VarnMonitor& monitor, double* x, double* y);
DvError GetSensorMeasurementRect(VarnMonitor& monitor, int* x, int* y, int* width, int* height);
int SupportedSensorMeasurementRect(VarnMonitor& monitor);
int SupportedCenterCrossMarker(VarnMonitor& monitor);

}  // namespace dvc::features
