// The model record: what identification learned about a monitor's model,
// consulted by feature operations instead of asking the monitor.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "libdvc/dvc_types.h"

namespace dvc::registry {

// One entry of a feature list: a feature bit (1 << k) and its value word.
struct FeaturePair {
    uint32_t bit;
    uint32_t value;
    bool operator==(const FeaturePair&) const = default;
};

// Capability words with a meaning of their own. Words 50 to 59 do not exist;
// the other numbers carry model data whose meaning belongs to the features
// that read them.
namespace word {
inline constexpr std::size_t kLutInfo = 0;             // LUT and self-calibration data
inline constexpr std::size_t kFeatureMask = 1;         // feature list 1 bits
inline constexpr std::size_t kColourTemperature = 2;   // colour-temperature table bits
inline constexpr std::size_t kNativeLutDepth = 3;      // 8 or 10; 0 when the model has none
inline constexpr std::size_t kLutMaximum = 4;          // largest raw LUT entry
inline constexpr std::size_t kChannelKinds = 5;        // low byte: colour-matrix/LUT channel kinds
inline constexpr std::size_t kGamma = 6;               // low 16 bits: gamma table bits (older form)
inline constexpr std::size_t kLutWordWidth = 7;        // 16 or 24 bits
inline constexpr std::size_t kFeatureValues = 10;      // value of feature bit k is word 10 + k
inline constexpr std::size_t kGammaExtended = 28;      // gamma table bits (newer form)
inline constexpr std::size_t kExtendedValuesLow = 43;  // value of extended bit k < 3 is word 43 + k
inline constexpr std::size_t kSpecialGamma = 46;       // bits 16 to 31: special gamma entries
inline constexpr std::size_t kModeCount = 47;          // number of picture modes
inline constexpr std::size_t kGamutMask = 48;          // low 16 bits: gamut indices
inline constexpr std::size_t kExtendedFeatureMask = 49;
inline constexpr std::size_t kExtendedValuesHigh = 62;  // value of extended bit k >= 3 is word 62 + k - 3
inline constexpr std::size_t kPanelGeneration = 75;     // 0: the panel-type family of features is present
inline constexpr std::size_t kLutFlags = 76;            // bit 0: tone LUT, bit 1: tone data
inline constexpr std::size_t kMaxRearLutColour = 77;
inline constexpr std::size_t kMaxRearLutMono = 78;
inline constexpr std::size_t kSelfCalLutDepth = 79;
inline constexpr std::size_t kFrontLutPrecision = 80;
inline constexpr std::size_t kPbyPType = 81;
inline constexpr std::size_t kCount = 82;
}  // namespace word

struct ModelRecord {
    // Capability words 0 to 81 by number; 50 to 59 stay 0.
    std::array<uint32_t, word::kCount> words{};
    std::vector<int> lutKinds;
    uint32_t contrastScale = 0;   // 100, 70 or 50; 0 when the model gives none
    std::vector<int> inputPorts;  // monitor port codes
    std::vector<std::pair<int, int>> calibrationModes;
    std::vector<FeaturePair> featureList1;
    std::vector<FeaturePair> featureList2;
    uint16_t gridCount = 0;  // 3D LUT nodes per axis
    std::vector<uint16_t> gridLevels;
    uint16_t panelRevision = 0;
    uint32_t nativeWidth = 0;
    uint32_t nativeHeight = 0;
    uint32_t sensorX = 0;  // sensor measurement position
    uint32_t sensorY = 0;
    uint32_t mediaEmulationCount = 0;
    std::array<uint16_t, 4> sensorRect{};
    std::vector<int> usbcAltModePorts;
    colour d65{};                     // valid when x and y are both above 0
    std::vector<uint16_t> valueList;  // colour-temperature values the model offers
    uint8_t flag = 0;
    std::vector<uint8_t> modeTable;  // Tonality value of each mode index

    uint32_t Word(std::size_t i) const { return i < words.size() ? words[i] : 0; }
    uint32_t FeatureMask() const { return words[word::kFeatureMask]; }
    uint32_t ExtendedFeatureMask() const { return words[word::kExtendedFeatureMask]; }
    uint32_t ModeCount() const { return words[word::kModeCount]; }
    uint32_t NativeLutDepth() const { return words[word::kNativeLutDepth]; }
    // The newer-generation marker: the feature list holds code 0x80000000.
    bool HasFeatureCode(uint32_t code) const;
    bool IsNewerGeneration() const { return HasFeatureCode(0x80000000u); }
};

}  // namespace dvc::registry
