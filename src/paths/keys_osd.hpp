// Per-path encodings of the keys and on-screen display area that are more
// than a table row.
#pragma once

#include <cstdint>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// The centre cross marker: shown, then a pause for it to appear; hidden,
// read back until it is off.
DvError ShowCenterCrossMarker(VarnMonitorInterface& path);
DvError HideCenterCrossMarker(VarnMonitorInterface& path);
// How often front key `key` was pressed: request, then read the reply.
DvError GetKeyPushCount(VarnMonitorInterface& path, uint8_t key, int* count);

}  // namespace dvc::paths
