// The shapes of the product data behind the model groups and the built-in
// tables. The data themselves are in builtin_table_data.cpp, in one place.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

namespace dvc::registry::data {

// A model name, or a name prefix together with the exact total length.
struct NameMatch {
    std::string_view text;
    std::size_t prefixLength = 0;  // 0: the whole name must equal `text`

    bool Matches(std::string_view model) const {
        if (prefixLength == 0) return model == text;
        return model.size() == prefixLength && model.substr(0, text.size()) == text;
    }
};

struct WordValue {
    uint8_t word;
    uint32_t value;
};

struct CalibrationMode {
    int tonality;
    int slot;
};

// A family of tagless models sharing one capability description.
struct TaglessProfile {
    std::span<const WordValue> words;
    std::span<const int> lutKinds;
    std::span<const CalibrationMode> calibrationModes;
};

struct TaglessRow {
    std::string_view model;
    const TaglessProfile* profile;
};

struct DefaultsRow {
    NameMatch match;
    uint32_t contrastScale;
    std::span<const int> inputPorts;
    uint16_t gridCount;  // when the monitor has a transferable 3D LUT
    uint32_t word0;
    std::span<const WordValue> words;  // further words the model fixes
};

struct DefaultsAltRow {
    std::string_view model;
    uint32_t width;
    uint32_t height;
    uint32_t sensorX;  // sensor measurement position; 0 without a sensor
    uint32_t sensorY;
};

// Which second range of "AIC" data names a model of ModelGroupAtMode has.
enum class AicSet { Wide, Middle, Narrow };

struct AtModeRow {
    std::string_view model;
    std::span<const int> tonality;
    AicSet aic;
};

std::span<const TaglessRow> TaglessRows();
std::span<const DefaultsRow> DefaultsRows();
std::span<const DefaultsAltRow> DefaultsAltRows();
std::span<const AtModeRow> AtModeRows();

// The groups that are plain name lists.
std::span<const std::string_view> TonalityModels();
std::span<const std::string_view> GammaModels();
std::span<const std::string_view> NoInputAutoModels();
std::span<const std::string_view> TonalityIndexNameModels();
std::span<const std::string_view> TonalityName10Models();
std::span<const std::string_view> NoSignalCountModels();
std::string_view LegacyLutFamilyPrefix();

}  // namespace dvc::registry::data
