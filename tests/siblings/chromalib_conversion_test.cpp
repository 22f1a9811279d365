// Conversions between Yxy and XYZ.
#include <gtest/gtest.h>

#include "chromalib_colours.hpp"

namespace {

using chromalib_test::XYZ;
using chromalib_test::Yxy;

TEST(ChromalibConversion, YxyToXYZAtD65) {
    const colour c = Colour_Yxy2XZ(Yxy(100, 0.3127, 0.3290));
    EXPECT_NEAR(c.X, 95.0456, 1e-4);
    EXPECT_NEAR(c.Z, 108.9058, 1e-4);
    EXPECT_EQ(c.Y, 100);
    EXPECT_EQ(c.x, 0.3127);
    EXPECT_EQ(c.y, 0.3290);
    EXPECT_TRUE(chromalib_test::ReservedKept(c));
}

TEST(ChromalibConversion, ZeroYChromaticityGivesZeroXZ) {
    colour in = Yxy(5, 0.3, 0);
    in.X = in.Z = 42;
    const colour c = Colour_Yxy2XZ(in);
    EXPECT_EQ(c.X, 0);
    EXPECT_EQ(c.Z, 0);
    EXPECT_EQ(c.Y, 5);
}

TEST(ChromalibConversion, XYZToChromaticityInPlaceAndByValue) {
    colour inPlace = XYZ(95.0456, 100, 108.9058);
    ASSERT_EQ(Colour_XYZ2Yxy_UsingOneStruct(&inPlace), CHROMALIB_OK);
    const colour byValue = Colour_XYZ2xy(XYZ(95.0456, 100, 108.9058));
    for (const colour& c : {inPlace, byValue}) {
        EXPECT_NEAR(c.x, 0.3127, 1e-6);
        EXPECT_NEAR(c.y, 0.3290, 1e-6);
        EXPECT_EQ(c.X, 95.0456);
        EXPECT_EQ(c.Y, 100);
        EXPECT_EQ(c.Z, 108.9058);
        EXPECT_TRUE(chromalib_test::ReservedKept(c));
    }
    EXPECT_EQ(Colour_XYZ2Yxy_UsingOneStruct(nullptr), CHROMALIB_ERR_INVALID_PARAMETER);
}

TEST(ChromalibConversion, ZeroSumGivesZeroChromaticity) {
    for (const colour& in : {XYZ(0, 0, 0), XYZ(1, -1, 0)}) {
        colour inPlace = in;
        inPlace.x = inPlace.y = 0.5;
        ASSERT_EQ(Colour_XYZ2Yxy_UsingOneStruct(&inPlace), CHROMALIB_OK);
        const colour byValue = Colour_XYZ2xy(inPlace);
        for (const colour& c : {inPlace, byValue}) {
            EXPECT_EQ(c.x, 0);
            EXPECT_EQ(c.y, 0);
        }
    }
}

TEST(ChromalibConversion, RoundTripKeepsYxy) {
    for (const colour& in : {Yxy(1, 0.64, 0.33), Yxy(0.0722, 0.15, 0.06), Yxy(250, 0.17, 0.797)}) {
        const colour c = Colour_XYZ2xy(Colour_Yxy2XZ(in));
        EXPECT_NEAR(c.x, in.x, 1e-12);
        EXPECT_NEAR(c.y, in.y, 1e-12);
        EXPECT_NEAR(c.X + c.Y + c.Z, in.Y / in.y, 1e-9);
    }
}

}  // namespace
