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

// The gamma code, on 0x70 or, for monitors without it, on 0x24.
DvError ReadGammaCode(VarnMonitorInterface& path, uint32_t* code);
DvError WriteGammaCode(VarnMonitorInterface& path, uint32_t code);

// The brightness regulator as a level rather than on/off: the encoding of
// the modes whose flavour is 2.
DvError WriteBrightRegulatorLevel(VarnMonitorInterface& path, int32_t level);

// Luminance, in units of 0.01 cd/m2 on the wire. `status` (may be null),
// when the monitor reports it: 0 once the luminance has settled.
DvError GetCandela(VarnMonitorInterface& path, double* candela, int32_t* status);
DvError SetCandela(VarnMonitorInterface& path, uint32_t hundredths);
// From the luminance parameters: minimum and maximum, then the step.
DvError GetRangeCandela(VarnMonitorInterface& path, double* maximum, double* minimum);
// HDR luminance range `index` of the on-screen display: {low, high} pairs
// of 16-bit cd/m2.
DvError GetCandelaOSDRangeHDR(VarnMonitorInterface& path, int32_t index, int32_t* maximum, int32_t* minimum);

// Every set of primaries the monitor keeps, 16 bytes each (x, y of red,
// green, blue and white); `sets` must be the monitor's count.
DvError GetSystemChromaticityAll(VarnMonitorInterface& path, double* xy, int32_t sets);
DvError SetSystemChromaticityAll(VarnMonitorInterface& path, const double* xy, int32_t sets);

// One gain definition table, asked by number: a 2-byte request {table, 0},
// a 75-byte reply whose first byte 0xFF names no table.
inline constexpr uint32_t kGainDefinitionBytes = 75;
DvError GetGainDefinition(VarnMonitorInterface& path, uint8_t table, uint8_t* definition);

}  // namespace dvc::paths
