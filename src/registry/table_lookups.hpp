// Lookups in the model's gamma and colour-temperature tables: the value
// that a code the monitor reports stands for, and the entry that a wanted
// value comes nearest. Each rule is written once, here, beside the tables.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "registry/derived_tables.hpp"

namespace dvc::registry {

// The special tone curves the monitor reports by code, whatever the table:
// 255 -1.0, 253 -2.0, 248 -3.0, 10 -4.0, 11 -5.0, 12 -6.0, 13 -7.0.
std::optional<double> SpecialGammaOfCode(uint32_t code);

// The gamma value of a code: the table's first entry with that code.
std::optional<double> GammaOfCode(std::span<const GammaEntry> table, uint32_t code);

// The entry a gamma value selects. A negative value (a special curve)
// selects the first entry within 1e-8 of it; any other value the first
// entry at or above it, or the one before that when it is no farther (ties
// go to the lower value). When nothing is selected, the last entry that is
// not a special curve. Empty when the table has none of these.
std::optional<GammaEntry> NearestGamma(std::span<const GammaEntry> table, double gamma);

// The temperature of a code: the table's entry with that code.
std::optional<uint32_t> KelvinOfCode(std::span<const ColourTemperatureEntry> table, uint32_t code);

// The entry a temperature selects. The first entry is a special setting
// chosen only by its code; among the others, the first at or above the
// temperature, or the one before it when it is no farther (ties go to the
// lower temperature); above them all, the last. Empty for an empty table.
std::optional<ColourTemperatureEntry> NearestColourTemperature(std::span<const ColourTemperatureEntry> table,
                                                               uint32_t kelvin);

// The exported colour-temperature index of the monitor's value: presets (0
// and 0xFF00 up) carry the marker 0x10000000, 0 becoming the marker alone.
inline constexpr uint32_t kPresetMarker = 0x10000000;
constexpr uint32_t ColourTemperatureIndexOfValue(uint32_t value) {
    if (value == 0) return kPresetMarker;
    return value < 0xFF00 ? value : value | kPresetMarker;
}
// The value sent for an exported index: the marker and the bits above the
// 16-bit value are dropped from marked indices.
constexpr uint32_t ColourTemperatureValueOfIndex(uint32_t index) {
    return index < kPresetMarker ? index : index & 0xFFFFu;
}

}  // namespace dvc::registry
