#include "registry/builtin_tables.hpp"

#include "registry/builtin_table_data.hpp"
#include "registry/derived_tables.hpp"

namespace dvc::registry {

namespace {

void SetWords(ModelRecord& record, std::span<const data::WordValue> words) {
    for (const auto& w : words)
        if (w.word < record.words.size()) record.words[w.word] = w.value;
}

}  // namespace

void ApplyTaglessTable(ModelRecord& record, std::string_view model) {
    for (const auto& row : data::TaglessRows()) {
        if (row.model != model) continue;
        SetWords(record, row.profile->words);
        record.lutKinds.assign(row.profile->lutKinds.begin(), row.profile->lutKinds.end());
        record.calibrationModes.clear();
        for (const auto& mode : row.profile->calibrationModes)
            record.calibrationModes.emplace_back(mode.tonality, mode.slot);
        return;
    }
}

void ApplyDefaultsTable(ModelRecord& record, std::string_view model, uint32_t lut3d) {
    for (const auto& row : data::DefaultsRows()) {
        if (!row.match.Matches(model)) continue;
        if (row.contrastScale != 0) record.contrastScale = row.contrastScale;
        if (!row.inputPorts.empty()) record.inputPorts.assign(row.inputPorts.begin(), row.inputPorts.end());
        if (row.gridCount != 0 && lut3d != 0) record.gridCount = row.gridCount;
        if (row.word0 != 0) record.words[word::kLutInfo] = row.word0;
        SetWords(record, row.words);
        break;
    }
    for (const auto& row : data::DefaultsAltRows()) {
        if (row.model != model) continue;
        record.nativeWidth = row.width;
        record.nativeHeight = row.height;
        record.sensorX = row.sensorX;
        record.sensorY = row.sensorY;
        break;
    }
    record.gridLevels = GridLevels(record.gridCount);
}

}  // namespace dvc::registry
