#include "registry/identification_record.hpp"

#include <algorithm>
#include <array>

#include "registry/builtin_tables.hpp"
#include "registry/derived_tables.hpp"

namespace dvc::registry {

namespace {

// Capability word -> property tag. Words 36 to 38, 49 and 50 to 60 take no
// tag; they come from the built-in tables alone.
constexpr std::array<uint16_t, word::kCount> kCapabilityTags = [] {
    std::array<uint16_t, word::kCount> t{};
    t[0] = 0x02;
    t[1] = 0x05;
    t[2] = 0x06;
    t[3] = 0x07;
    t[4] = 0x0A;
    t[5] = 0x0D;
    for (std::size_t w = 6; w <= 23; ++w) t[w] = static_cast<uint16_t>(0x0E + (w - 6));
    t[24] = 0x22;
    t[25] = 0x26;
    t[26] = 0x27;
    t[27] = 0x28;
    t[28] = 0x2A;
    t[29] = 0x2B;
    t[30] = 0x2C;
    t[31] = 0x2D;
    t[32] = 0x2E;
    t[33] = 0x31;
    t[34] = 0x32;
    t[35] = 0x33;
    t[39] = 0x37;
    t[40] = 0x38;
    t[41] = 0x39;
    t[42] = 0x3A;
    t[43] = 0x3C;
    t[44] = 0x3D;
    t[45] = 0x3E;
    t[46] = 0x3F;
    t[47] = 0x51;
    t[48] = 0x52;
    t[61] = 0x59;
    t[62] = 0x40;
    t[63] = 0x44;
    t[64] = 0x46;
    t[65] = 0x4A;
    t[66] = 0x4B;
    t[67] = 0x4D;
    t[68] = 0x4E;
    t[69] = 0x4F;
    t[70] = 0x50;
    t[71] = 0x54;
    t[72] = 0x55;
    t[73] = 0x56;
    t[74] = 0x58;
    t[75] = 0x01;
    t[76] = 0x21;
    t[77] = 0x48;
    t[78] = 0x49;
    t[79] = 0x5F;
    t[80] = 0x60;
    t[81] = 0x41;
    return t;
}();

// The feature mask is a 4-byte field: longer items do not fold onto it.
uint32_t FeatureMaskTag(const TagSource& tags) {
    const auto bytes = tags.Bytes(tag::kFeatureMask);
    uint32_t value = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 4; ++i) value |= uint32_t{bytes[i]} << (8 * i);
    return value;
}

void FillWordsFromTags(ModelRecord& record, const TagSource& tags) {
    for (std::size_t w = 0; w < record.words.size(); ++w) {
        if (record.words[w] != 0 || kCapabilityTags[w] == 0) continue;
        record.words[w] = w == word::kFeatureMask ? FeatureMaskTag(tags) : tags.Integer(kCapabilityTags[w]);
    }
}

// LUT kinds of a model whose tables name none: the three kinds when it has
// picture modes or a calibration mode, unless its mask marks all three
// LUT-less bits.
std::vector<int> DerivedLutKinds(const ModelRecord& record) {
    const uint32_t mask = record.FeatureMask();
    constexpr uint32_t kLutless = 0x70000000u;
    const bool calibrated = (mask & ((1u << 7) | (1u << 11))) != 0;
    if ((mask & kLutless) != kLutless && (record.ModeCount() != 0 || calibrated)) return {1, 2, 3};
    return {};
}

std::vector<int> ToInts(const std::vector<uint16_t>& words) { return {words.begin(), words.end()}; }

void FillListsFromTags(ModelRecord& record, const TagSource& tags) {
    record.valueList = ValueListFromRange(tags.Bytes(tag::kValueRange));
    if (record.inputPorts.empty()) record.inputPorts = ToInts(tags.Words(tag::kInputPorts));
    if (record.calibrationModes.empty()) {
        const auto pairs = tags.Words(tag::kCalibrationModes);
        for (std::size_t i = 0; i + 1 < pairs.size(); i += 2)
            record.calibrationModes.emplace_back(pairs[i], pairs[i + 1]);
    }
    // D65 reference white: x and y in units of 0.0001.
    const auto d65 = tags.Words(tag::kD65Reference);
    if (d65.size() >= 2) {
        record.d65.x = d65[0] / 10000.0;
        record.d65.y = d65[1] / 10000.0;
    }
    const auto altModePorts = tags.Bytes(tag::kUsbcAltModePorts);  // one port number per byte
    record.usbcAltModePorts.assign(altModePorts.begin(), altModePorts.end());
    record.modeTable = tags.Bytes(tag::kModeTable);
}

}  // namespace

uint16_t CapabilityTag(std::size_t w) { return w < kCapabilityTags.size() ? kCapabilityTags[w] : 0; }

ModelRecord RecordFromTables(std::string_view model) {
    ModelRecord record;
    ApplyTaglessTable(record, model);
    ApplyDefaultsTable(record, model, 0);
    BuildFeatureLists(record);
    record.valueList = ValueListFromTable(record);
    return record;
}

ModelRecord RecordFromTags(std::string_view model, uint32_t lut3d, const TagSource* tags) {
    ModelRecord record;
    if (tags == nullptr) return record;
    ApplyDefaultsTable(record, model, lut3d);
    FillWordsFromTags(record, *tags);

    const auto resolution = tags->Words(tag::kNativeResolution);
    if (resolution.size() >= 2 && (record.nativeWidth == 0 || record.nativeHeight == 0)) {
        record.nativeWidth = resolution[0];
        record.nativeHeight = resolution[1];
    }
    const auto rect = tags->Words(tag::kSensorRect);
    if (rect.size() >= 4) std::copy_n(rect.begin(), 4, record.sensorRect.begin());
    if (record.lutKinds.empty()) record.lutKinds = DerivedLutKinds(record);
    FillListsFromTags(record, *tags);

    if (const auto grid = static_cast<uint16_t>(tags->Integer(tag::kGridCount)); grid != 0) record.gridCount = grid;
    record.gridLevels = GridLevels(record.gridCount);
    if (const uint32_t count = tags->Integer(tag::kMediaEmulationCount); count != 0) record.mediaEmulationCount = count;
    record.panelRevision = static_cast<uint16_t>(tags->Integer(tag::kPanelRevision));
    record.flag = static_cast<uint8_t>(tags->Integer(tag::kFlags) & 1u);
    BuildFeatureLists(record);
    return record;
}

FlavorTable FlavorsFromTags(std::string_view model, const TagSource* tags) {
    FlavorTable table;
    table.model = std::string(model);
    if (tags == nullptr) return table;
    // Each entry takes three tags, A (mode bits), B (flavor) and C (feature
    // flags), in a stride of eight ids; an A of 0 ends the list.
    for (uint16_t id = 1; id < 255; id = static_cast<uint16_t>(id + 8)) {
        const uint32_t modes = tags->Integer(id);
        if (modes == 0) break;
        const uint32_t flavor = tags->Integer(static_cast<uint16_t>(id + 1));
        const uint32_t features = tags->Integer(static_cast<uint16_t>(id + 2));
        FlavorEntry entry;
        for (int i = 0; i < 8; ++i)
            if ((modes >> i) & 1u) entry.modes.push_back(i + 1);
        entry.flavor = static_cast<int>(flavor + 1);
        for (int k = 0; k < 15; ++k)
            entry.features[static_cast<std::size_t>(k)] = static_cast<int>((features >> k) & 1u);
        table.entries.push_back(std::move(entry));
    }
    return table;
}

}  // namespace dvc::registry
