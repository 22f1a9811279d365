// Exports of the locks that live outside the library and of the HID handle
// behind a monitor.
#include "features/device_locks.hpp"
#include "api/call_frame.hpp"
#include "libdvc/dvc_discovery.h"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
namespace features = dvc::features;

extern "C" {

DvError DvCtrlEnterCriticalSection(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::EnterCriticalSection);
}

DvError DvCtrlExitCriticalSection(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::ExitCriticalSection);
}

int DvCtrlSupportedCriticalSection(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedCriticalSection);
}

int DvCtrlGetMonitorMutex(const char* id1, const char* id2, int force) {
    return CallMonitor<YesNoResult>(id1, id2, features::GetMonitorMutex, force);
}

int DvCtrlReleaseMonitorMutex(const char* id1, const char* id2, int force) {
    return CallMonitor<YesNoResult>(id1, id2, features::ReleaseMonitorMutex, force);
}

int DvCtrlSupportedMonitorMutex(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedMonitorMutex);
}

DvError DvCtrlGetHIDHandle(const char* id1, const char* id2, uint32_t* handle) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetHIDHandle, handle);
}

}  // extern "C"
