// Exports of input, signal, layout and USB operations with an encoding of
// their own.
#include "features/modes_inputs.hpp"
#include "api/call_frame.hpp"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
namespace features = dvc::features;

extern "C" {

DvError DvCtrlExecuteEDIDDDCWrite(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::ExecuteEDIDDDCWrite);
}

DvError DvCtrlSetAutoAdjust(const char* id1, const char* id2, int kind, int wait) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetAutoAdjust, kind, wait);
}

DvError DvCtrlGetIISArea(const char* id1, const char* id2, int index, DvIISArea* area) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetIISArea, index, area);
}

DvError DvCtrlGetOutputSegmentProperty(const char* id1, const char* id2, int segment,
                                       DvOutputSegmentProperty* property) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetOutputSegmentProperty, segment, property);
}

DvError DvCtrlGetOutputSegmentPropertyConstant(const char* id1, const char* id2, int segment,
                                               DvOutputSegmentProperty* property) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetOutputSegmentPropertyConstant, segment, property);
}

DvError DvCtrlSetUSBSelection(const char* id1, const char* id2, int port) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetUSBSelection, port);
}

DvError DvCtrlClearTargetSelection(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::ClearTargetSelection);
}

DvError DvCtrlGetSignalInfoFrame(const char* id1, const char* id2, DvSignalInfoFrame* info) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetSignalInfoFrame, info);
}

}  // extern "C"
