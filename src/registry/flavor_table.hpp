// The flavor table: the monitor's preset colour modes and their features.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace dvc::registry {

struct FlavorEntry {
    std::vector<int> modes;  // mode numbers 1 to 8, ascending
    int flavor = 0;
    std::array<int, 32> features{};  // flags 0 to 14 may be set
};

struct FlavorTable {
    std::string model;
    std::vector<FlavorEntry> entries;
};

}  // namespace dvc::registry
