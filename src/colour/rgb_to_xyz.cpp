#include "colour/rgb_to_xyz.hpp"

#include "chromalib/chromalib.h"

namespace dvc::colour_math {

std::optional<Matrix3x3> RgbToXyz(const colour& red, const colour& green, const colour& blue, const colour& white) {
    void* handle = nullptr;
    if (Colour_GetMatrix(&handle, 0, red, green, blue, white) < 0) return std::nullopt;
    Matrix3x3 m{};
    bool complete = true;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            complete = complete && Colour_GetMatrixValue(&m[row][column], handle, row, column) >= 0;
    Colour_ReleaseMatrix(&handle);
    if (!complete) return std::nullopt;
    return m;
}

bool CompletePrimaryLuminances(colour& red, colour& green, colour& blue, colour& white) {
    const auto m = RgbToXyz(red, green, blue, white);
    if (!m) return false;
    red.Y = (*m)[1][0];
    green.Y = (*m)[1][1];
    blue.Y = (*m)[1][2];
    for (colour* c : {&red, &green, &blue, &white}) *c = Colour_Yxy2XZ(*c);
    return true;
}

}  // namespace dvc::colour_math
