// The keys that the custom key lock can lock: a request, then a 64-byte
// reply of their count and one key id per byte.
#pragma once

#include <vector>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

DvError ReadLockableKeys(VarnMonitorInterface& path, std::vector<int>& keys);

}  // namespace dvc::paths
