// The current target, result and result setting of a monitor, moved as
// whole objects: from the paged items where the monitor has them, else from
// the older fixed blocks (the version-3 target, the version-1 result and
// the version-1 result setting).
#pragma once

#include "libdvc/dvc_types.h"
#include "selfcal/v5_objects.hpp"

class VarnMonitor;

namespace dvc::selfcal {

// A new object of `kind`, filled from the monitor. The object is handed out
// through `out` before anything is read, also when the read then fails.
DvError GetCurrent(VarnMonitor& monitor, ObjectKind kind, V5Object** out);

// Sends `object` (a live object of the library) to the monitor.
DvError SetCurrent(VarnMonitor& monitor, V5Object& object);

}  // namespace dvc::selfcal
