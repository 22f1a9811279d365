// Exports of the sensor operations with an encoding of their own.
#include "features/sensors.hpp"
#include "api/call_frame.hpp"
#include "libdvc/dvc_sensors.h"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
namespace features = dvc::features;

extern "C" {

DvError DvCtrlGetTemperature(const char* id1, const char* id2, double* celsius) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetTemperature, celsius);
}

int DvCtrlSupportedTemperature(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedTemperature);
}

int DvCtrlHasSensor(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::HasSensor);
}

DvError DvCtrlGetCalibrationExecutionTime(const char* id1, const char* id2, int* hours) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetCalibrationExecutionTime, hours, false);
}

DvError DvCtrlSetCalibrationExecutionTime(const char* id1, const char* id2, int hours) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetCalibrationExecutionTime, hours, false);
}

DvError DvCtrlGetCalibrationExecutionTimeForR9(const char* id1, const char* id2, int* hours) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetCalibrationExecutionTime, hours, true);
}

DvError DvCtrlSetCalibrationExecutionTimeForR9(const char* id1, const char* id2, int hours) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetCalibrationExecutionTime, hours, true);
}

DvError DvCtrlMeasureAmbientLight(const char* id1, const char* id2, double* lux) {
    return CallMonitor<ErrorResult>(id1, id2, features::MeasureAmbientLight, lux);
}

DvError DvCtrlGetSensorMeasurementPosition(const char* id1, const char* id2, int* x, int* y) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetSensorMeasurementPosition, x, y);
}

DvError DvCtrlGetSensorMeasurementPositionPercent(const char* id1, const char* id2, double* x, double* y) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetSensorMeasurementPositionPercent, x, y);
}

DvError DvCtrlGetSensorMeasurementRect(const char* id1, const char* id2, int* x, int* y, int* width, int* height) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetSensorMeasurementRect, x, y, width, height);
}

int DvCtrlSupportedSensorMeasurementRect(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedSensorMeasurementRect);
}

int DvCtrlSupportedCenterCrossMarker(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedCenterCrossMarker);
}

}  // extern "C"
