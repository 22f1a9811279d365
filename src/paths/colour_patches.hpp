// Colour patches that the monitor draws itself, through the fixed-patch
// block: byte 0 says what is shown (0 nothing, 1 a built-in patch whose
// number is byte 1, 2 the colour of bytes 1 to 3); the rest is zero.
#pragma once

#include <cstdint>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

DvError ShowColorPatchFixed(VarnMonitorInterface& path, uint8_t patch);
DvError ShowColorPatch(VarnMonitorInterface& path, uint8_t red, uint8_t green, uint8_t blue);
DvError HideColorPatch(VarnMonitorInterface& path);

}  // namespace dvc::paths
