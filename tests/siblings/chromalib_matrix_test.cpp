// The RGB-to-XYZ matrix and its handles.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "chromalib_colours.hpp"

namespace {

using dvc::test::Yxy;
using Matrix = std::array<std::array<double, 3>, 3>;

const colour kRed = Yxy(0, 0.64, 0.33), kGreen = Yxy(0, 0.30, 0.60), kBlue = Yxy(0, 0.15, 0.06);
const colour kD65 = Yxy(1, 0.3127, 0.3290);

// All nine elements, releasing the handle; fails the test when any call fails.
Matrix Build(colour r, colour g, colour b, colour w) {
    Matrix m{};
    void* handle = nullptr;
    EXPECT_EQ(Colour_GetMatrix(&handle, 0, r, g, b, w), CHROMALIB_OK);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(Colour_GetMatrixValue(&m[row][column], handle, row, column), CHROMALIB_OK);
    EXPECT_EQ(Colour_ReleaseMatrix(&handle), CHROMALIB_OK);
    EXPECT_EQ(handle, nullptr);
    return m;
}

TEST(ChromalibMatrix, Rec709PrimariesWithD65) {
    const Matrix expected = {{{0.4124, 0.3576, 0.1805}, {0.2126, 0.7152, 0.0722},
                              {0.0193, 0.1192, 0.9505}}};
    const Matrix m = Build(kRed, kGreen, kBlue, kD65);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_NEAR(m[row][column], expected[row][column], 1e-4) << row << "," << column;
}

TEST(ChromalibMatrix, ScalesWithTheWhitesLuminance) {
    const Matrix unit = Build(kRed, kGreen, kBlue, kD65);
    EXPECT_EQ(Build(kRed, kGreen, kBlue, Yxy(0, 0.3127, 0.3290)), unit) << "Y 0 is taken as 1";
    const Matrix bright = Build(kRed, kGreen, kBlue, Yxy(250, 0.3127, 0.3290));
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_NEAR(bright[row][column], 250 * unit[row][column], 1e-12);
}

TEST(ChromalibMatrix, DegenerateInputGivesNoHandle) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        colour r, g, b, w;
    };
    for (const Case& c : {Case{"collinear", Yxy(0, 0.2, 0.2), Yxy(0, 0.3, 0.3), Yxy(0, 0.4, 0.4), kD65},
                          Case{"same primary", kRed, kRed, kBlue, kD65},
                          Case{"primary y 0", kRed, kGreen, Yxy(0, 0.15, 0), kD65},
                          Case{"white y 0", kRed, kGreen, kBlue, Yxy(1, 0.3127, 0)},
                          Case{"not a number", kRed, Yxy(0, nan, 0.6), kBlue, kD65},
                          Case{"infinite white", kRed, kGreen, kBlue, Yxy(HUGE_VAL, 0.3, 0.3)}}) {
        SCOPED_TRACE(c.name);
        int dummy = 0;
        void* handle = &dummy;
        EXPECT_EQ(Colour_GetMatrix(&handle, 0, c.r, c.g, c.b, c.w), CHROMALIB_ERR_SINGULAR);
        EXPECT_EQ(handle, nullptr);
    }
}

TEST(ChromalibMatrix, RefusesBadArgumentsAndStaleHandles) {
    void* handle = nullptr;
    EXPECT_EQ(Colour_GetMatrix(nullptr, 0, kRed, kGreen, kBlue, kD65), CHROMALIB_ERR_INVALID_PARAMETER);
    EXPECT_EQ(Colour_GetMatrix(&handle, 1, kRed, kGreen, kBlue, kD65), CHROMALIB_ERR_INVALID_PARAMETER);
    EXPECT_EQ(handle, nullptr);

    ASSERT_EQ(Colour_GetMatrix(&handle, 0, kRed, kGreen, kBlue, kD65), CHROMALIB_OK);
    double value = 7;
    for (const auto& [row, column] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 3}})
        EXPECT_EQ(Colour_GetMatrixValue(&value, handle, row, column), CHROMALIB_ERR_INVALID_PARAMETER);
    EXPECT_EQ(Colour_GetMatrixValue(nullptr, handle, 0, 0), CHROMALIB_ERR_INVALID_PARAMETER);
    double foreign = 0;
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
