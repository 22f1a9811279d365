#include "registry/table_lookups.hpp"

#include <cmath>
#include <cstdlib>

namespace dvc::registry {

std::optional<double> SpecialGammaOfCode(uint32_t code) {
    switch (code) {
    case 255: return -1.0;
    case 253: return -2.0;
    case 248: return -3.0;
    case 10: return -4.0;
    case 11: return -5.0;
    case 12: return -6.0;
    case 13: return -7.0;
    default: return std::nullopt;
    }
}

std::optional<double> GammaOfCode(std::span<const GammaEntry> table, uint32_t code) {
    for (const GammaEntry& entry : table)
        if (entry.code == code) return entry.value;
    return std::nullopt;
}

std::optional<GammaEntry> NearestGamma(std::span<const GammaEntry> table, double gamma) {
    if (gamma < 0) {
        for (const GammaEntry& entry : table)
            if (std::fabs(entry.value - gamma) < 1e-8) return entry;
    } else {
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (!(table[i].value >= gamma)) continue;
            if (i == 0) return table[0];
            const GammaEntry& before = table[i - 1];
            return std::fabs(before.value - gamma) <= std::fabs(table[i].value - gamma) ? before : table[i];
        }
    }
    for (std::size_t i = table.size(); i > 0; --i)
        if (table[i - 1].value >= 0) return table[i - 1];
    return std::nullopt;
}

std::optional<uint32_t> KelvinOfCode(std::span<const ColourTemperatureEntry> table, uint32_t code) {
    for (const ColourTemperatureEntry& entry : table)
        if (entry.code == code) return entry.kelvin;
    return std::nullopt;
}

std::optional<ColourTemperatureEntry> NearestColourTemperature(std::span<const ColourTemperatureEntry> table,
                                                               uint32_t kelvin) {
    if (table.empty()) return std::nullopt;
    if (kelvin == table[0].code) return table[0];
    const auto distance = [kelvin](uint32_t k) { return std::llabs(static_cast<long long>(k) - kelvin); };
    for (std::size_t i = 1; i < table.size(); ++i) {
        if (table[i].kelvin < kelvin) continue;
        if (i == 1) return table[1];
        return distance(table[i - 1].kelvin) <= distance(table[i].kelvin) ? table[i - 1] : table[i];
    }
    return table.back();
}

}  // namespace dvc::registry
