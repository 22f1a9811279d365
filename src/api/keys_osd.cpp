// Exports of marker, key, patch and analyzer operations with an encoding of
// their own.
#include "features/keys_osd.hpp"
#include "api/call_frame.hpp"
#include "libdvc/dvc_keys_osd.h"

using dvc::api::CallMonitor;
using dvc::api::CountResult;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
namespace features = dvc::features;

extern "C" {

DvError DvCtrlShowCenterCrossMarker(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::ShowCenterCrossMarker);
}

DvError DvCtrlHideCenterCrossMarker(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::HideCenterCrossMarker);
}

DvError DvCtrlGetKeyPushCount(const char* id1, const char* id2, int key, int* count) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetKeyPushCount, key, count);
}

DvError DvCtrlEnumVirtualKey(const char* id1, const char* id2, int index, int* key) {
    return CallMonitor<ErrorResult>(id1, id2, features::EnumVirtualKey, index, key);
}

DvError DvCtrlShowIndicatorOSD(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::ShowIndicatorOSD);
}

DvError DvCtrlHideIndicatorOSD(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::HideIndicatorOSD);
}

DvError DvCtrlGetAvailableDsCustomKeyLock(const char* id1, const char* id2, int* keys, int capacity, int* count) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetAvailableDsCustomKeyLock, keys, capacity, count);
}

int DvCtrlSupportedDsCustomKeyLock(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedDsCustomKeyLock);
}

DvError DvCtrlShowColorPatchFixed(const char* id1, const char* id2, int patch) {
    return CallMonitor<ErrorResult>(id1, id2, features::ShowColorPatchFixed, patch);
}

DvError DvCtrlShowColorPatch(const char* id1, const char* id2, int red, int green, int blue) {
    return CallMonitor<ErrorResult>(id1, id2, features::ShowColorPatch, red, green, blue);
}

DvError DvCtrlHideColorPatch(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::HideColorPatch);
}

DvError DvCtrlGetColorPatchBitDepth(const char* id1, const char* id2, int* bits) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetColorPatchBitDepth, bits);
}

DvError DvCtrlGetPixelErrorAnalyzerInfo(const char* id1, const char* id2, DvPixelErrorAnalyzerInfo* info) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetPixelErrorAnalyzerInfo, info);
}

DvError DvCtrlStartPixelErrorAnalyzer(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::StartPixelErrorAnalyzer);
}

DvError DvCtrlStopPixelErrorAnalyzer(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::StopPixelErrorAnalyzer);
}

int DvCtrlGetOSDDisplayFirmwareVersionsCount(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, features::GetOSDDisplayFirmwareVersionsCount);
}

DvError DvCtrlGetOSDDisplayFirmwareVersions(const char* id1, const char* id2, int* versions, int count) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetOSDDisplayFirmwareVersions, versions, count);
}

DvError DvCtrlGetOSDDisplayFirmwareVersionsString(const char* id1, const char* id2, char* buffer, int count) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetOSDDisplayFirmwareVersionsString, buffer, count);
}

}  // extern "C"
