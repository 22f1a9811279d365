// Conversions between Yxy and XYZ.
#include <gtest/gtest.h>

#include "chromalib_colours.hpp"

namespace {

using dvc::test::ReservedKept;
using dvc::test::XYZ;
using dvc::test::Yxy;

TEST(ChromalibConversion, D65BothWays) {
    const colour xyz = Colour_Yxy2XZ(Yxy(100, 0.3127, 0.3290));
    EXPECT_NEAR(xyz.X, 95.0456, 1e-4);
    EXPECT_NEAR(xyz.Z, 108.9058, 1e-4);
    EXPECT_EQ(xyz.Y, 100);
    EXPECT_TRUE(ReservedKept(xyz));

    colour inPlace = XYZ(xyz.X, xyz.Y, xyz.Z);
    ASSERT_EQ(Colour_XYZ2Yxy_UsingOneStruct(&inPlace), CHROMALIB_OK);
    for (const colour& c : {inPlace, Colour_XYZ2xy(XYZ(xyz.X, xyz.Y, xyz.Z))}) {
        EXPECT_NEAR(c.x, 0.3127, 1e-12);
        EXPECT_NEAR(c.y, 0.3290, 1e-12);
        EXPECT_EQ(c.X, xyz.X);
        EXPECT_EQ(c.Y, 100);
        EXPECT_EQ(c.Z, xyz.Z);
        EXPECT_TRUE(ReservedKept(c));
    }
}

TEST(ChromalibConversion, DegenerateInputGivesZeros) {
    colour noY = Yxy(5, 0.3, 0);
    noY.X = noY.Z = 42;
    const colour c = Colour_Yxy2XZ(noY);
    EXPECT_EQ(c.X, 0);
    EXPECT_EQ(c.Z, 0);
    EXPECT_EQ(c.Y, 5);

    for (colour black : {XYZ(0, 0, 0), XYZ(1, -1, 0)}) {  // a zero sum
        black.x = black.y = 0.5;
        const colour byValue = Colour_XYZ2xy(black);
        ASSERT_EQ(Colour_XYZ2Yxy_UsingOneStruct(&black), CHROMALIB_OK);
        for (const colour& z : {black, byValue}) {
            EXPECT_EQ(z.x, 0);
            EXPECT_EQ(z.y, 0);
        }
    }
    EXPECT_EQ(Colour_XYZ2Yxy_UsingOneStruct(nullptr), CHROMALIB_ERR_INVALID_PARAMETER);
}

}  // namespace
