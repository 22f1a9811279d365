#include "features/colour_temperature.hpp"

#include <vector>

#include "features/model.hpp"
#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/varn_monitor_interface.hpp"
#include "registry/table_lookups.hpp"

namespace dvc::features {

using codes::kColorTemperature;
using codes::kColorTemperatureValue;

namespace {

DvError QueryIndex(VarnMonitor& monitor, int32_t& flag) {
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        flag = 0;
        return path.ReadFixedData(kColorTemperatureValue, nullptr, nullptr, &flag, nullptr);
    });
}

bool HasIndex(VarnMonitor& monitor) {
    int32_t flag = 0;
    return paths::Usable(QueryIndex(monitor, flag)) && flag != 0;
}

// The monitor's own value, from the first path that answers.
DvError ReadIndexValue(VarnMonitor& monitor, uint32_t& value) {
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        value = 0;
        return path.ReadValue(kColorTemperatureValue, &value);
    });
}

DvError WriteIndexValue(VarnMonitor& monitor, uint32_t value) {
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return path.WriteValue(kColorTemperatureValue, value, 0); });
}

}  // namespace

DvError SupportedColorTemperatureIndex(VarnMonitor& monitor, int* flag) {
    if (flag == nullptr) return DvErrInvalidParameter;
    return QueryIndex(monitor, *flag);
}

DvError SupportedColorTemperature(VarnMonitor& monitor, int* flag) {
    if (flag == nullptr) return DvErrInvalidParameter;
    if (HasIndex(monitor)) {
        *flag = 1;
        return DvOk;
    }
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        *flag = 0;
        return path.QueryColorTemperature(kColorTemperature, flag);
    });
}

DvError GetColorTemperature(VarnMonitor& monitor, int* kelvin) {
    if (kelvin == nullptr) return DvErrInvalidParameter;
    if (HasIndex(monitor)) {
        uint32_t value = 0;
        const DvError result = ReadIndexValue(monitor, value);
        if (paths::Usable(result)) *kelvin = static_cast<int>(value);
        return result;
    }
    DvError result = DvErrFailed;
    bool unlisted = false;
    for (VarnMonitorInterface* path : monitor.Paths()) {
        uint32_t code = 0;
        result = path->ReadColorTemperature(kColorTemperature, &code);
        if (!paths::Usable(result)) continue;
        std::vector<registry::ColourTemperatureEntry> table;
        result = LoadColourTemperatureTable(monitor, table);
        if (result != DvOk) continue;
        if (const auto listed = registry::KelvinOfCode(table, code)) {
            *kelvin = static_cast<int>(*listed);
            return result;
        }
        unlisted = true;
    }
    return unlisted ? DvErrRefused : result;
}

DvError SetColorTemperature(VarnMonitor& monitor, int kelvin) {
    if (HasIndex(monitor)) return WriteIndexValue(monitor, static_cast<uint32_t>(kelvin));
    DvError result = DvErrFailed;
    for (VarnMonitorInterface* path : monitor.Paths()) {
        std::vector<registry::ColourTemperatureEntry> table;
        const auto chosen = LoadColourTemperatureTable(monitor, table) == DvOk
                                ? registry::NearestColourTemperature(table, static_cast<uint32_t>(kelvin))
                                : std::nullopt;
        if (!chosen) {
            result = DvErrNotSupported;
            continue;
        }
        result = path->WriteColorTemperature(kColorTemperature, chosen->code);
        if (result >= 0) return result;
    }
    return result;
}

DvError GetColorTemperatureIndex(VarnMonitor& monitor, int* index) {
    if (!HasIndex(monitor)) return DvErrNotSupported;
    if (index == nullptr) return DvErrInvalidParameter;
    uint32_t value = 0;
    const DvError result = ReadIndexValue(monitor, value);
    if (result != DvErrFailed) *index = static_cast<int>(registry::ColourTemperatureIndexOfValue(value));
    return result;
}

DvError SetColorTemperatureIndex(VarnMonitor& monitor, int index) {
    if (index == 0) return DvErrInvalidParameter;
    if (!HasIndex(monitor)) return DvErrNotSupported;
    return WriteIndexValue(monitor, registry::ColourTemperatureValueOfIndex(static_cast<uint32_t>(index)));
}

DvError EnumColorTemperatureIndex(VarnMonitor& monitor, int position, int* index) {
    if (!HasIndex(monitor)) return DvErrNoMoreItems;
    if (index == nullptr) return DvErrInvalidParameter;
    std::vector<uint16_t> values;
    if (LoadColourTemperatureValues(monitor, values) != DvOk) return DvErrNoMoreItems;
    if (position < 0 || static_cast<std::size_t>(position) >= values.size()) return DvErrNoMoreItems;
    *index = static_cast<int>(registry::ColourTemperatureIndexOfValue(values[static_cast<std::size_t>(position)]));
    return DvOk;
}

}  // namespace dvc::features
