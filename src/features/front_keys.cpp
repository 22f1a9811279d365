// Virtual keys, the indicator screen, and the keys the custom key lock can
// lock.
#include <algorithm>
#include <vector>

#include "features/keys_osd.hpp"
#include "features/path_rules.hpp"
#include "paths/custom_key_lock.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/virtual_keys.hpp"

namespace dvc::features {

DvError EnumVirtualKey(VarnMonitor& monitor, int index, int* key) {
    if (key == nullptr) return DvErrInvalidParameter;
    if (index < 0) return DvErrNoMoreItems;
    // The end of the list on one path is the answer, whatever later paths say.
    bool ended = false;
    const DvError result = FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        const DvError r = paths::EnumVirtualKey(path, index, key);
        ended = ended || r == DvErrNoMoreItems;
        return r;
    });
    return !paths::Usable(result) && ended ? DvErrNoMoreItems : result;
}

DvError ShowIndicatorOSD(VarnMonitor& monitor) {
    return FirstAnswer(monitor.Paths(), [](VarnMonitorInterface& path) { return paths::ShowIndicatorOSD(path); });
}

DvError HideIndicatorOSD(VarnMonitor& monitor) {
    return FirstAnswer(monitor.Paths(), [](VarnMonitorInterface& path) { return paths::HideIndicatorOSD(path); });
}

// `count` receives how many keys there are, also when `capacity` is short.
DvError GetAvailableDsCustomKeyLock(VarnMonitor& monitor, int* keys, int capacity, int* count) {
    if (count == nullptr || capacity < 0 || (keys == nullptr && capacity != 0)) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        std::vector<int> lockable;
        const DvError result = paths::ReadLockableKeys(path, lockable);
        if (!paths::Usable(result)) return result;
        *count = static_cast<int>(lockable.size());
        std::copy_n(lockable.begin(), std::min(lockable.size(), static_cast<std::size_t>(capacity)), keys);
        return result;
    });
}

// The lock itself, and at least one key it can lock.
int SupportedDsCustomKeyLock(VarnMonitor& monitor) {
    return AnyPath(monitor.Paths(), [](VarnMonitorInterface& path) {
        std::vector<int> lockable;
        return paths::SupportedByFixedData(path, codes::kDsCustomKeyLock) &&
                       paths::Usable(paths::ReadLockableKeys(path, lockable)) && !lockable.empty()
                   ? 1
                   : 0;
    });
}

}  // namespace dvc::features
