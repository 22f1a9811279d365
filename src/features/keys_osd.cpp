// The centre cross marker and the key push counter.
#include "features/keys_osd.hpp"

#include "features/path_rules.hpp"
#include "paths/keys_osd.hpp"

namespace dvc::features {

DvError ShowCenterCrossMarker(VarnMonitor& monitor) {
    return FirstAnswer(monitor.Paths(), [](VarnMonitorInterface& path) { return paths::ShowCenterCrossMarker(path); });
}

DvError HideCenterCrossMarker(VarnMonitor& monitor) {
    return FirstAnswer(monitor.Paths(), [](VarnMonitorInterface& path) { return paths::HideCenterCrossMarker(path); });
}

DvError GetKeyPushCount(VarnMonitor& monitor, int key, int* count) {
    if (key < 0 || key > 0xFF || count == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::GetKeyPushCount(path, static_cast<uint8_t>(key), count);
    });
}

}  // namespace dvc::features
