// Colour disabling around luminance updates, and the primaries' chromaticity.
#include "features/path_rules.hpp"
#include "libdvc/dvc_picture.h"
#include "paths/special_candela.hpp"
#include "paths/varn_monitor_interface.hpp"
#include "registry/varn_monitor.hpp"

using dvc::features::FirstAnswer;
using dvc::features::FirstSuccess;

DvError VarnMonitor::SetColorDisable(int value, int* previous, int waitMs) {
    if (waitMs < 0) return DvErrInvalidParameter;
    uint32_t before = previous != nullptr ? static_cast<uint32_t>(*previous) : 0;
    const DvError result = FirstAnswer(Paths(), [&](VarnMonitorInterface& path) {
        return path.SetColorDisable(static_cast<uint32_t>(value), previous != nullptr ? &before : nullptr,
                                    static_cast<uint32_t>(waitMs));
    });
    if (previous != nullptr) *previous = static_cast<int>(before);
    return result;
}

DvError VarnMonitor::DisableColorForCandelaUpdate(DvColorDisableState** state, int waitMs) {
    if (state == nullptr || waitMs < 0) return DvErrInvalidParameter;
    return FirstAnswer(Paths(), [&](VarnMonitorInterface& path) {
        return path.DisableColorForCandelaUpdate(state, static_cast<uint32_t>(waitMs));
    });
}

DvError VarnMonitor::RestoreDisableColorForCandelaUpdate(const DvColorDisableState* state) {
    if (state == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(Paths(),
                       [&](VarnMonitorInterface& path) { return path.RestoreDisableColorForCandelaUpdate(*state); });
}

DvError VarnMonitor::GetRGBWChromaticities(colour* red, colour* green, colour* blue, colour* white) {
    if (red == nullptr || green == nullptr || blue == nullptr || white == nullptr) return DvErrInvalidParameter;
    return FirstSuccess(Paths(), [&](VarnMonitorInterface& path) {
        return path.GetRGBWChromaticities(red, green, blue, white);
    });
}
