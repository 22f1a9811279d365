// Exports of the monitor's reports: callback registration, start and stop.
#include "features/reports.hpp"
#include "api/call_frame.hpp"
#include "api/exclusive.hpp"
#include "api/frame_state.hpp"
#include "libdvc/dvc_reports.h"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
namespace features = dvc::features;

extern "C" {

DvError DvCtrlRegisterCallbackForVirtualKeyReport(const char* id1, const char* id2, DvKeyReportFunc func,
                                                  void* context) {
    return CallMonitor<ErrorResult>(id1, id2, features::RegisterVirtualKeyReport, func, context);
}

DvError DvCtrlRegisterCallbackForVirtualKeyMFReport(const char* id1, const char* id2, DvKeyReportFunc func,
                                                    void* context) {
    return CallMonitor<ErrorResult>(id1, id2, features::RegisterVirtualKeyMFReport, func, context);
}

DvError DvCtrlRegisterCallbackForTonalityReport(const char* id1, const char* id2, DvValueReportFunc func,
                                                void* context) {
    return CallMonitor<ErrorResult>(id1, id2, features::RegisterTonalityReport, func, context);
}

DvError DvCtrlRegisterCallbackForModeReport(const char* id1, const char* id2, DvValueReportFunc func, void* context) {
    return CallMonitor<ErrorResult>(id1, id2, features::RegisterModeReport, func, context);
}

DvError DvCtrlRegisterCallbackForMonitorDirectionReport(const char* id1, const char* id2, DvValueReportFunc func,
                                                        void* context) {
    return CallMonitor<ErrorResult>(id1, id2, features::RegisterMonitorDirectionReport, func, context);
}

DvError DvCtrlRegisterCallbackForUSBSelectionReport(const char* id1, const char* id2, DvUSBSelectionReportFunc func,
                                                    void* context) {
    return CallMonitor<ErrorResult>(id1, id2, features::RegisterUSBSelectionReport, func, context);
}

DvError DvCtrlRegisterCallbackForGenericReport(const char* id1, const char* id2, uint32_t mask, DvEventReportFunc func,
                                               void* context) {
    return CallMonitor<ErrorResult>(id1, id2, features::RegisterGenericReport, mask, func, context);
}

DvError DvCtrlRegisterCallbackForTeardownReport(const char* id1, const char* id2, DvEventReportFunc func,
                                                void* context) {
    return CallMonitor<ErrorResult>(id1, id2, features::RegisterTeardownReport, func, context);
}

DvError DvCtrlUnregisterCallbackAll(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::UnregisterCallbackAll);
}

DvError DvCtrlStartReport(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::StartReport);
}

// Exclusive, so that no report is being delivered when the stream ends. From
// inside a report callback it would wait for itself: refused instead.
DvError DvCtrlStopReport(const char* id1, const char* id2) {
    if (dvc::api::ReportThreadFlag()) return DvErrFailed;
    const dvc::api::ExclusiveSection exclusive;
    return CallMonitor<ErrorResult>(id1, id2, features::StopReport);
}

int DvCtrlSupportedGenericReport(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedGenericReport);
}

}  // extern "C"
