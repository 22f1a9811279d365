// Exports of input, signal, layout and USB operations with an encoding of
// their own.
#include "api/call_frame.hpp"
#include "libdvc/dvc_modes_inputs.h"
#include "registry/varn_monitor.hpp"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;

extern "C" {

DvError DvCtrlExecuteEDIDDDCWrite(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::ExecuteEDIDDDCWrite);
}

DvError DvCtrlSetAutoAdjust(const char* id1, const char* id2, int kind, int wait) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::SetAutoAdjust, kind, wait);
}

DvError DvCtrlGetIISArea(const char* id1, const char* id2, int index, DvIISArea* area) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::GetIISArea, index, area);
}

DvError DvCtrlGetOutputSegmentProperty(const char* id1, const char* id2, int segment,
                                       DvOutputSegmentProperty* property) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::GetOutputSegmentProperty, segment, property);
}

DvError DvCtrlGetOutputSegmentPropertyConstant(const char* id1, const char* id2, int segment,
                                               DvOutputSegmentProperty* property) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::GetOutputSegmentPropertyConstant, segment, property);
}

DvError DvCtrlSetUSBSelection(const char* id1, const char* id2, int port) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::SetUSBSelection, port);
}

DvError DvCtrlClearTargetSelection(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::ClearTargetSelection);
}

DvError DvCtrlGetSignalInfoFrame(const char* id1, const char* id2, DvSignalInfoFrame* info) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::GetSignalInfoFrame, info);
}

}  // extern "C"
