#include "paths/value_codec.hpp"

#include <gtest/gtest.h>

#include <limits>

using namespace dvc::paths;

TEST(RatioConversion, TruncationAndRoundingDifferAtHalfSteps) {
    EXPECT_EQ(TruncatedRaw(101, 0.5), 50u);
    EXPECT_EQ(RoundedRaw(101, 0.5), 51u);
    EXPECT_EQ(TruncatedRaw(100, 0.999), 99u);
    EXPECT_EQ(RoundedRaw(100, 0.999), 100u);
    EXPECT_EQ(RoundedRaw(0, 0.7), 0u);
}

TEST(RatioConversion, ExtremeInputsSaturateInsteadOfOverflowing) {
    EXPECT_EQ(TruncatedRaw(100, 1e300), 0xFFFFFFFFu);
    EXPECT_EQ(TruncatedRaw(100, std::numeric_limits<double>::infinity()), 0xFFFFFFFFu);
    EXPECT_EQ(TruncatedRaw(-100, 1e300), 0x80000000u);
    EXPECT_EQ(TruncateToWord(std::numeric_limits<double>::quiet_NaN()), 0u);
    // A negative maximum keeps the sign's bits, as the monitor's word would.
    EXPECT_EQ(TruncatedRaw(-10, 0.5), static_cast<uint32_t>(-5));
}

TEST(RatioConversion, NegativeAndNanRatiosAreRefused) {
    EXPECT_TRUE(AcceptableRatio(0.0));
    EXPECT_TRUE(AcceptableRatio(1.5));
    EXPECT_FALSE(AcceptableRatio(-0.1));
    EXPECT_FALSE(AcceptableRatio(std::numeric_limits<double>::quiet_NaN()));
}

TEST(RatioConversion, RatioOfRawUsesTheSignedMaximum) {
    EXPECT_DOUBLE_EQ(RatioOf(50, 100), 0.5);
    EXPECT_DOUBLE_EQ(RatioOf(0xFFFFFFFFu, 1), 4294967295.0);
}

TEST(RangeMiddle, RoundsTowardZeroWithoutOverflow) {
    EXPECT_EQ(RangeMiddle(100, 0), 50);
    EXPECT_EQ(RangeMiddle(0, -3), -1);
    EXPECT_EQ(RangeMiddle(3, 0), 1);
    EXPECT_EQ(RangeMiddle(2147483647, 2147483647), 2147483647);
    EXPECT_EQ(RangeMiddle(-2147483647 - 1, -2147483647 - 1), -2147483647 - 1);
}

TEST(Chromaticity, FieldsAreTenThousandthsCutTo16Bits) {
    EXPECT_EQ(ChromaticityField(0.3127), 3127);
    EXPECT_EQ(ChromaticityField(0.329), 3290);
    EXPECT_EQ(ChromaticityField(6.5536), 0);  // 65536 wraps
    EXPECT_DOUBLE_EQ(ChromaticityValue(3127), 0.3127);
}

TEST(LittleEndian, FieldsRoundTrip) {
    uint8_t bytes[2] = {};
    PutField16(bytes, 0x2345);
    EXPECT_EQ(bytes[0], 0x45);
    EXPECT_EQ(bytes[1], 0x23);
    EXPECT_EQ(Field16(bytes), 0x2345);
}
