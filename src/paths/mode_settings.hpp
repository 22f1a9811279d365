// The picture settings a monitor stores for each colour mode, read without
// switching modes: a value write selects the mode, then its record is read.
// The record: brightness and contrast as 16-bit raw values, then the raw
// hue, saturation and lightness of the six colours, one byte each in the
// order red, green, blue, cyan, magenta, yellow.
#pragma once

#include <array>
#include <cstdint>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

struct ModeSettings {
    uint32_t brightness = 0;
    uint32_t contrast = 0;
    std::array<uint8_t, 6> hue{};
    std::array<uint8_t, 6> saturation{};
    std::array<uint8_t, 6> lightness{};
};

inline constexpr uint32_t kModeSettingsBytes = 22;

DvError ReadModeSettings(VarnMonitorInterface& path, uint32_t mode, ModeSettings& settings);

}  // namespace dvc::paths
