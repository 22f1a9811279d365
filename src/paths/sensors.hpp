// Per-path encodings of the sensors: the monitor's temperature, whether it
// has a calibration sensor, the time a calibration takes, and a measurement
// of the ambient light.
#pragma once

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// The temperature from the first source the path reports: a request for
// sensor 0, a block, a value in tenths, a value in whole degrees.
int SupportsTemperature(VarnMonitorInterface& path);
DvError ReadTemperature(VarnMonitorInterface& path, double* celsius);

// 1 when the sensor-present value is nonzero, or, without it, when the
// monitor reports a correlation sensor.
int HasSensor(VarnMonitorInterface& path);

// The calibration execution time in hours, from the first of its three
// forms that the path reports; `revision9` asks for the 4-byte form alone.
DvError ReadCalibrationExecutionTime(VarnMonitorInterface& path, bool revision9, int* hours);
DvError WriteCalibrationExecutionTime(VarnMonitorInterface& path, bool revision9, int hours);

// Starts a measurement and polls until it is done (DvErrTimeout after 5 s).
DvError MeasureAmbientLight(VarnMonitorInterface& path, double* lux);

}  // namespace dvc::paths
