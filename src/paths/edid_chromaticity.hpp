// Colour characteristics of an EDID base block: 10-bit x and y of red,
// green, blue and white, the two low bits of each packed into bytes 25, 26.
#pragma once

#include <cstdint>

namespace dvc::paths {

struct Chromaticity {
    double x;
    double y;
};

// `index` 0 red, 1 green, 2 blue, 3 white; `edid` holds at least 35 bytes.
constexpr Chromaticity EdidChromaticity(const uint8_t* edid, int index) {
    const uint8_t lowBits = edid[index < 2 ? 25 : 26];
    const int xShift = index % 2 == 0 ? 6 : 2;
    const int high = 27 + 2 * index;
    const int x = edid[high] * 4 + ((lowBits >> xShift) & 3);
    const int y = edid[high + 1] * 4 + ((lowBits >> (xShift - 2)) & 3);
    return {x / 1024.0, y / 1024.0};
}

}  // namespace dvc::paths
