// Reset, save and the firmware version.
#include "features/info.hpp"

#include <cstring>
#include <string>

#include "features/path_rules.hpp"
#include "paths/firmware_versions.hpp"
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

DvError Save(VarnMonitor& monitor) {
    return FirstAnswer(monitor.Paths(), [](VarnMonitorInterface& path) { return paths::Save(path); });
}

DvError GetFirmwareVersion(VarnMonitor& monitor, char* buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        std::string text;
        const DvError result = paths::ReadFirmwareVersion(path, text);
        if (!paths::Usable(result)) return result;
        if (text.size() >= static_cast<std::size_t>(capacity)) return DvErrSizeMismatch;
        std::memcpy(buffer, text.c_str(), text.size() + 1);
        return result;
    });
}

}  // namespace dvc::features
