#include "colour/grid_levels.hpp"

#include <array>

namespace dvc::lut3d {

namespace {

// Steps of 16 (of 32 in the middle of the 10-node list); both end on 255,
// not 256, so that the last node sits on full scale.
constexpr std::array<uint16_t, 10> kLevels10 = {0, 16, 32, 64, 96, 128, 160, 192, 224, 255};
constexpr std::array<uint16_t, 17> kLevels17 = {0,   16,  32,  48,  64,  80,  96,  112, 128,
                                                144, 160, 176, 192, 208, 224, 240, 255};

}  // namespace

std::span<const uint16_t> StandardGridLevels(uint16_t gridCount) {
    switch (gridCount) {
    case 10: return kLevels10;
    case 17: return kLevels17;
    default: return {};
    }
}

}  // namespace dvc::lut3d
