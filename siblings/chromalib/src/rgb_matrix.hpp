// The RGB-to-XYZ matrix of a set of primaries and a white point.
#pragma once

#include <array>
#include <optional>

namespace dvc::chromalib {

using Matrix3 = std::array<std::array<double, 3>, 3>;  // [row][column]

struct Chromaticity {
    double x;
    double y;
};

// Columns: the primaries' XYZ at Y = 1, each scaled so that the columns
// add up to the white's XYZ at luminance whiteY. nullopt when no finite
// matrix exists (a y of 0, collinear primaries, a value not finite).
std::optional<Matrix3> RgbToXyz(const std::array<Chromaticity, 3>& primaries, Chromaticity white, double whiteY);

}  // namespace dvc::chromalib
