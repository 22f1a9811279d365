// The colour mode of each output segment, and the segments that are
// enabled. A segment that is not enabled has no mode to read or set.
#include <vector>

#include "features/modes.hpp"
#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/modes_inputs.hpp"

namespace dvc::features {

namespace {

DvError CheckEnabled(VarnMonitorInterface& path, int segment) {
    std::vector<uint8_t> enabled;
    const DvError result = paths::ReadEnabledSegments(path, enabled);
    if (!paths::Usable(result)) return result;
    if (static_cast<std::size_t>(segment) >= enabled.size() || enabled[static_cast<std::size_t>(segment)] == 0)
        return DvErrInvalidParameter;
    return result;
}

}  // namespace

DvError EnumEnabledOutputSegmentID(VarnMonitor& monitor, int index, int* segment) {
    if (segment == nullptr) return DvErrInvalidParameter;
    if (index < 0) return DvErrNoMoreItems;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        std::vector<uint8_t> enabled;
        const DvError result = paths::ReadEnabledSegments(path, enabled);
        if (!paths::Usable(result)) return result;
        int seen = 0;
        for (std::size_t s = 0; s < enabled.size(); ++s) {
            if (enabled[s] == 0) continue;
            if (seen++ == index) {
                *segment = static_cast<int>(s);
                return result;
            }
        }
        return DvErrNoMoreItems;
    });
}

DvError GetModeOfOutputSegment(VarnMonitor& monitor, int segment, int* mode) {
    if (segment < 0 || mode == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        const DvError checked = CheckEnabled(path, segment);
        if (!paths::Usable(checked)) return checked;
        return paths::BlockItemGet(path, codes::kModeOfOutputSegment, 1, segment, mode);
    });
}

DvError SetModeOfOutputSegment(VarnMonitor& monitor, int segment, int mode) {
    if (segment < 0 || mode < 0 || mode > 0xFF) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        const DvError checked = CheckEnabled(path, segment);
        if (!paths::Usable(checked)) return checked;
        return paths::BlockItemSet(path, codes::kModeOfOutputSegment, 1, segment, mode);
    });
}

}  // namespace dvc::features
