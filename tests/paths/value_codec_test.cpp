#include "paths/value_codec.hpp"

#include <gtest/gtest.h>

#include <limits>

using namespace dvc::paths;

// Whatever a caller passes, the conversion to the monitor's word stays
// defined: out-of-range values saturate, NaN becomes 0 (and is refused
// before it gets there), a negative maximum keeps its sign's bits.
TEST(ValueCodec, RatioConversionsNeverOverflow) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TruncatedRaw(100, 1e300), 0xFFFFFFFFu);
    EXPECT_EQ(RoundedRaw(100, kInf), 0xFFFFFFFFu);
    EXPECT_EQ(TruncatedRaw(-100, 1e300), 0x80000000u);
    EXPECT_EQ(TruncatedRaw(-10, 0.5), static_cast<uint32_t>(-5));
    EXPECT_EQ(TruncateToWord(std::numeric_limits<double>::quiet_NaN()), 0u);
    EXPECT_FALSE(AcceptableRatio(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(AcceptableRatio(-0.1));
    EXPECT_TRUE(AcceptableRatio(1.5));  // above 1 is the caller's business
    EXPECT_DOUBLE_EQ(RatioOf(0xFFFFFFFFu, 1), 4294967295.0);
}

TEST(ValueCodec, RangeMiddleRoundsTowardZeroWithoutOverflow) {
    EXPECT_EQ(RangeMiddle(3, 0), 1);
    EXPECT_EQ(RangeMiddle(0, -3), -1);
    EXPECT_EQ(RangeMiddle(2147483647, 2147483647), 2147483647);
    EXPECT_EQ(RangeMiddle(-2147483647 - 1, -2147483647 - 1), -2147483647 - 1);
}

TEST(ValueCodec, ChromaticityIsCutTo16Bits) {
    EXPECT_EQ(ChromaticityField(6.5536), 0);
    EXPECT_EQ(ChromaticityField(6.5537), 1);
}
