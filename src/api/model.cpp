// Exports answered from the model record and the flavor table.
#include "features/model.hpp"
#include "api/call_frame.hpp"
#include "libdvc/dvc_model.h"

using dvc::api::CallMonitor;
using dvc::api::CountResult;
using dvc::api::ErrorResult;
namespace features = dvc::features;

extern "C" {

int DvCtrlGetModeCount(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, features::GetModeCount);
}

DvError DvCtrlEnumGamma(const char* id1, const char* id2, int index, double* gamma) {
    return CallMonitor<ErrorResult>(id1, id2, features::EnumGamma, index, gamma);
}

DvError DvCtrlEnumGammaIndex(const char* id1, const char* id2, int index, int* gammaIndex) {
    return CallMonitor<ErrorResult>(id1, id2, features::EnumGammaIndex, index, gammaIndex);
}

DvError DvCtrlEnumColorTemperature(const char* id1, const char* id2, int index, int* value) {
    return CallMonitor<ErrorResult>(id1, id2, features::EnumColorTemperature, index, value);
}

DvError DvCtrlGetNativeLUTBitDepth(const char* id1, const char* id2, int* depth) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetNativeLUTBitDepth, depth);
}

DvError DvCtrlGetPanelRevision(const char* id1, const char* id2, int* revision) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetPanelRevision, revision);
}

int DvCtrlGetMediaEmuCount(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, features::GetMediaEmuCount);
}

DvError DvCtrlGetSupportedFeature(const char* id1, const char* id2, int entry, int features[32]) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetSupportedFeature, entry, features);
}

DvError DvCtrlEnumSupportedFlavor(const char* id1, const char* id2, int entry, int position, int* mode) {
    return CallMonitor<ErrorResult>(id1, id2, features::EnumSupportedFlavor, entry, position, mode);
}

DvError DvCtrlGetPresetFlavor(const char* id1, const char* id2, int entry, int* flavor) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetPresetFlavor, entry, flavor);
}

DvError DvCtrlGetSupportedInputPort(const char* id1, const char* id2, int* ports, int capacity) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetSupportedInputPort, ports, capacity);
}

int DvCtrlGetSupportedInputPortCount(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, features::GetSupportedInputPortCount);
}

DvError DvCtrlGetUSBCAltModePort(const char* id1, const char* id2, int* ports, int capacity) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetUSBCAltModePort, ports, capacity);
}

int DvCtrlGetUSBCAltModePortCount(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, features::GetUSBCAltModePortCount);
}

DvError DvCtrlGetPanelType(const char* id1, const char* id2, int* type) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetPanelType, type);
}

DvError DvCtrlGetMonitorPbyPType(const char* id1, const char* id2, int* type) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetMonitorPbyPType, type);
}

int DvCtrlSupportedTNFunction(const char* id1, const char* id2) {
    return CallMonitor<dvc::api::YesNoResult>(id1, id2, features::SupportedTNFunction);
}

DvError DvCtrlGetTNInformation(const char* id1, const char* id2, int index, int* tonality, int* slot) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetTNInformation, index, tonality, slot);
}

DvError DvCtrlGetCurrentCalibrationTN(const char* id1, const char* id2, int* tonality) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetCurrentCalibrationTN, tonality);
}

}  // extern "C"
