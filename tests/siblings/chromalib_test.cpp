// chromalib through its C functions: conversions between Yxy and XYZ, and
// the RGB-to-XYZ matrix and its handles.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "chromalib/chromalib.h"

namespace dvc::test {
namespace {

// A colour with recognisable reserved members, which every function keeps.
colour Make(double X, double Y, double Z, double x, double y) {
    colour c{};
    for (int i = 0; i < 7; ++i) c.reserved_a[i] = 100 + i;
    for (int i = 0; i < 6; ++i) c.reserved_b[i] = -200 - i;
    c.X = X, c.Y = Y, c.Z = Z, c.x = x, c.y = y;
    return c;
}
colour Yxy(double Y, double x, double y) { return Make(0, Y, 0, x, y); }

bool ReservedKept(const colour& c) {
    const colour made = Yxy(0, 0, 0);
    return std::memcmp(c.reserved_a, made.reserved_a, sizeof c.reserved_a) == 0 &&
           std::memcmp(c.reserved_b, made.reserved_b, sizeof c.reserved_b) == 0;
}

const colour kRed = Yxy(0, 0.64, 0.33), kGreen = Yxy(0, 0.30, 0.60), kBlue = Yxy(0, 0.15, 0.06);
const colour kD65 = Yxy(1, 0.3127, 0.3290);

// Element (row, column) of the Rec. 709 primaries' matrix with this white.
double Element(colour white, int row, int column) {
    void* m = nullptr;
    double v = NAN;
    EXPECT_EQ(Colour_GetMatrix(&m, 0, kRed, kGreen, kBlue, white), CHROMALIB_OK);
    EXPECT_EQ(Colour_GetMatrixValue(&v, m, row, column), CHROMALIB_OK);
    EXPECT_EQ(Colour_ReleaseMatrix(&m), CHROMALIB_OK);
    EXPECT_EQ(m, nullptr);
    return v;
}

TEST(Chromalib, ConversionsBothWaysKeepTheReservedMembersAndGiveZerosForNoColour) {
    const colour xyz = Colour_Yxy2XZ(Yxy(100, 0.3127, 0.3290));
    EXPECT_NEAR(xyz.X, 95.0456, 1e-4);
    EXPECT_NEAR(xyz.Z, 108.9058, 1e-4);
    EXPECT_TRUE(xyz.Y == 100 && ReservedKept(xyz));
    colour inPlace = Make(xyz.X, 100, xyz.Z, 0, 0);
    ASSERT_EQ(Colour_XYZ2Yxy_UsingOneStruct(&inPlace), CHROMALIB_OK);
    for (const colour& c : {inPlace, Colour_XYZ2xy(Make(xyz.X, 100, xyz.Z, 0, 0))}) {
        EXPECT_NEAR(c.x, 0.3127, 1e-12);
        EXPECT_NEAR(c.y, 0.3290, 1e-12);
        EXPECT_TRUE(c.X == xyz.X && c.Y == 100 && c.Z == xyz.Z && ReservedKept(c));
    }
    const colour noY = Colour_Yxy2XZ(Make(42, 5, 42, 0.3, 0));
    EXPECT_TRUE(noY.X == 0 && noY.Z == 0 && noY.Y == 5);
    for (colour black : {Make(0, 0, 0, 0.5, 0.5), Make(1, -1, 0, 0.5, 0.5)}) {  // a zero sum
        const colour byValue = Colour_XYZ2xy(black);
        ASSERT_EQ(Colour_XYZ2Yxy_UsingOneStruct(&black), CHROMALIB_OK);
        EXPECT_TRUE(black.x == 0 && black.y == 0 && byValue.x == 0 && byValue.y == 0);
    }
    EXPECT_EQ(Colour_XYZ2Yxy_UsingOneStruct(nullptr), CHROMALIB_ERR_INVALID_PARAMETER);
}

TEST(Chromalib, Rec709MatrixScalesWithTheWhitesLuminance) {
    const double expected[3][3] = {{0.4124, 0.3576, 0.1805}, {0.2126, 0.7152, 0.0722}, {0.0193, 0.1192, 0.9505}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const double unit = Element(kD65, row, column);
            EXPECT_NEAR(unit, expected[row][column], 1e-4) << row << "," << column;
            EXPECT_NEAR(Element(Yxy(250, 0.3127, 0.3290), row, column), 250 * unit, 1e-12);
            EXPECT_EQ(Element(Yxy(0, 0.3127, 0.3290), row, column), unit) << "Y 0 is taken as 1";
        }
    }
}

TEST(Chromalib, DegenerateColoursGiveNoMatrixAndOnlyLiveHandlesAreRead) {
    const struct {
        colour r, g, b, w;
    } degenerate[] = {
        {Yxy(0, 0.2, 0.2), Yxy(0, 0.3, 0.3), Yxy(0, 0.4, 0.4), kD65},  // collinear primaries
        {kRed, kRed, kBlue, kD65},                                     // the same primary twice
        {kRed, kGreen, Yxy(0, 0.15, 0), kD65},                         // a primary with y 0
        {kRed, kGreen, kBlue, Yxy(1, 0.3127, 0)},                      // a white with y 0
        {kRed, Yxy(0, NAN, 0.6), kBlue, kD65},                         // not a number
        {kRed, kGreen, kBlue, Yxy(HUGE_VAL, 0.3, 0.3)},                // an infinite white
    };
    for (const auto& c : degenerate) {
        int dummy = 0;
        void* handle = &dummy;
        EXPECT_EQ(Colour_GetMatrix(&handle, 0, c.r, c.g, c.b, c.w), CHROMALIB_ERR_SINGULAR) << &c - degenerate;
        EXPECT_EQ(handle, nullptr);
    }
    void* handle = nullptr;
    EXPECT_EQ(Colour_GetMatrix(nullptr, 0, kRed, kGreen, kBlue, kD65), CHROMALIB_ERR_INVALID_PARAMETER);
    EXPECT_EQ(Colour_GetMatrix(&handle, 1, kRed, kGreen, kBlue, kD65), CHROMALIB_ERR_INVALID_PARAMETER);
    ASSERT_EQ(Colour_GetMatrix(&handle, 0, kRed, kGreen, kBlue, kD65), CHROMALIB_OK);
    double value = 7, foreign = 0;
    for (const auto& [row, column] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 3}})
        EXPECT_EQ(Colour_GetMatrixValue(&value, handle, row, column), CHROMALIB_ERR_INVALID_PARAMETER);
    EXPECT_EQ(Colour_GetMatrixValue(nullptr, handle, 0, 0), CHROMALIB_ERR_INVALID_PARAMETER);
    EXPECT_EQ(Colour_GetMatrixValue(&value, &foreign, 0, 0), CHROMALIB_ERR_INVALID_PARAMETER);
    EXPECT_EQ(Colour_GetMatrixValue(&value, nullptr, 0, 0), CHROMALIB_ERR_INVALID_PARAMETER);
    EXPECT_EQ(value, 7);
    void* stale = handle;
    EXPECT_EQ(Colour_ReleaseMatrix(&handle), CHROMALIB_OK);
    EXPECT_EQ(Colour_GetMatrixValue(&value, stale, 0, 0), CHROMALIB_ERR_INVALID_PARAMETER);
    EXPECT_EQ(Colour_ReleaseMatrix(&stale), CHROMALIB_ERR_INVALID_PARAMETER);
    EXPECT_NE(stale, nullptr);
    EXPECT_EQ(Colour_ReleaseMatrix(&handle), CHROMALIB_OK) << "a null handle";
    EXPECT_EQ(Colour_ReleaseMatrix(nullptr), CHROMALIB_OK);
}

}  // namespace
}  // namespace dvc::test
