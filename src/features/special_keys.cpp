// The centre cross marker and the key push counter.
#include "features/path_rules.hpp"
#include "paths/varn_monitor_interface.hpp"
#include "registry/varn_monitor.hpp"

using dvc::features::FirstAnswer;

DvError VarnMonitor::ShowCenterCrossMarker() {
    return FirstAnswer(Paths(), [](VarnMonitorInterface& path) { return path.ShowCenterCrossMarker(); });
}

DvError VarnMonitor::HideCenterCrossMarker() {
    return FirstAnswer(Paths(), [](VarnMonitorInterface& path) { return path.HideCenterCrossMarker(); });
}

DvError VarnMonitor::GetKeyPushCount(int key, int* count) {
    if (key < 0 || key > 0xFF || count == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(Paths(), [&](VarnMonitorInterface& path) {
        return path.GetKeyPushCount(static_cast<uint8_t>(key), count);
    });
}
