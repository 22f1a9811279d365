// Inputs, signal, layouts and USB: the operations with waits, selections
// and decodings of their own.
#include "features/path_rules.hpp"
#include "libdvc/dvc_modes_inputs.h"
#include "paths/varn_monitor_interface.hpp"
#include "registry/varn_monitor.hpp"

using dvc::features::FirstAnswer;

namespace {
bool IsByte(int value) { return value >= 0 && value <= 0xFF; }
}  // namespace

DvError VarnMonitor::ExecuteEDIDDDCWrite() {
    return FirstAnswer(Paths(), [](VarnMonitorInterface& path) { return path.ExecuteEDIDDDCWrite(); });
}

DvError VarnMonitor::SetAutoAdjust(int kind, int wait) {
    return FirstAnswer(Paths(), [&](VarnMonitorInterface& path) { return path.SetAutoAdjust(kind, wait); });
}

DvError VarnMonitor::GetIISArea(int index, DvIISArea* area) {
    if (index < 0 || area == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(Paths(), [&](VarnMonitorInterface& path) {
        return path.GetIISArea(static_cast<uint32_t>(index), area);
    });
}

DvError VarnMonitor::GetOutputSegmentProperty(int segment, DvOutputSegmentProperty* property) {
    if (segment < 0 || property == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(Paths(), [&](VarnMonitorInterface& path) {
        return path.GetOutputSegmentProperty(static_cast<uint32_t>(segment), property);
    });
}

DvError VarnMonitor::GetOutputSegmentPropertyConstant(int segment, DvOutputSegmentProperty* property) {
    if (segment < 0 || property == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(Paths(), [&](VarnMonitorInterface& path) {
        return path.GetOutputSegmentPropertyConstant(static_cast<uint32_t>(segment), property);
    });
}

DvError VarnMonitor::SetUSBSelection(int port) {
    if (!IsByte(port)) return DvErrInvalidParameter;
    return FirstAnswer(Paths(), [&](VarnMonitorInterface& path) {
        return path.SetUSBSelection(static_cast<uint8_t>(port));
    });
}

DvError VarnMonitor::ClearTargetSelection() {
    return FirstAnswer(Paths(), [](VarnMonitorInterface& path) { return path.ClearTargetSelection(); });
}

DvError VarnMonitor::GetSignalInfoFrame(DvSignalInfoFrame* info) {
    if (info == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(Paths(), [&](VarnMonitorInterface& path) { return path.GetSignalInfoFrame(info); });
}
