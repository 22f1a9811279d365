// Model groups: fixed lists of model names that the built-in tables and some
// feature operations test the monitor's model name against.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace dvc::registry {

enum class ModelGroup {
    AtMode,              // per-mode reads without asking the monitor for modes
    Tagless,             // full record from the first built-in table
    Defaults,            // specific values from the second built-in table
    DefaultsAlt,         // native resolution and sensor position rows
    Tonality,            // Tonality operations on fixed mode lists
    Gamma,               // gamma table numbered from 1.8 upwards
    NoInputAuto,         // no automatic input selection
    TonalityIndexNames,  // Tonality names addressed by list position
    TonalityName10,      // Tonality name size fixed at 10
    NoSignalCount,       // no signal count for the two-code port list
    LegacyLutFamily,     // may write the legacy tone LUT without a special gamma
};

bool InModelGroup(ModelGroup group, std::string_view model);
// Number of entries of a group's list (0 for the prefix-defined family).
std::size_t ModelGroupSize(ModelGroup group);

// The fixed Tonality list of a model of ModelGroupAtMode; nullopt otherwise.
std::optional<std::span<const int>> FixedTonalityList(std::string_view model);

// The second range of "AIC" data names of a model of ModelGroupAtMode.
struct NumberRange {
    int first;
    int last;
};
std::optional<NumberRange> AicSecondRange(std::string_view model);

}  // namespace dvc::registry
