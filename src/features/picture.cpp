// Colour disabling around luminance updates, and the primaries' chromaticity.
#include "features/picture.hpp"

#include "features/path_rules.hpp"
#include "paths/picture.hpp"

namespace dvc::features {

DvError SetColorDisable(VarnMonitor& monitor, int value, int* previous, int waitMs) {
    if (waitMs < 0) return DvErrInvalidParameter;
    uint32_t before = previous != nullptr ? static_cast<uint32_t>(*previous) : 0;
    const DvError result = FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::SetColorDisable(path, static_cast<uint32_t>(value), previous != nullptr ? &before : nullptr,
                                      static_cast<uint32_t>(waitMs));
    });
    if (previous != nullptr) *previous = static_cast<int>(before);
    return result;
}

DvError DisableColorForCandelaUpdate(VarnMonitor& monitor, DvColorDisableState** state, int waitMs) {
    if (state == nullptr || waitMs < 0) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::DisableColorForCandelaUpdate(path, state, static_cast<uint32_t>(waitMs));
    });
}

DvError RestoreDisableColorForCandelaUpdate(VarnMonitor& monitor, const DvColorDisableState* state) {
    if (state == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::RestoreDisableColorForCandelaUpdate(path, *state);
    });
}

void FreeColorDisableState(DvColorDisableState* state) { delete state; }

DvError GetRGBWChromaticities(VarnMonitor& monitor, colour* red, colour* green, colour* blue, colour* white) {
    if (red == nullptr || green == nullptr || blue == nullptr || white == nullptr) return DvErrInvalidParameter;
    return FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::GetRGBWChromaticities(path, red, green, blue, white);
    });
}

}  // namespace dvc::features
