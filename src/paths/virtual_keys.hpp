// Virtual front keys: which keys the monitor takes, and the indicator
// screen that two pseudo keys beyond the front keys show and hide.
#pragma once

#include <cstdint>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// Key number `index` among the keys that the virtual-key code's maximum
// marks (bit k: key k); DvErrNoMoreItems past the last.
DvError EnumVirtualKey(VarnMonitorInterface& path, int index, int* key);
DvError ShowIndicatorOSD(VarnMonitorInterface& path);
DvError HideIndicatorOSD(VarnMonitorInterface& path);

}  // namespace dvc::paths
