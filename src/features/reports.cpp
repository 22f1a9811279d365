#include "features/reports.hpp"

#include <memory>

#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/varn_monitor_interface.hpp"
#include "reports/report_codes.hpp"
#include "reports/report_entry.hpp"

namespace dvc::features {

namespace report = VarnMonitorReport;

namespace {

// A null function still registers: reports of that kind then reach nothing.
template <class Callback, class Func>
DvError Register(VarnMonitor& monitor, int32_t code, Func func, void* context) {
    return monitor.Callbacks().Register(code, std::make_shared<Callback>(func, context));
}

}  // namespace

DvError RegisterVirtualKeyReport(VarnMonitor& monitor, DvKeyReportFunc func, void* context) {
    return Register<report::VirtualKeyReportCallback>(monitor, reports::kVirtualKey, func, context);
}

DvError RegisterVirtualKeyMFReport(VarnMonitor& monitor, DvKeyReportFunc func, void* context) {
    return Register<report::VirtualKeyMFReportCallback>(monitor, reports::kVirtualKeyMF, func, context);
}

DvError RegisterTonalityReport(VarnMonitor& monitor, DvValueReportFunc func, void* context) {
    return Register<report::TonalityReportCallback>(monitor, reports::kTonality, func, context);
}

DvError RegisterModeReport(VarnMonitor& monitor, DvValueReportFunc func, void* context) {
    return Register<report::ModeReportCallback>(monitor, reports::kColorMode, func, context);
}

DvError RegisterMonitorDirectionReport(VarnMonitor& monitor, DvValueReportFunc func, void* context) {
    return Register<report::DirectionReportCallback>(monitor, reports::kMonitorDirection, func, context);
}

DvError RegisterUSBSelectionReport(VarnMonitor& monitor, DvUSBSelectionReportFunc func, void* context) {
    return Register<report::USBSelectionReportCallback>(monitor, reports::kUSBSelection, func, context);
}

DvError RegisterGenericReport(VarnMonitor& monitor, uint32_t mask, DvEventReportFunc func, void* context) {
    return monitor.Callbacks().RegisterGeneric(mask,
                                               std::make_shared<report::GenericReportCallbackProcess>(func, context));
}

DvError RegisterTeardownReport(VarnMonitor& monitor, DvEventReportFunc func, void* context) {
    monitor.Callbacks().SetTeardown(std::make_shared<report::ReportTeardownCallback>(func, context));
    return DvOk;
}

DvError UnregisterCallbackAll(VarnMonitor& monitor) {
    monitor.Callbacks().UnregisterAll();
    return DvOk;
}

DvError StartReport(VarnMonitor& monitor) {
    const DvError r = FirstAnswer(monitor.Paths(), [&monitor](VarnMonitorInterface& path) {
        return path.ReportOn(reports::ReportEntry, reports::TeardownEntry, &monitor);
    });
    if (r >= 0) monitor.Callbacks().SetReporting(true);
    return r;
}

DvError StopReport(VarnMonitor& monitor) {
    const DvError r = FirstAnswer(monitor.Paths(), [](VarnMonitorInterface& path) { return path.ReportOff(); });
    if (r >= 0) monitor.Callbacks().SetReporting(false);
    return r;
}

void EndReports(VarnMonitor& monitor) {
    if (monitor.Callbacks().Reporting()) StopReport(monitor);
}

int SupportedGenericReport(VarnMonitor& monitor) {
    return AnyPath(monitor.Paths(),
                   [](VarnMonitorInterface& path) { return paths::SupportFlag(path, codes::kGenericReport); });
}

}  // namespace dvc::features
