// Per-path encodings of storage inside the monitor: the asset tag.
#pragma once

#include <cstdint>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// The asset tag's text into `buffer` of `size` bytes (cut to fit, always
// NUL-terminated); its size with the NUL (0 when empty); its enable flag.
DvError GetAssetTag(VarnMonitorInterface& path, char* buffer, uint32_t size);
DvError GetAssetTagSize(VarnMonitorInterface& path, int* size);
DvError SetEnableAssetTag(VarnMonitorInterface& path, int value);

}  // namespace dvc::paths
