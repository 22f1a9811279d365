// Per-path encodings of the picture area that are more than a table row.
#pragma once

#include <cstdint>

#include "libdvc/dvc_types.h"
#include "paths/varn_monitor_interface.hpp"

// The record that DvCtrlDisableColorForCandelaUpdate hands to its caller:
// what to put back afterwards.
struct DvColorDisableState {
    uint32_t colourWasDisabled;  // 1: colour processing was already off
    uint32_t lutWasOn;           // 1: the 3D LUT was on (or could not be asked)
};

namespace dvc::paths {

// Colour processing off (1) or on (0); the value before goes to `previous`
// when it could be read. Switching off from on refreshes the tone-curve
// state and gives the picture `waitMs` to settle.
DvError SetColorDisable(VarnMonitorInterface& path, uint32_t value, uint32_t* previous, uint32_t waitMs);
// Colour processing and the 3D LUT off while the luminance is updated; the
// record (allocated here, owned by the caller) says what to put back.
DvError DisableColorForCandelaUpdate(VarnMonitorInterface& path, DvColorDisableState** state, uint32_t waitMs);
DvError RestoreDisableColorForCandelaUpdate(VarnMonitorInterface& path, const DvColorDisableState& state);
// x and y of the primaries and white: from the monitor's chromaticity
// controls when it has them, else from its EDID.
DvError GetRGBWChromaticities(VarnMonitorInterface& path, colour* red, colour* green, colour* blue, colour* white);

}  // namespace dvc::paths
