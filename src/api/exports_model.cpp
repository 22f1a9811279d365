// Exports answered from the model record and the flavor table.
#include "api/call_frame.hpp"
#include "libdvc/dvc_model.h"

using dvc::api::CallMonitor;
using dvc::api::CountResult;
using dvc::api::ErrorResult;

extern "C" {

int DvCtrlGetModeCount(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, &VarnMonitor::GetModeCount);
}

DvError DvCtrlEnumGamma(const char* id1, const char* id2, int index, double* gamma) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::EnumGamma, index, gamma);
}

DvError DvCtrlEnumGammaIndex(const char* id1, const char* id2, int index, int* gammaIndex) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::EnumGammaIndex, index, gammaIndex);
}

DvError DvCtrlEnumColorTemperature(const char* id1, const char* id2, int index, int* value) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::EnumColorTemperature, index, value);
}

DvError DvCtrlGetNativeLUTBitDepth(const char* id1, const char* id2, int* depth) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::GetNativeLUTBitDepth, depth);
}

DvError DvCtrlGetPanelRevision(const char* id1, const char* id2, int* revision) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::GetPanelRevision, revision);
}

int DvCtrlGetMediaEmuCount(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, &VarnMonitor::GetMediaEmuCount);
}

DvError DvCtrlGetSupportedFeature(const char* id1, const char* id2, int entry, int features[32]) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::GetSupportedFeature, entry, features);
}

DvError DvCtrlEnumSupportedFlavor(const char* id1, const char* id2, int entry, int position, int* mode) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::EnumSupportedFlavor, entry, position, mode);
}

DvError DvCtrlGetPresetFlavor(const char* id1, const char* id2, int entry, int* flavor) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::GetPresetFlavor, entry, flavor);
}

DvError DvCtrlGetSupportedInputPort(const char* id1, const char* id2, int* ports, int capacity) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::GetSupportedInputPort, ports, capacity);
}

int DvCtrlGetSupportedInputPortCount(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, &VarnMonitor::GetSupportedInputPortCount);
}

}  // extern "C"
