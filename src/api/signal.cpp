// Exports of the input signal, the input ports and what the monitor reports
// of its signal.
#include "features/signal.hpp"
#include "api/call_frame.hpp"
#include "features/modes_inputs.hpp"

using dvc::api::CallMonitor;
using dvc::api::CountResult;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
namespace features = dvc::features;

extern "C" {

DvError DvCtrlGetSignal(const char* id1, const char* id2, int* index) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetSignal, index);
}

DvError DvCtrlSetSignal(const char* id1, const char* id2, int index) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetSignal, index);
}

int DvCtrlGetSignalCount(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, features::GetSignalCount);
}

DvError DvCtrlGetInputPorts(const char* id1, const char* id2, int* ports, int capacity) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetInputPorts, ports, capacity);
}

DvError DvCtrlSetInputPorts(const char* id1, const char* id2, const int* ports, int count) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetInputPorts, ports, count);
}

int DvCtrlGetInputPortCount(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, features::GetInputPortCount);
}

DvError DvCtrlGetInputPort(const char* id1, const char* id2, int* port) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetInputPort, port);
}

DvError DvCtrlSetInputPort(const char* id1, const char* id2, int port) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetInputPort, port);
}

DvError DvCtrlGetInputAuto(const char* id1, const char* id2, int* on) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetInputAuto, on);
}

DvError DvCtrlSetInputAuto(const char* id1, const char* id2, int on) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetInputAuto, on);
}

int DvCtrlSupportedInputAuto(const char* id1, const char* id2) {
    int flag = 0;
    const DvError result = CallMonitor<ErrorResult>(id1, id2, features::SupportedInputAuto, &flag);
    return result >= 0 ? flag : 0;
}

DvError DvCtrlGetNativeResolution(const char* id1, const char* id2, int* width, int* height) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetNativeResolution, width, height);
}

DvError DvCtrlGetSignalResolution(const char* id1, const char* id2, int* width, int* height) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetSignalResolution, width, height);
}

DvError DvCtrlGetSignalInformation(const char* id1, const char* id2, DvSignalInformation* information) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetSignalInformation, information);
}

DvError DvCtrlGetDPVersion(const char* id1, const char* id2, int* version) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetDPVersion, version);
}

int DvCtrlSupportedDPVersion(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedDPVersion);
}

DvError DvCtrlGetCompatibilityMode(const char* id1, const char* id2, int* on) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetCompatibilityMode, on);
}

DvError DvCtrlSetCompatibilityMode(const char* id1, const char* id2, int on) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetCompatibilityMode, on);
}

int DvCtrlSupportedCompatibilityMode(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedCompatibilityMode);
}

DvError DvCtrlGetSignalTypeSelection(const char* id1, const char* id2, int* type) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetSignalTypeSelection, type);
}

DvError DvCtrlSetSignalTypeSelection(const char* id1, const char* id2, int type) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetSignalTypeSelection, type);
}

DvError DvCtrlGetSupportedSignalTypeSelections(const char* id1, const char* id2, int* types, int capacity) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetSupportedSignalTypeSelections, types, capacity);
}

DvError DvCtrlSetIISArea(const char* id1, const char* id2, int index, const DvIISArea* area) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetIISArea, index, area);
}

DvError DvCtrlSetOutputSegmentProperty(const char* id1, const char* id2, int segment,
                                       const DvOutputSegmentProperty* property) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetOutputSegmentProperty, segment, property);
}

}  // extern "C"
