// Exports of the older fixed self-calibration records and of the support
// queries of the record versions.
#include "api/call_frame.hpp"
#include "libdvc/dvc_selfcal_records.h"
#include "selfcal/older_operations.hpp"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
namespace older = dvc::selfcal::older;

extern "C" {

DvError DvCtrlGetSelfCalibrationTarget(const char* id1, const char* id2, DvSelfCalibrationTarget* record) {
    return CallMonitor<ErrorResult>(id1, id2, older::GetTargetV1, record);
}
DvError DvCtrlSetSelfCalibrationTarget(const char* id1, const char* id2, const DvSelfCalibrationTarget* record) {
    return CallMonitor<ErrorResult>(id1, id2, older::SetTargetV1, record);
}
DvError DvCtrlGetSelfCalibrationTargetV3(const char* id1, const char* id2, DvSelfCalibrationTargetV3* record) {
    return CallMonitor<ErrorResult>(id1, id2, older::GetTargetV3, record);
}
DvError DvCtrlSetSelfCalibrationTargetV3(const char* id1, const char* id2, const DvSelfCalibrationTargetV3* record) {
    return CallMonitor<ErrorResult>(id1, id2, older::SetTargetV3, record);
}
DvError DvCtrlGetSelfCalibrationResult(const char* id1, const char* id2, DvSelfCalibrationResult* record) {
    return CallMonitor<ErrorResult>(id1, id2, older::GetResultV1, record);
}
DvError DvCtrlSetSelfCalibrationResult(const char* id1, const char* id2, const DvSelfCalibrationResult* record) {
    return CallMonitor<ErrorResult>(id1, id2, older::SetResultV1, record);
}
DvError DvCtrlGetSelfCalibrationResultSetting(const char* id1, const char* id2,
                                              DvSelfCalibrationResultSetting* record) {
    return CallMonitor<ErrorResult>(id1, id2, older::GetSettingV1, record);
}
DvError DvCtrlSetSelfCalibrationResultSetting(const char* id1, const char* id2,
                                              const DvSelfCalibrationResultSetting* record) {
    return CallMonitor<ErrorResult>(id1, id2, older::SetSettingV1, record);
}

int DvCtrlSupportedSelfCalibrationTargetV3(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, older::SupportedTargetV3);
}
int DvCtrlSupportedSelfCalibrationResultV2(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, older::SupportedResultV2);
}
int DvCtrlSupportedSelfCalibrationResultV3(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, older::SupportedResultV3);
}
int DvCtrlSupportedSelfCalibrationResultV4(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, older::SupportedResultV4);
}
int DvCtrlSupportedSelfCalLStar(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, older::SupportedLStar);
}
int DvCtrlSupportedSelfCalibrationV5(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, older::SupportedSelfCalibrationV5);
}

}  // extern "C"
