// The RGB-to-XYZ matrix of a monitor's primaries and white, built by the
// colour library, and what is derived from it.
#pragma once

#include <array>
#include <optional>

#include "libdvc/dvc_types.h"

namespace dvc::colour_math {

using Matrix3x3 = std::array<std::array<double, 3>, 3>;  // [row X, Y, Z][column red, green, blue]

// The colour library's matrix of primaries carrying x, y and a white
// carrying Y, x, y (Y = 0 stands for 1); nullopt when it builds none.
std::optional<Matrix3x3> RgbToXyz(const colour& red, const colour& green, const colour& blue, const colour& white);

// Completes primaries that carry only x, y from the white point: their Y
// from the matrix's Y row, then X and Z of all four colours. False, and no
// colour changed, when the colour library builds no matrix.
bool CompletePrimaryLuminances(colour& red, colour& green, colour& blue, colour& white);

}  // namespace dvc::colour_math
