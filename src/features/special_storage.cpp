// The asset tag.
#include "features/path_rules.hpp"
#include "paths/varn_monitor_interface.hpp"
#include "registry/varn_monitor.hpp"

using dvc::features::FirstAnswer;

DvError VarnMonitor::GetAssetTag(char* buffer, int size) {
    if (size <= 0) return DvErrSizeMismatch;
    if (buffer == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(Paths(), [&](VarnMonitorInterface& path) {
        return path.GetAssetTag(buffer, static_cast<uint32_t>(size));
    });
}

DvError VarnMonitor::GetAssetTagSize(int* size) {
    if (size == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(Paths(), [&](VarnMonitorInterface& path) { return path.GetAssetTagSize(size); });
}

DvError VarnMonitor::SetEnableAssetTag(int value) {
    return FirstAnswer(Paths(), [&](VarnMonitorInterface& path) { return path.SetEnableAssetTag(value); });
}
