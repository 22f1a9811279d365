// Exports through which a host holds locks across several calls, and the
// switch between the threading modes.
#include "api/frame_state.hpp"
#include "api/reader_share.hpp"
#include "libdvc/dvc_lifecycle.h"
#include "registry/registry.hpp"

using dvc::api::FrameState;
using dvc::registry::Registry;

namespace {
// Reader shares that this thread keeps through DvCtrlLockMonitor. Only they
// are given back by DvCtrlUnlockMonitor, so a stray unlock cannot let an
// exclusive operation run past a call in flight.
thread_local uint32_t heldShares = 0;

VarnMonitor* FindWithoutRegistryLock(const char* id1, const char* id2) {
    if (id1 == nullptr || id2 == nullptr) return nullptr;
    return Registry::Instance().Find(id1, id2);
}

void GiveBackHeldShare() {
    if (heldShares == 0) return;
    --heldShares;
    FrameState::Instance().readers.Decrement();
}
}  // namespace

extern "C" {

void DvCtrlSetThreadUnsafeOption(int option) { FrameState::Instance().SetThreadUnsafeOption(option); }

void DvCtrlLock(void) {
    auto& state = FrameState::Instance();
    if (state.TakesRegistryLock()) state.registry.Enter();
}

void DvCtrlUnlock(void) {
    auto& state = FrameState::Instance();
    if (state.TakesRegistryLock()) state.registry.Leave();
}

// A failed lock gives its reader share back at once: a share that no
// unlock ever returns would hold every exclusive operation back for ever.
DvError DvCtrlLockMonitor(const char* id1, const char* id2) {
    dvc::api::ReaderShare share;
    if (share.Busy()) return DvErrFailed;
    VarnMonitor* monitor = FindWithoutRegistryLock(id1, id2);
    if (monitor == nullptr) return DvErrFailed;
    monitor->MonitorLock().Enter();
    if (share.Detach()) ++heldShares;
    return DvOk;
}

DvError DvCtrlUnlockMonitor(const char* id1, const char* id2) {
    VarnMonitor* monitor = FindWithoutRegistryLock(id1, id2);
    if (monitor != nullptr) monitor->MonitorLock().Leave();
    GiveBackHeldShare();
    return monitor != nullptr ? DvOk : DvErrFailed;
}

}  // extern "C"
