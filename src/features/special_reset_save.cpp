// Reset and save.
#include "features/path_rules.hpp"
#include "paths/varn_monitor_interface.hpp"
#include "registry/varn_monitor.hpp"

using dvc::features::FirstAnswer;
using dvc::features::FirstSuccess;

DvError VarnMonitor::Reset(int kind) {
    if (kind < 0) return DvErrInvalidParameter;
    return FirstAnswer(Paths(), [&](VarnMonitorInterface& path) { return path.Reset(kind, 0); });
}

DvError VarnMonitor::EachReset(int value) {
    return FirstSuccess(Paths(), [&](VarnMonitorInterface& path) {
        return path.EachReset(static_cast<uint32_t>(value));
    });
}

DvError VarnMonitor::CurrentSave(int kind, int value) {
    return FirstSuccess(Paths(), [&](VarnMonitorInterface& path) {
        return path.CurrentSave(kind, static_cast<uint32_t>(value));
    });
}
