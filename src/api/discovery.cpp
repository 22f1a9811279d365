// Exports that find, add and remove monitors. Each changes the registry
// inside the exclusive section, so no call or report is in flight while
// monitors and paths come and go.
#include <string>

#include "api/exclusive.hpp"
#include "api/fixed_text.hpp"
#include "api/frame_state.hpp"
#include "api/reader_share.hpp"
#include "features/reports.hpp"
#include "libdvc/dvc_discovery.h"
#include "paths/varn_hid_monitor.hpp"
#include "registry/discovery.hpp"
#include "registry/registry.hpp"
#include "registry/settings_file.hpp"

using dvc::registry::Registry;

using dvc::api::CopyFixed;
using dvc::api::kModelBytes;
using dvc::api::kSerialBytes;

namespace {
// An exclusive operation started from inside a report callback would wait
// for that callback to finish, that is for itself; it is refused instead.
bool OnReportThread() { return dvc::api::ReportThreadFlag(); }

// Adds the path for `handle` and identifies its monitor. The caller holds
// the exclusive section and the registry lock.
DvError AddByHandle(uint32_t handle, std::string& serial, std::string& model) {
    VarnHIDMonitor* path = VarnHIDMonitor::AddMonitor(handle, &serial, &model);
    if (path == nullptr) return DvErrDeviceNotUsable;
    dvc::registry::MergePath(*path, DvPathHID);
    auto& registry = Registry::Instance();
    registry.Publish();
    VarnMonitor* monitor = registry.Find(serial, model);
    if (monitor == nullptr) return DvErrFailed;
    const DvError result = monitor->ReadModelRecord();
    monitor->ReadFlavorTable();
    return result;
}
}  // namespace

extern "C" {

int DvCtrlFind(const int* kinds, int count) {
    if (OnReportThread()) return 0;
    dvc::api::ExclusiveSection exclusive;
    dvc::api::RegistryShare registryLock;
    try {
        return dvc::registry::Discover(dvc::registry::BuildKindList(kinds, count));
    } catch (...) {
        // Out of memory half-way: whatever was merged stays registered.
        Registry::Instance().Publish();
        return static_cast<int>(Registry::Instance().Size());
    }
}

int DvCtrlFindWithFile(const char* path) {
    try {
        const auto kinds = dvc::registry::ReadSettingsFile(dvc::registry::SettingsFilePath(path));
        if (!kinds) return DvCtrlFind(nullptr, 0);
        return DvCtrlFind(kinds->data(), static_cast<int>(kinds->size()));
    } catch (...) {
        return DvCtrlFind(nullptr, 0);
    }
}

DvError DvCtrlRelease(void) {
    if (OnReportThread()) return DvErrFailed;
    dvc::api::ExclusiveSection exclusive;
    dvc::api::RegistryShare registryLock;
    // An operation still running on a monitor (possible in thread-unsafe
    // mode) or a host's DvCtrlLockMonitor finishes before the monitor goes.
    for (const auto& [key, monitor] : Registry::Instance().Entries()) {
        monitor->MonitorLock().Enter();
        monitor->MonitorLock().Leave();
    }
    dvc::registry::ReleaseEverything();
    return DvOk;
}

// Runs exclusively, unlike a plain registry change: it edits the path list
// of a monitor that other threads may be using and replaces the registry
// that they look monitors up in.
DvError DvCtrlAddMonitorInstance(uint32_t handle, char* serial, char* model) {
    if (handle == 0) return DvErrInvalidParameter;
    if (OnReportThread()) return DvErrFailed;
    dvc::api::ExclusiveSection exclusive;
    dvc::api::RegistryShare registryLock;
    try {
        std::string first;
        std::string second;
        const DvError result = AddByHandle(handle, first, second);
        if (result == DvErrDeviceNotUsable) return result;
        if (serial != nullptr) CopyFixed(serial, first, kSerialBytes);
        if (model != nullptr) CopyFixed(model, second, kModelBytes);
        return result;
    } catch (...) {
        Registry::Instance().Publish();
        return DvErrFailed;
    }
}

// The monitor's paths over other transports stay in their lists, out of
// reach, until the next release or discovery frees them.
DvError DvCtrlRemoveMonitorInstance(const char* id1, const char* id2) {
    if (id1 == nullptr || id2 == nullptr) return DvErrInvalidParameter;
    if (OnReportThread()) return DvErrFailed;
    dvc::api::ExclusiveSection exclusive;
    dvc::api::RegistryShare registryLock;
    try {
        const std::string serial(id1);
        const std::string model(id2);
        // The transport would otherwise go on reporting to a monitor that
        // is gone; the host's teardown callback runs here instead.
        auto& registry = Registry::Instance();
        if (VarnMonitor* monitor = registry.Find(serial, model)) dvc::features::EndReports(*monitor);
        // A monitor reached only over DDC/CI has no HID path to remove and
        // stays registered. Otherwise its HID path is gone and the monitor,
        // which nothing can reach during the exclusive section, goes too.
        const DvError result = VarnHIDMonitor::RemoveMonitor(serial, model);
        if (result < 0) return result;
        registry.Destroy(serial, model);
        registry.Publish();
        return result;
    } catch (...) {
        return DvErrFailed;
    }
}

}  // extern "C"
