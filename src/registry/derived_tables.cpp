#include "registry/derived_tables.hpp"

#include <bit>

#include "colour/grid_levels.hpp"
#include "registry/model_groups.hpp"

namespace dvc::registry {

namespace {

bool Bit(uint32_t word, unsigned i) { return ((word >> i) & 1u) != 0; }

}  // namespace

void BuildFeatureLists(ModelRecord& record) {
    record.featureList1.clear();
    record.featureList2.clear();
    const uint32_t mask = record.FeatureMask();
    for (unsigned k = 0; k < 32; ++k)
        if (Bit(mask, k)) record.featureList1.push_back({1u << k, record.Word(word::kFeatureValues + k)});
    const uint32_t extended = record.ExtendedFeatureMask();
    for (unsigned k = 0; k < 32; ++k) {
        if (!Bit(extended, k)) continue;
        const std::size_t valueWord = k < 3 ? word::kExtendedValuesLow + k : word::kExtendedValuesHigh + (k - 3);
        record.featureList2.push_back({1u << k, record.Word(valueWord)});
    }
}

std::vector<GammaEntry> GammaTable(const ModelRecord& record, std::string_view model) {
    std::vector<GammaEntry> table;
    const uint32_t older = record.Word(word::kGamma) & 0xFFFFu;
    const uint32_t newer = record.Word(word::kGammaExtended);
    if (older != 0) {
        for (unsigned i = 0; i < 16; ++i) {
            if (!Bit(older, i)) continue;
            if (i < 9) table.push_back({static_cast<uint16_t>(i), 1.4 + 0.2 * i});
            else if (i == 13) table.push_back({253, -2.0});
            else if (i == 15) table.push_back({255, -1.0});
        }
        // These models number their curves from 1.8 upwards, whatever bits
        // they report.
        if (InModelGroup(ModelGroup::Gamma, model))
            for (std::size_t k = 0; k < table.size(); ++k)
                table[k] = {static_cast<uint16_t>(k), 1.8 + 0.2 * static_cast<double>(k)};
    } else if (newer != 0) {
        const bool hasModes = record.ModeCount() != 0;
        for (unsigned i = 0; i < 32; ++i) {
            if (!Bit(newer, i)) continue;
            if (i < 17) table.push_back({static_cast<uint16_t>(i), 1.4 + 0.1 * i});
            else if (i == 29) table.push_back({253, -2.0});
            else if (i == 31 && !hasModes) table.push_back({255, -1.0});
        }
    }
    const uint32_t special = record.Word(word::kSpecialGamma);
    for (unsigned b = 16; b < 32; ++b)
        if (Bit(special, b)) table.push_back({static_cast<uint16_t>(b <= 24 ? b + 240 : b + 242), -3.0});
    return table;
}

namespace {

// Puts the entry before the first one warmer than it; nothing when no
// entry is.
void InsertBeforeWarmer(std::vector<ColourTemperatureEntry>& table, ColourTemperatureEntry entry) {
    for (auto it = table.begin(); it != table.end(); ++it) {
        if (it->kelvin > entry.kelvin) {
            table.insert(it, entry);
            return;
        }
    }
}

}  // namespace

std::vector<ColourTemperatureEntry> ColourTemperatureTable(const ModelRecord& record) {
    std::vector<ColourTemperatureEntry> table;
    const uint32_t bits = record.Word(word::kColourTemperature);
    for (unsigned b = 0; b < 32; ++b) {
        if (!Bit(bits, b)) continue;
        const auto code = static_cast<uint16_t>(b);
        if (b == 0) table.push_back({0, 0});
        else if (b <= 11) table.push_back({code, (b + 7) * 500});
        else if (b == 12) table.push_back({code, 9300});
        else if (b == 15) table.push_back({code, Bit(bits, 25) ? 10500u : 0u});
        else if (b == 25) continue;
        else if (b == 26) InsertBeforeWarmer(table, {code, 5400});
        else if (b == 27) InsertBeforeWarmer(table, {code, 8100});
        else if (b == 31) table.push_back({255, 65534});
        else table.push_back({code, (b + 6) * 500});
    }
    return table;
}

std::vector<int> TonalityList(const ModelRecord& record, std::string_view model) {
    if (const auto fixed = FixedTonalityList(model)) return {fixed->begin(), fixed->end()};
    std::vector<int> list;
    for (const auto& pair : record.featureList1) list.push_back(std::countr_zero(pair.bit));
    for (const auto& pair : record.featureList2) list.push_back(32 + std::countr_zero(pair.bit));
    return list;
}

std::vector<uint16_t> ValueListFromRange(std::span<const uint8_t> range) {
    std::vector<uint16_t> values;
    if (range.size() < 8) return values;
    const auto field = [&](std::size_t i) { return static_cast<uint32_t>(range[2 * i] | (range[2 * i + 1] << 8)); };
    const uint32_t start = field(0), end = field(1), step = field(2), mask = field(3);
    // A zero step names the start alone.
    for (uint32_t v = start; v <= end; v += step) {
        values.push_back(static_cast<uint16_t>(v));
        if (step == 0) break;
    }
    for (unsigned i = 0; i < 16; ++i)
        if (Bit(mask, i)) values.push_back(static_cast<uint16_t>(0xFF00u + i));
    return values;
}

std::vector<uint16_t> ValueListFromTable(const ModelRecord& record) {
    std::vector<uint16_t> values;
    for (const auto& entry : ColourTemperatureTable(record)) values.push_back(static_cast<uint16_t>(entry.kelvin));
    return values;
}

// Our choice for a grid that a tag gives and the standard table lacks:
// levels spread evenly over 0..255, rounded half up.
std::vector<uint16_t> GridLevels(uint16_t gridCount) {
    const auto standard = lut3d::StandardGridLevels(gridCount);
    if (!standard.empty() || gridCount < 2) return {standard.begin(), standard.end()};
    std::vector<uint16_t> levels(gridCount);
    const uint32_t steps = gridCount - 1u;
    for (uint32_t i = 0; i < gridCount; ++i) levels[i] = static_cast<uint16_t>((510 * i + steps) / (2 * steps));
    return levels;
}

}  // namespace dvc::registry
