// Colours for the chromalib tests.
#pragma once

#include "chromalib/chromalib.h"

namespace chromalib_test {

// A colour with the given Y, x, y and recognisable reserved members.
inline colour Yxy(double Y, double x, double y) {
    colour c{};
    for (int i = 0; i < 7; ++i) c.reserved_a[i] = 100 + i;
    for (int i = 0; i < 6; ++i) c.reserved_b[i] = -200 - i;
    c.Y = Y, c.x = x, c.y = y;
    return c;
}

inline colour XYZ(double X, double Y, double Z) {
    colour c = Yxy(Y, 0, 0);
    c.X = X, c.Z = Z;
    return c;
}

inline bool ReservedKept(const colour& c) {
    for (int i = 0; i < 7; ++i)
        if (c.reserved_a[i] != 100 + i) return false;
    for (int i = 0; i < 6; ++i)
        if (c.reserved_b[i] != -200 - i) return false;
    return true;
}

}  // namespace chromalib_test
