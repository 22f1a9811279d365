// The feature codes by name (feature_codes.def): dvc::codes::kGamma is 0x70.
#pragma once

#include <array>
#include <cstdint>

namespace dvc::codes {

#define DVC_FEATURE_CODE(name, value) inline constexpr uint32_t name = value;
#include "paths/feature_codes.def"
#undef DVC_FEATURE_CODE

// Every listed code in list order, for walks over the whole list.
inline constexpr std::array kAll = {
#define DVC_FEATURE_CODE(name, value) name,
#include "paths/feature_codes.def"
#undef DVC_FEATURE_CODE
};

// The list goes up by number, so no number has two names.
constexpr bool Ascending() {
    for (std::size_t i = 1; i < kAll.size(); ++i)
        if (kAll[i] <= kAll[i - 1]) return false;
    return true;
}
static_assert(Ascending(), "feature_codes.def: keep the codes in ascending order, each once");

}  // namespace dvc::codes
