// Operations of the picture area that are more than a table row.
#pragma once

#include "libdvc/dvc_picture.h"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

DvError SetColorDisable(VarnMonitor& monitor, int value, int* previous, int waitMs);
DvError DisableColorForCandelaUpdate(VarnMonitor& monitor, DvColorDisableState** state, int waitMs);
// Puts back what the record says; the caller frees the record.
DvError RestoreDisableColorForCandelaUpdate(VarnMonitor& monitor, const DvColorDisableState* state);
// Frees a record that DisableColorForCandelaUpdate handed out.
void FreeColorDisableState(DvColorDisableState* state);
DvError GetRGBWChromaticities(VarnMonitor& monitor, colour* red, colour* green, colour* blue, colour* white);
// The model's D65 reference colour; DvErrNotSupported when it has none.
DvError GetD65CRTColor(VarnMonitor& monitor, colour* d65);
// In modes of flavour 2 the regulator is written as a level, elsewhere as
// on/off; the first path that takes it ends the search.
DvError SetBrightRegulator(VarnMonitor& monitor, int value);

// Luminance in cd/m2; `status` (may be null) is written when the monitor
// reports whether the luminance has settled (0).
DvError GetCandela(VarnMonitor& monitor, double* candela, int* status);
DvError SetCandela(VarnMonitor& monitor, double candela);
DvError GetRangeCandela(VarnMonitor& monitor, double* maximum, double* minimum);
DvError GetCandelaOSDRangeHDR(VarnMonitor& monitor, int index, int* maximum, int* minimum);

// Every set of system primaries: 8 doubles per set, `sets` the monitor's
// count.
DvError GetSystemChromaticityAll(VarnMonitor& monitor, double* xy, int sets);
DvError SetSystemChromaticityAll(VarnMonitor& monitor, const double* xy, int sets);
// Gain definition table `table` (0 to 255): its 75 bytes.
DvError GetGainDefinition(VarnMonitor& monitor, int table, uint8_t* definition);

}  // namespace dvc::features
