// Colours for the chromalib tests, with recognisable reserved members.
#pragma once

#include <algorithm>
#include <iterator>

#include "chromalib/chromalib.h"

namespace dvc::test {

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
    const colour made = Yxy(0, 0, 0);
    return std::equal(std::begin(c.reserved_a), std::end(c.reserved_a), made.reserved_a) &&
           std::equal(std::begin(c.reserved_b), std::end(c.reserved_b), made.reserved_b);
}

}  // namespace dvc::test
