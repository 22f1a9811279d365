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

}  // namespace dvc::features
