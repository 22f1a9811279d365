// The monitor operations on the self-calibration objects: support queries,
// creation and the LUT size. Each runs under the monitor's lock (the call
// frame takes it).
#pragma once

#include <cstdint>

#include "libdvc/dvc_types.h"
#include "selfcal/v5_objects.hpp"

class VarnMonitor;

namespace dvc::selfcal {

int SupportedTargetV5(VarnMonitor& monitor);
int SupportedResultV5(VarnMonitor& monitor);
int SupportedResultSettingV5(VarnMonitor& monitor);
// Property id 0 (the only one) is the Limited109 property of the kind.
int SupportedProperty(VarnMonitor& monitor, ObjectKind kind, int id);

// A new object for the monitor through `out` (null when the monitor lacks
// the kind: 0x80000007).
DvError CreateObject(VarnMonitor& monitor, ObjectKind kind, V5Object** out);

DvError GetSelfCalLutSize(VarnMonitor& monitor, int* count);

}  // namespace dvc::selfcal
