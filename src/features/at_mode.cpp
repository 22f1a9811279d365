#include "features/at_mode.hpp"

#include <algorithm>

#include "features/mode_queries.hpp"
#include "features/path_rules.hpp"
#include "paths/mode_settings.hpp"
#include "registry/model_groups.hpp"

namespace dvc::features {

namespace {

bool PerModeReads(VarnMonitor& monitor) {
    return HasModes(monitor) || registry::InModelGroup(registry::ModelGroup::AtMode, monitor.ModelName());
}

// The record of `mode` from the first path that answers.
DvError ReadSettings(VarnMonitor& monitor, int mode, paths::ModeSettings& settings) {
    if (mode < 0) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::ReadModeSettings(path, static_cast<uint32_t>(mode), settings);
    });
}

// The raw range of the property on the first path.
DvError RawRange(VarnMonitor& monitor, SixColourProperty property, int32_t& maximum, int32_t& minimum) {
    if (property != SixColourProperty::Lightness) {
        const auto control = property == SixColourProperty::Hue ? SixColourControl::Hue : SixColourControl::Saturation;
        return SixColourRange(monitor, control, true, maximum, minimum);
    }
    if (monitor.Paths().empty()) return DvErrFailed;
    int32_t flag = 0;
    const DvError result = paths::LightnessRange(*monitor.Paths().front(), &flag, &maximum, &minimum);
    if (paths::Usable(result) && flag == 0) return DvErrNotSupported;
    return result;
}

}  // namespace

DvError GetLevelAtMode(VarnMonitor& monitor, Level level, int mode, int* step) {
    if (!PerModeReads(monitor)) {
        if (step != nullptr) *step = 0;
        return DvErrNotSupported;
    }
    if (step == nullptr) return DvErrNullOutput;
    paths::ModeSettings settings;
    const DvError result = ReadSettings(monitor, mode, settings);
    if (paths::Usable(result))
        *step = static_cast<int>(level == Level::Brightness ? settings.brightness : settings.contrast);
    return result;
}

DvError Get6ColorsAtMode(VarnMonitor& monitor, SixColourProperty property, int mode, int* values) {
    if (!PerModeReads(monitor)) {
        if (values != nullptr) std::fill_n(values, paths::kColours, 0);
        return DvErrNotSupported;
    }
    if (values == nullptr) return DvErrNullOutput;
    paths::ModeSettings settings;
    const DvError result = ReadSettings(monitor, mode, settings);
    if (!paths::Usable(result)) return result;
    const auto& raw = property == SixColourProperty::Hue          ? settings.hue
                      : property == SixColourProperty::Saturation ? settings.saturation
                                                                  : settings.lightness;
    int32_t high = 0;
    int32_t low = 0;
    const DvError range = RawRange(monitor, property, high, low);
    const int64_t shift = paths::Usable(range) ? low - (static_cast<int64_t>(high) - low) / 2 : 0;
    for (std::size_t i = 0; i < raw.size(); ++i) values[i] = static_cast<int>(raw[i] + shift);
    return paths::Usable(range) ? result : range;
}

}  // namespace dvc::features
