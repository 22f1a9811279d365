// The report operations of a logical monitor: registering the host's
// callbacks, turning the monitor's reports on and off, and whether it sends
// generic events.
#pragma once

#include <cstdint>

#include "libdvc/dvc_reports.h"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

DvError RegisterVirtualKeyReport(VarnMonitor& monitor, DvKeyReportFunc func, void* context);
DvError RegisterVirtualKeyMFReport(VarnMonitor& monitor, DvKeyReportFunc func, void* context);
DvError RegisterTonalityReport(VarnMonitor& monitor, DvValueReportFunc func, void* context);
DvError RegisterModeReport(VarnMonitor& monitor, DvValueReportFunc func, void* context);
DvError RegisterMonitorDirectionReport(VarnMonitor& monitor, DvValueReportFunc func, void* context);
DvError RegisterUSBSelectionReport(VarnMonitor& monitor, DvUSBSelectionReportFunc func, void* context);
DvError RegisterGenericReport(VarnMonitor& monitor, uint32_t mask, DvEventReportFunc func, void* context);
DvError RegisterTeardownReport(VarnMonitor& monitor, DvEventReportFunc func, void* context);
DvError UnregisterCallbackAll(VarnMonitor& monitor);

// First answer of the paths; only the HID path delivers reports.
DvError StartReport(VarnMonitor& monitor);
DvError StopReport(VarnMonitor& monitor);
// Turns reports off if they are on; for a monitor about to lose its HID path.
void EndReports(VarnMonitor& monitor);

int SupportedGenericReport(VarnMonitor& monitor);

}  // namespace dvc::features
