// libdvc's readers of what a monitor sends about itself, and of the
// settings file.
#include <span>
#include <sstream>
#include <string>

#include "paths/edid_chromaticity.hpp"
#include "paths/identification_block.hpp"
#include "paths/infoframe_decode.hpp"
#include "registry/derived_tables.hpp"
#include "registry/identification_record.hpp"
#include "registry/settings_file.hpp"
#include "registry/tag_reader.hpp"
#include "targets.hpp"

namespace dvc::fuzz {

int IdentificationBlock(const uint8_t* data, size_t size) {
    const auto pair = paths::SplitIdentificationBlock(std::span(data, size));
    if (pair) {
        Require(pair->serial.size() <= paths::kSerialLength);
        Require(pair->model.empty() || (pair->model.back() != ' ' && pair->model.back() != '\0'));
    }
    return 0;
}

int SignalInfoFrame(const uint8_t* data, size_t size) {
    paths::infoframe::SignalFields fields;
    paths::infoframe::DecodeSignalBlock(std::span(data, size), fields);
    paths::infoframe::DecodeAvi(std::span(data, size), fields);
    paths::infoframe::DecodeDrm(std::span(data, size), fields);
    return 0;
}

// A property-tag block as the model record and the preset-mode table read it,
// with the tables derived from the record.
int ModelRecord(const uint8_t* data, size_t size) {
    if (size < 1 || size > 0xFFFF) return 0;
    const std::string model = data[0] & 1 ? "CG3180" : "CX2740";
    registry::ParsedTagBlock block(data + 1, static_cast<uint32_t>(size - 1));
    const registry::TagSource* tags = block.Parsed() ? &block : nullptr;
    registry::ModelRecord record = registry::RecordFromTags(model, data[0] >> 1, tags);
    registry::FlavorsFromTags(model, tags);
    registry::GammaTable(record, model);
    registry::ColourTemperatureTable(record);
    registry::TonalityList(record, model);
    registry::ValueListFromTable(record);
    registry::ValueListFromRange(std::span(data, size));
    return 0;
}

int SettingsFile(const uint8_t* data, size_t size) {
    std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
    for (int kind : registry::ParseSettings(text)) Require(kind >= 0 && kind <= 2);
    return 0;
}

// The chromaticity of an EDID's first page, as the primaries fall back to it.
int EdidPage(const uint8_t* data, size_t size) {
    if (size < 128) return 0;
    for (int i = 0; i < 4; ++i) {
        const auto c = paths::EdidChromaticity(data, i);
        Require(c.x >= 0 && c.x < 1 && c.y >= 0 && c.y < 1);
    }
    return 0;
}

}  // namespace dvc::fuzz
