// Tables that follow from a model record: feature lists, gamma and
// colour-temperature tables, the Tonality list, the colour-temperature value
// list and the 3D LUT grid levels.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "registry/model_record.hpp"

namespace dvc::registry {

struct GammaEntry {
    uint16_t code;
    double value;  // negative values name special tone curves
};

struct ColourTemperatureEntry {
    uint16_t code;
    uint32_t kelvin;
};

// Feature list 1 from word 1, feature list 2 from word 49, with their values.
void BuildFeatureLists(ModelRecord& record);

std::vector<GammaEntry> GammaTable(const ModelRecord& record, std::string_view model);
std::vector<ColourTemperatureEntry> ColourTemperatureTable(const ModelRecord& record);

// The picture-mode menu values of the model.
std::vector<int> TonalityList(const ModelRecord& record, std::string_view model);

// Values start, start + step, ... up to end from an 8-byte range record
// (start, end, step, mask: 16-bit little-endian each), then one preset value
// 0xFF00 + i for each set bit i of the mask. Shorter records give nothing.
std::vector<uint16_t> ValueListFromRange(std::span<const uint8_t> range);
// The kelvin column of the colour-temperature table, for models that bring
// no range record of their own.
std::vector<uint16_t> ValueListFromTable(const ModelRecord& record);

// The input levels of a 3D LUT grid: the standard lists for 10 and 17
// nodes, evenly spread levels for other counts from 2 up; empty below 2.
std::vector<uint16_t> GridLevels(uint16_t gridCount);

// The exported gamma index of a gamma code: the code plus one below 208,
// the code itself from 208 up (the indices of the special curves).
constexpr int GammaIndexOfCode(uint32_t code) { return static_cast<int>(code < 208 ? code + 1 : code); }
// The gamma code of an exported index. Index 208 stands for two codes (207
// and 208); no model has a curve at 207, so it is taken as the code 208.
// Indices below 1 name no code.
constexpr uint32_t GammaCodeOfIndex(int index) {
    return index < 208 ? static_cast<uint32_t>(index - 1) : static_cast<uint32_t>(index);
}

}  // namespace dvc::registry
