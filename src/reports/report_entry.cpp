#include "reports/report_entry.hpp"

#include "api/frame_state.hpp"
#include "api/report_gate.hpp"
#include "features/device_locks.hpp"
#include "registry/varn_monitor.hpp"

namespace dvc::reports {

namespace {

// A report is the monitor's only when it came over the monitor's own HID
// path; the handle lookup reads no bus.
bool FromMonitor(VarnMonitor& monitor, uint32_t handle) {
    uint32_t own = 0;
    const DvError r = features::GetHIDHandle(monitor, &own);
    return (r >= 0 || r == DvErrRefused) && own == handle;
}

}  // namespace

void ReportEntry(uint32_t handle, uint32_t code, const void* data, uint32_t size, void* context) {
    const api::ReportGate gate;
    if (!gate.Open() || context == nullptr) return;
    auto& monitor = *static_cast<VarnMonitor*>(context);
    try {
        if (!FromMonitor(monitor, handle)) return;
        monitor.Callbacks().Dispatch(monitor.SerialNumber().c_str(), monitor.ModelName().c_str(),
                                     static_cast<int32_t>(code), data, size);
    } catch (...) {
        // Nothing crosses back into the transport.
    }
}

// Runs on the thread that ends the stream (a report stop, a release), which
// may hold the exclusive section: it does not pass the report gate.
void TeardownEntry(uint32_t handle, void* context) {
    if (context == nullptr) return;
    bool& onReportThread = api::ReportThreadFlag();
    const bool was = onReportThread;
    onReportThread = true;
    auto& monitor = *static_cast<VarnMonitor*>(context);
    try {
        if (FromMonitor(monitor, handle)) {
            monitor.Callbacks().SetReporting(false);
            monitor.Callbacks().DispatchTeardown(monitor.SerialNumber().c_str(), monitor.ModelName().c_str());
        }
    } catch (...) {}
    onReportThread = was;
}

}  // namespace dvc::reports
