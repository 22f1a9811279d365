#include "paths/mode_settings.hpp"

#include <algorithm>
#include <vector>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"

namespace dvc::paths {

DvError ReadModeSettings(VarnMonitorInterface& path, uint32_t mode, ModeSettings& settings) {
    const DvError selected = path.WriteValue(codes::kModeSettingsSelect, mode, 0);
    if (!Usable(selected)) return selected;
    std::vector<uint8_t> block;
    const DvError result = ReadSizedBlock(path, codes::kModeSettings, kModeSettingsBytes, block);
    if (!Usable(result)) return result;
    settings.brightness = LittleField(block.data(), 2);
    settings.contrast = LittleField(block.data() + 2, 2);
    const auto colours = block.begin() + 4;
    std::copy_n(colours, 6, settings.hue.begin());
    std::copy_n(colours + 6, 6, settings.saturation.begin());
    std::copy_n(colours + 12, 6, settings.lightness.begin());
    return result;
}

}  // namespace dvc::paths
