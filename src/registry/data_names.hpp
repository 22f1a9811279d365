// Names of the data blocks a monitor stores per gamma setting ("LUT...")
// or per adjustment ("AIC...").
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "libdvc/dvc_types.h"

namespace dvc::registry {

// The prefix and the number with at least three digits: ("LUT", 50) gives
// "LUT050".
std::string GeneratedDataName(std::string_view prefix, int number);

// The LUT block names of a model whose gamma enumeration gives these gamma
// indices: the named indices of the first table, then those of the second
// table, then LUT050 to LUT059 and LUT075 to LUT084.
std::vector<std::string> LutNamesFor(std::span<const int> gammaIndices);

// The "AIC" block names of a model of ModelGroupAtMode; DvErrNotSupported
// for any other model.
DvError AicNamesFor(std::string_view model, std::vector<std::string>& names);

}  // namespace dvc::registry
