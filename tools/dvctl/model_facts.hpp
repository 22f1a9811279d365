// What the library tells about one monitor's model, gathered through the
// model exports (only the native resolution asks the monitor first), shown
// as text or JSON.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

#include "session.hpp"

namespace dvc::cli {

struct GammaEntry {
    double value;
    int index;
};

struct FlavorEntry {
    int flavor;
    std::vector<int> modes;
    std::vector<int> features;  // numbers of the set feature flags
};

struct ModelFacts {
    int modeCount = 0;
    std::optional<int> lutDepth;  // none: the model has no native LUT
    int panelRevision = 0;
    int mediaEmulationCount = 0;
    std::vector<GammaEntry> gamma;
    std::vector<int> colourTemperatures;
    std::vector<int> inputPorts;                          // exported port numbers
    std::optional<std::pair<int, int>> nativeResolution;  // width, height; none when not known
    std::vector<FlavorEntry> flavors;
};

ModelFacts GatherModelFacts(const Monitor& monitor);

nlohmann::ordered_json ToJson(const Monitor& monitor, const ModelFacts& facts);
std::string ToText(const Monitor& monitor, const ModelFacts& facts);

// A colour-temperature value as people read it: kelvin, or the preset.
std::string ColourTemperatureText(int value);
// A gamma value as people read it: the exponent, or the special curve.
std::string GammaText(double value);

}  // namespace dvc::cli
