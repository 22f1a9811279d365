// Inputs, signal, layouts and USB: the operations with waits, selections
// and decodings of their own. Each checks its arguments, then asks the
// paths under the first-answer rule.
#include "features/modes_inputs.hpp"

#include "features/path_rules.hpp"
#include "paths/modes_inputs.hpp"

namespace dvc::features {

namespace {
bool IsByte(int value) { return value >= 0 && value <= 0xFF; }
}  // namespace

DvError ExecuteEDIDDDCWrite(VarnMonitor& monitor) {
    return FirstAnswer(monitor.Paths(), [](VarnMonitorInterface& path) { return paths::ExecuteEDIDDDCWrite(path); });
}

DvError SetAutoAdjust(VarnMonitor& monitor, int kind, int wait) {
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::SetAutoAdjust(path, kind, wait); });
}

DvError GetIISArea(VarnMonitor& monitor, int index, DvIISArea* area) {
    if (index < 0 || area == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::GetIISArea(path, static_cast<uint32_t>(index), area);
    });
}

DvError SetIISArea(VarnMonitor& monitor, int index, const DvIISArea* area) {
    if (index < 0 || area == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::SetIISArea(path, static_cast<uint32_t>(index), *area);
    });
}

DvError SetOutputSegmentProperty(VarnMonitor& monitor, int segment, const DvOutputSegmentProperty* property) {
    if (segment < 0 || property == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::SetOutputSegmentProperty(path, static_cast<uint32_t>(segment), *property);
    });
}

DvError GetOutputSegmentProperty(VarnMonitor& monitor, int segment, DvOutputSegmentProperty* property) {
    if (segment < 0 || property == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::GetOutputSegmentProperty(path, static_cast<uint32_t>(segment), property);
    });
}

DvError GetOutputSegmentPropertyConstant(VarnMonitor& monitor, int segment, DvOutputSegmentProperty* property) {
    if (segment < 0 || property == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::GetOutputSegmentPropertyConstant(path, static_cast<uint32_t>(segment), property);
    });
}

DvError SetUSBSelection(VarnMonitor& monitor, int port) {
    if (!IsByte(port)) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::SetUSBSelection(path, static_cast<uint8_t>(port));
    });
}

DvError ClearTargetSelection(VarnMonitor& monitor) {
    return FirstAnswer(monitor.Paths(), [](VarnMonitorInterface& path) { return paths::ClearTargetSelection(path); });
}

DvError GetSignalInfoFrame(VarnMonitor& monitor, DvSignalInfoFrame* info) {
    if (info == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::GetSignalInfoFrame(path, info); });
}

}  // namespace dvc::features
