// The monitor-held mutex: several processes on one machine agree who drives
// a monitor by keeping the owner's process id in a value of the monitor.
// Read and write are two separate transactions, so the mutex is advisory.
#include "paths/varn_ddcci_monitor.hpp"
#include "platform/process.hpp"

namespace {
constexpr uint32_t kNoOwner = 0;

// Held by another process that still runs.
bool HeldByOther(uint32_t owner, uint32_t self) {
    return owner != kNoOwner && owner != self && dvc::platform::IsProcessRunning(owner);
}
}  // namespace

DvError VarnDDCCIMonitor::AcquireMonitorMutex(const uint32_t& code, int* acquired, int force) {
    int ignored = 0;
    int& done = acquired != nullptr ? *acquired : ignored;
    const uint32_t self = dvc::platform::CurrentProcessId();
    if (force == 0) {
        uint32_t owner = kNoOwner;
        const DvError read = ValueRead(code, &owner);
        if (read < 0) {
            done = 0;
            return read;
        }
        if (owner == self) {
            done = 1;
            return read;
        }
        if (HeldByOther(owner, self)) {
            done = 0;
            return read;
        }
    }
    // Free, forced, or left behind by a process that has ended.
    const DvError write = ValueWrite(code, self);
    done = write >= 0 ? 1 : 0;
    return write;
}

DvError VarnDDCCIMonitor::ReleaseMonitorMutex(const uint32_t& code, int* released, int force) {
    int ignored = 0;
    int& done = released != nullptr ? *released : ignored;
    if (force == 0) {
        uint32_t owner = kNoOwner;
        const DvError read = ValueRead(code, &owner);
        if (read < 0) return read;
        if (HeldByOther(owner, dvc::platform::CurrentProcessId())) return read;
    }
    const DvError write = ValueWrite(code, kNoOwner);
    done = write >= 0 ? 1 : 0;
    return write;
}
