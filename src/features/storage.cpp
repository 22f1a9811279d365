// The asset tag.
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

}  // namespace dvc::features
