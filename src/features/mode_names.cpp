// Colour-mode names. Every operation first asks whether the monitor has
// colour modes at all; a name that does not fit the caller's buffer is
// refused, never cut short.
#include <cstring>

#include "features/modes.hpp"
#include "features/path_rules.hpp"
#include "features/table_rows.hpp"
#include "paths/named_entries.hpp"

namespace dvc::features {

bool HasColourModes(VarnMonitor& monitor) { return Run<rows::SupportedMode>(monitor) != 0; }

DvError GetModeName(VarnMonitor& monitor, int index, char* buffer, int capacity) {
    if (!HasColourModes(monitor)) {
        if (buffer != nullptr && capacity > 0) buffer[0] = '\0';
        return DvErrNotSupported;
    }
    if (buffer == nullptr || capacity <= 0 || index < 0) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        std::string name;
        const DvError result = paths::ReadName(path, paths::kModeNames, static_cast<uint32_t>(index), name);
        if (!paths::Usable(result)) return result;
        if (name.size() >= static_cast<std::size_t>(capacity)) return DvErrSizeMismatch;
        std::memcpy(buffer, name.c_str(), name.size() + 1);
        return result;
    });
}

// The size is the same for every mode: the longest name the monitor keeps.
int GetModeNameSize(VarnMonitor& monitor, int index) {
    if (index < 0 || !HasColourModes(monitor)) return 0;
    int32_t size = 0;
    const DvError result = FirstAnswer(
        monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::NameSize(path, paths::kModeNames, &size); });
    return paths::Usable(result) ? size : 0;
}

DvError SetModeName(VarnMonitor& monitor, int index, const char* name) {
    if (!HasColourModes(monitor)) return DvErrNotSupported;
    if (name == nullptr || index < 0) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::WriteName(path, paths::kModeNames, static_cast<uint32_t>(index), name);
    });
}

}  // namespace dvc::features
