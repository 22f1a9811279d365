// Per-path encodings of the six-colour adjustments. The legacy controls
// number the colours 0 red, 1 green, 2 blue, 3 cyan, 4 magenta, 5 yellow:
// hue and saturation are one value code per colour, lightness one 6-byte
// block. The newer controls keep each property in one block of six signed
// 16-bit values in the order red, yellow, green, cyan, blue, magenta.
#pragma once

#include <array>
#include <cstdint>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

enum class SixColourControl { Hue, Saturation };

inline constexpr int kColours = 6;
// The position that names the setting acting on all colours at once.
inline constexpr int kAllColours = 6;

// The control's range: support flag, maximum and minimum. The monitor keeps
// one range per control, asked on the control's first code whatever the
// position.
DvError SixColourRange(VarnMonitorInterface& path, SixColourControl control, int32_t* flag, int32_t* maximum,
                       int32_t* minimum);
// The raw value of the colour at a legacy position; a position outside 0
// to 5 gives DvErrFailed without traffic.
DvError ReadSixColour(VarnMonitorInterface& path, SixColourControl control, int position, uint32_t* raw);
DvError WriteSixColour(VarnMonitorInterface& path, SixColourControl control, int position, uint32_t raw);

// Lightness: its range from fixed data, the six raw bytes in legacy order.
DvError LightnessRange(VarnMonitorInterface& path, int32_t* flag, int32_t* maximum, int32_t* minimum);
DvError ReadLightness(VarnMonitorInterface& path, std::array<uint8_t, kColours>& raw);
DvError WriteLightness(VarnMonitorInterface& path, const std::array<uint8_t, kColours>& raw);

// The newer controls' value at a newer position, as the monitor keeps it
// (centred, signed); the write changes that value alone.
DvError ReadSixColour2(VarnMonitorInterface& path, SixColourControl control, int position, int32_t* value);
DvError WriteSixColour2(VarnMonitorInterface& path, SixColourControl control, int position, int32_t value);

}  // namespace dvc::paths
