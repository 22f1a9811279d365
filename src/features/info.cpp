// Reset and save.
#include "features/info.hpp"

#include "features/path_rules.hpp"
#include "paths/info.hpp"

namespace dvc::features {

DvError Reset(VarnMonitor& monitor, int kind) {
    if (kind < 0) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::Reset(path, kind); });
}

DvError EachReset(VarnMonitor& monitor, int value) {
    return FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::EachReset(path, static_cast<uint32_t>(value));
    });
}

DvError CurrentSave(VarnMonitor& monitor, int kind, int value) {
    return FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::CurrentSave(path, kind, static_cast<uint32_t>(value));
    });
}

}  // namespace dvc::features
