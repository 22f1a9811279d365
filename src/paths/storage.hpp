// Per-path encodings of storage inside the monitor: the asset tag, the
// unique device identifier and the usage time.
#pragma once

#include <cstdint>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// The asset tag's text into `buffer` of `size` bytes (cut to fit, always
// NUL-terminated); its size with the NUL (0 when empty); its enable flag.
DvError GetAssetTag(VarnMonitorInterface& path, char* buffer, uint32_t size);
DvError GetAssetTagSize(VarnMonitorInterface& path, int* size);
DvError SetEnableAssetTag(VarnMonitorInterface& path, int value);
// The tag text (at most 16 characters) written behind the enable flag.
DvError SetAssetTag(VarnMonitorInterface& path, const char* text);

// The unique device identifier: text of up to 64 characters in a 64-byte
// block, NUL-padded. Get and Size as for the asset tag.
DvError GetUDI(VarnMonitorInterface& path, char* buffer, uint32_t size);
DvError GetUDISize(VarnMonitorInterface& path, int* size);
DvError SetUDI(VarnMonitorInterface& path, const char* text);

// Hours and minutes of use: the 5-byte block {hours LE32, minutes} first,
// the older 16-bit hours and 8-bit minutes when the monitor lacks it.
DvError GetUsageTime(VarnMonitorInterface& path, int* hours, int* minutes);

}  // namespace dvc::paths
