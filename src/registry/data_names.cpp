#include "registry/data_names.hpp"

#include <array>
#include <cstdio>

#include "registry/model_groups.hpp"

namespace dvc::registry {

namespace {

struct NamedIndex {
    int gammaIndex;
    std::string_view name;
};

// Blocks of the ordinary gamma curves (indices 1 to 17) and of the
// LUT-backed special curves (256 to 264).
constexpr std::array<NamedIndex, 26> kFirstLutTable{{
    {1, "LUT000"},   {2, "LUT001"},   {3, "LUT002"},   {4, "LUT003"},   {5, "LUT004"},   {6, "LUT005"},
    {7, "LUT006"},   {8, "LUT007"},   {9, "LUT008"},   {10, "LUT009"},  {11, "LUT010"},  {12, "LUT011"},
    {13, "LUT012"},  {14, "LUT013"},  {15, "LUT014"},  {16, "LUT015"},  {17, "LUT016"},  {256, "LUT020"},
    {257, "LUT021"}, {258, "LUT022"}, {259, "LUT023"}, {260, "LUT024"}, {261, "LUT025"}, {262, "LUT026"},
    {263, "LUT027"}, {264, "LUT028"},
}};

// Blocks of the second group of special curves.
constexpr std::array<NamedIndex, 6> kSecondLutTable{{
    {273, "LUT100"},
    {272, "LUT101"},
    {268, "LUT102"},
    {269, "LUT103"},
    {270, "LUT104"},
    {271, "LUT105"},
}};

template <std::size_t N>
void AppendNamed(std::span<const int> gammaIndices, const std::array<NamedIndex, N>& table,
                 std::vector<std::string>& names) {
    for (const int index : gammaIndices)
        for (const auto& entry : table)
            if (entry.gammaIndex == index) names.emplace_back(entry.name);
}

void AppendGenerated(std::string_view prefix, int first, int last, std::vector<std::string>& names) {
    for (int n = first; n <= last; ++n) names.push_back(GeneratedDataName(prefix, n));
}

}  // namespace

std::string GeneratedDataName(std::string_view prefix, int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", number);
    return std::string(prefix) + digits;
}

std::vector<std::string> LutNamesFor(std::span<const int> gammaIndices) {
    std::vector<std::string> names;
    AppendNamed(gammaIndices, kFirstLutTable, names);
    AppendNamed(gammaIndices, kSecondLutTable, names);
    AppendGenerated("LUT", 50, 59, names);
    AppendGenerated("LUT", 75, 84, names);
    return names;
}

DvError AicNamesFor(std::string_view model, std::vector<std::string>& names) {
    const auto second = AicSecondRange(model);
    if (!second) return DvErrNotSupported;
    names.clear();
    AppendGenerated("AIC", 302, 313, names);
    AppendGenerated("AIC", second->first, second->last, names);
    return DvOk;
}

}  // namespace dvc::registry
