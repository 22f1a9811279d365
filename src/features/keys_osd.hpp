// Operations of the keys and on-screen display area that are more than a
// table row.
#pragma once

#include "registry/varn_monitor.hpp"

namespace dvc::features {

DvError ShowCenterCrossMarker(VarnMonitor& monitor);
DvError HideCenterCrossMarker(VarnMonitor& monitor);
DvError GetKeyPushCount(VarnMonitor& monitor, int key, int* count);

}  // namespace dvc::features
