// The asset tag, the unique device identifier and the usage time.
#include "features/storage.hpp"

#include "features/path_rules.hpp"
#include "paths/storage.hpp"

namespace dvc::features {

DvError GetAssetTag(VarnMonitor& monitor, char* buffer, int size) {
    if (size <= 0) return DvErrSizeMismatch;
    if (buffer == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::GetAssetTag(path, buffer, static_cast<uint32_t>(size));
    });
}

DvError GetAssetTagSize(VarnMonitor& monitor, int* size) {
    if (size == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::GetAssetTagSize(path, size); });
}

DvError SetEnableAssetTag(VarnMonitor& monitor, int value) {
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::SetEnableAssetTag(path, value); });
}

DvError SetAssetTag(VarnMonitor& monitor, const char* text) {
    if (text == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::SetAssetTag(path, text); });
}

DvError GetUDI(VarnMonitor& monitor, char* buffer, int size) {
    if (size <= 0) return DvErrSizeMismatch;
    if (buffer == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::GetUDI(path, buffer, static_cast<uint32_t>(size));
    });
}

DvError GetUDISize(VarnMonitor& monitor, int* size) {
    if (size == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::GetUDISize(path, size); });
}

DvError SetUDI(VarnMonitor& monitor, const char* text) {
    if (text == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::SetUDI(path, text); });
}

// An older feature: a refusal on one path does not stop the search.
DvError GetUsageTime(VarnMonitor& monitor, int* hours, int* minutes) {
    if (hours == nullptr || minutes == nullptr) return DvErrInvalidParameter;
    return FirstSuccess(monitor.Paths(),
                        [&](VarnMonitorInterface& path) { return paths::GetUsageTime(path, hours, minutes); });
}

}  // namespace dvc::features
