// Exports of the locks that live outside the library: the HID transport's
// device lock and the monitor-held mutex, through which several processes
// agree who drives a monitor; and the HID handle behind a monitor.
#include "api/call_frame.hpp"
#include "features/path_rules.hpp"
#include "libdvc/dvc_discovery.h"
#include "paths/varn_monitor_interface.hpp"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
using dvc::features::AnyPath;
using dvc::features::FirstAnswer;
using dvc::features::FirstSuccess;

namespace {
// The monitor keeps its mutex owner's process id in this value.
constexpr uint32_t kMonitorMutexCode = 0xB8;

using PathPrimitive = DvError (VarnMonitorInterface::*)();

DvError AskFirstAnswer(VarnMonitor& monitor, PathPrimitive primitive) {
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) { return (path.*primitive)(); });
}

// The mutex exports give the flag that the operation delivered, or 0 when
// it failed.
using MutexPrimitive = DvError (VarnMonitorInterface::*)(const uint32_t&, int*, int);

int AskMutex(VarnMonitor& monitor, MutexPrimitive primitive, int force) {
    int done = 0;
    const DvError result = FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return (path.*primitive)(kMonitorMutexCode, &done, force);
    });
    return result < 0 ? 0 : done;
}
}  // namespace

extern "C" {

DvError DvCtrlEnterCriticalSection(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, AskFirstAnswer, &VarnMonitorInterface::EnterCriticalSection);
}

DvError DvCtrlExitCriticalSection(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, AskFirstAnswer, &VarnMonitorInterface::ExitCriticalSection);
}

// A path offers the lock when the transport answers with a positive flag;
// a failure (the DDC/CI path's "not supported" among them) is a no.
int DvCtrlSupportedCriticalSection(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, [](VarnMonitor& monitor) {
        return AnyPath(monitor.Paths(), [](VarnMonitorInterface& path) {
            const int32_t answer = path.SupportsCriticalSection();
            return answer > 0 ? 1 : 0;
        });
    });
}

int DvCtrlGetMonitorMutex(const char* id1, const char* id2, int force) {
    return CallMonitor<YesNoResult>(id1, id2, AskMutex, &VarnMonitorInterface::AcquireMonitorMutex, force);
}

int DvCtrlReleaseMonitorMutex(const char* id1, const char* id2, int force) {
    return CallMonitor<YesNoResult>(id1, id2, AskMutex, &VarnMonitorInterface::ReleaseMonitorMutex, force);
}

int DvCtrlSupportedMonitorMutex(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, [](VarnMonitor& monitor) {
        int32_t flag = 0;
        const DvError result = FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
            return path.QueryMonitorMutex(kMonitorMutexCode, &flag);
        });
        return result < 0 ? 0 : flag;
    });
}

DvError DvCtrlGetHIDHandle(const char* id1, const char* id2, uint32_t* handle) {
    return CallMonitor<ErrorResult>(id1, id2, [handle](VarnMonitor& monitor) {
        return FirstSuccess(monitor.Paths(), [handle](VarnMonitorInterface& path) { return path.GetHandle(handle); });
    });
}

}  // extern "C"
