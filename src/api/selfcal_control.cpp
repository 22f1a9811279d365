// Exports of the self-calibration control operations with an encoding of
// their own.
#include "api/call_frame.hpp"
#include "libdvc/dvc_selfcal_control.h"
#include "selfcal/control.hpp"
#include "selfcal/correction.hpp"
#include "selfcal/schedule.hpp"

using dvc::api::CallMonitor;
using dvc::api::CountResult;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
namespace selfcal = dvc::selfcal;

extern "C" {

int DvCtrlSupportedSelfCalibration(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, selfcal::SupportedSelfCalibration);
}

int DvCtrlSupportedSelfQCCal(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, selfcal::SupportedSelfQCCal);
}

int DvCtrlSupportedSelfCalibrationAgingTimeForBrightnessChange(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, selfcal::SupportedSelfCalibrationAgingTimeForBrightnessChange);
}

DvError DvCtrlLockSelfCalibration(const char* id1, const char* id2, int owner, int second) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::LockSelfCalibration, owner, second);
}

DvError DvCtrlUnlockSelfCalibration(const char* id1, const char* id2, int owner) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::UnlockSelfCalibration, owner);
}

DvError DvCtrlGetSelfCalibrationMutexOwner(const char* id1, const char* id2, int* owner) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfCalibrationMutexOwner, owner);
}

DvError DvCtrlGetSelfCalibrationAgingTime(const char* id1, const char* id2, int* hours) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfCalibrationAgingTime, hours);
}

DvError DvCtrlGetSelfCalibrationAgingTimeForBrightnessChange(const char* id1, const char* id2, int* hours) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfCalibrationAgingTimeForBrightnessChange, hours);
}

DvError DvCtrlSetSelfCalibrationAgingTime(const char* id1, const char* id2, int hours) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::SetSelfCalibrationAgingTime, hours);
}

DvError DvCtrlGetSelfCalibrationElapsedTime(const char* id1, const char* id2, uint32_t* elapsed) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfCalibrationElapsedTime, elapsed);
}

DvError DvCtrlGetSelfCalibrationClockTime(const char* id1, const char* id2, uint32_t* time, uint16_t* extra) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfCalibrationClockTime, time, extra);
}

DvError DvCtrlSetSelfCalibrationClockTime(const char* id1, const char* id2, uint32_t time, uint16_t extra) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::SetSelfCalibrationClockTime, time, extra);
}

DvError DvCtrlGetSelfCalibrationResultTime(const char* id1, const char* id2, uint32_t* time, uint16_t* extra) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfCalibrationResultTime, time, extra);
}

DvError DvCtrlSetSelfCalibrationResultTime(const char* id1, const char* id2, uint32_t time, uint16_t extra) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::SetSelfCalibrationResultTime, time, extra);
}

DvError DvCtrlGetSelfCalibrationControlColorMode(const char* id1, const char* id2, int* mode) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfCalibrationControlColorMode, mode);
}

DvError DvCtrlSetSelfCalibrationControlColorMode(const char* id1, const char* id2, int mode) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::SetSelfCalibrationControlColorMode, mode);
}

DvError DvCtrlGetSelfIndex(const char* id1, const char* id2, int* index, int* second) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfIndex, index, second);
}

DvError DvCtrlSetSelfIndex(const char* id1, const char* id2, int index, int second) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::SetSelfIndex, index, second);
}

int DvCtrlGetSelfTargetCount(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, selfcal::GetSelfTargetCount);
}

DvError DvCtrlGetSelfTargetIndex(const char* id1, const char* id2, uint32_t* index) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfTargetIndex, index);
}

DvError DvCtrlSetSelfTargetIndex(const char* id1, const char* id2, uint32_t index) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::SetSelfTargetIndex, index);
}

DvError DvCtrlGetSelfTargetPairing(const char* id1, const char* id2, uint32_t* pairing, int count) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfTargetPairing, pairing, count);
}

DvError DvCtrlSetSelfTargetPairing(const char* id1, const char* id2, const uint32_t* pairing, int count) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::SetSelfTargetPairing, pairing, count);
}

DvError DvCtrlGetEnableSelfCalibrationMode(const char* id1, const char* id2, int* flags, int count) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetEnableSelfCalibrationMode, flags, count);
}

DvError DvCtrlSetEnableSelfCalibrationMode(const char* id1, const char* id2, const int* flags, int count) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::SetEnableSelfCalibrationMode, flags, count);
}

DvError DvCtrlGetSelfCalibrationSchedule(const char* id1, const char* id2, uint8_t* first, uint32_t* p, uint32_t* q) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfCalibrationSchedule, first, p, q);
}

DvError DvCtrlSetSelfCalibrationSchedule(const char* id1, const char* id2, uint8_t first, uint32_t p, uint32_t q) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::SetSelfCalibrationSchedule, first, p, q);
}

DvError DvCtrlGetSelfCalibrationScheduleV2(const char* id1, const char* id2, DvSelfCalScheduleV2* schedule) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfCalibrationScheduleV2, schedule);
}

DvError DvCtrlSetSelfCalibrationScheduleV2(const char* id1, const char* id2, const DvSelfCalScheduleV2* schedule) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::SetSelfCalibrationScheduleV2, schedule);
}

DvError DvCtrlEnumSupportedSelfCalibrationScheduleType(const char* id1, const char* id2, int index, int* type) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::EnumSupportedSelfCalibrationScheduleType, index, type);
}

DvError DvCtrlGetSelfNextSchedule(const char* id1, const char* id2, int which, DvSelfNextSchedule* next) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfNextSchedule, which, next);
}

DvError DvCtrlGetSelfQCNextSchedule(const char* id1, const char* id2, int kind, int which, DvSelfNextSchedule* next) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfQCNextSchedule, kind, which, next);
}

DvError DvCtrlGetSelfCorrectionTarget(const char* id1, const char* id2, int* enabled, uint16_t* id, double* values) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfCorrectionTarget, enabled, id, values);
}

DvError DvCtrlSetSelfCorrectionTarget(const char* id1, const char* id2, int enabled, uint16_t id,
                                      const double* values) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::SetSelfCorrectionTarget, enabled, id, values);
}

DvError DvCtrlGetSelfCorrectionResult(const char* id1, const char* id2, uint16_t* id, double* values) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::GetSelfCorrectionResult, id, values);
}

DvError DvCtrlSetSelfCorrectionResult(const char* id1, const char* id2, uint16_t id, const double* values) {
    return CallMonitor<ErrorResult>(id1, id2, selfcal::SetSelfCorrectionResult, id, values);
}

}  // extern "C"
