// Conversions between XYZ and Yxy.
#include "chromalib/chromalib.h"

namespace {

// Black has no chromaticity; zero is stored rather than a NaN.
void FillChromaticity(colour& c) {
    const double sum = c.X + c.Y + c.Z;
    c.x = sum == 0.0 ? 0.0 : c.X / sum;
    c.y = sum == 0.0 ? 0.0 : c.Y / sum;
}

}  // namespace

extern "C" {

colour Colour_Yxy2XZ(colour c) {
    if (c.y == 0.0) {
        c.X = 0.0;
        c.Z = 0.0;
    } else {
        c.X = c.x * c.Y / c.y;
        c.Z = (1.0 - c.x - c.y) * c.Y / c.y;
    }
    return c;
}

int32_t Colour_XYZ2Yxy_UsingOneStruct(colour* c) {
    if (c == nullptr) return CHROMALIB_ERR_INVALID_PARAMETER;
    FillChromaticity(*c);
    return CHROMALIB_OK;
}

colour Colour_XYZ2xy(colour c) {
    FillChromaticity(c);
    return c;
}

}  // extern "C"
