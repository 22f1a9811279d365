#include "features/device_locks.hpp"

#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/varn_monitor_interface.hpp"

namespace dvc::features {

namespace {

using MutexPrimitive = DvError (VarnMonitorInterface::*)(const uint32_t&, int*, int);

int AskMutex(VarnMonitor& monitor, MutexPrimitive primitive, int force) {
    int done = 0;
    const DvError result = FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return (path.*primitive)(codes::kMonitorMutex, &done, force);
    });
    return result < 0 ? 0 : done;
}

}  // namespace

DvError EnterCriticalSection(VarnMonitor& monitor) {
    return FirstAnswer(monitor.Paths(), [](VarnMonitorInterface& path) { return path.EnterCriticalSection(); });
}

DvError ExitCriticalSection(VarnMonitor& monitor) {
    return FirstAnswer(monitor.Paths(), [](VarnMonitorInterface& path) { return path.ExitCriticalSection(); });
}

int SupportedCriticalSection(VarnMonitor& monitor) {
    return AnyPath(monitor.Paths(),
                   [](VarnMonitorInterface& path) { return path.SupportsCriticalSection() > 0 ? 1 : 0; });
}

int GetMonitorMutex(VarnMonitor& monitor, int force) {
    return AskMutex(monitor, &VarnMonitorInterface::AcquireMonitorMutex, force);
}

int ReleaseMonitorMutex(VarnMonitor& monitor, int force) {
    return AskMutex(monitor, &VarnMonitorInterface::ReleaseMonitorMutex, force);
}

int SupportedMonitorMutex(VarnMonitor& monitor) {
    int32_t flag = 0;
    const DvError result = FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return path.QueryMonitorMutex(codes::kMonitorMutex, &flag);
    });
    return result < 0 ? 0 : flag;
}

DvError GetHIDHandle(VarnMonitor& monitor, uint32_t* handle) {
    // A null out-pointer is the paths' to answer: the HID path fails, the
    // DDC/CI path does not implement the call, and the last path decides.
    return FirstSuccess(monitor.Paths(), [handle](VarnMonitorInterface& path) { return path.GetHandle(handle); });
}

}  // namespace dvc::features
