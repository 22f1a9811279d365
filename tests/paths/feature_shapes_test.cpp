// The shapes of per-path feature operations, on a scripted path: what each
// sends, and how it treats odd answers and arguments.
#include "paths/feature_shapes.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "paths/scripted_path.hpp"

namespace dvc::paths {
namespace {

using test::ScriptedPath;
using Bytes = std::vector<uint8_t>;

TEST(ValueSwitches, NonZeroAndExactlyOneDifferForEveryArgumentButZeroAndOne) {
    struct Case {
        int32_t argument;
        uint32_t raw, nonZero, exactlyOne;
    };
    for (const Case c : {Case{0, 0, 0, 0}, Case{1, 1, 1, 1}, Case{2, 2, 1, 0}, Case{-1, 0xFFFFFFFF, 1, 0}}) {
        EXPECT_EQ(Switched(Switch::Raw, c.argument), c.raw) << c.argument;
        EXPECT_EQ(Switched(Switch::NonZero, c.argument), c.nonZero) << c.argument;
        EXPECT_EQ(Switched(Switch::ExactlyOne, c.argument), c.exactlyOne) << c.argument;
    }
    EXPECT_EQ(Folded(ReadAs::Bool, 0x100), 1);
    EXPECT_EQ(Folded(ReadAs::Raw, 0xFFFFFFFF), -1);
}

TEST(LittleFields, ReadAndWriteUpToFourBytes) {
    Bytes bytes{0x78, 0x56, 0x34, 0x12, 0x99};
    EXPECT_EQ(LittleField(bytes.data(), 1), 0x78u);
    EXPECT_EQ(LittleField(bytes.data(), 3), 0x345678u);
    EXPECT_EQ(LittleField(bytes.data(), 4), 0x12345678u);
    PutLittleField(bytes.data() + 1, 2, 0xBEEF);
    EXPECT_EQ(bytes, (Bytes{0x78, 0xEF, 0xBE, 0x12, 0x99}));
    EXPECT_TRUE(FitsField(255, 1));
    EXPECT_FALSE(FitsField(256, 1));
    EXPECT_FALSE(FitsField(0xFFFFFFFF, 3));
    EXPECT_TRUE(FitsField(0xFFFFFFFF, 4));
}

TEST(SupportFallback, AnAbsentAnswerHandsOverAndAnyOtherAnswerStands) {
    ScriptedPath path;
    using Chain = Codes<0x70, 0x24>;
    auto ask = [&](uint32_t code, int32_t* flag) { return path.QueryGamma(code, flag); };
    int32_t flag = 5;
    path.At(0x24);
    EXPECT_EQ(EachSupportCode<Chain>(&flag, ask), DvOk);
    EXPECT_EQ(flag, 1) << "0x70 unconfigured answers flag 0: 0x24 is asked";
    path.Reset();
    path.At(0x70);
    path.At(0x24);
    path.RefuseOn("QueryGamma", 0x70);
    EXPECT_EQ(EachSupportCode<Chain>(&flag, ask), DvErrRefused);
    EXPECT_EQ(path.Trace().size(), 1u) << "a refusal that reports the feature is an answer";
    path.Reset();
    EXPECT_EQ(EachSupportCode<Chain>(&flag, ask), DvOk);
    EXPECT_EQ(flag, 0) << "the last code's answer";
}

TEST(CheckDataLength, PassesAFailedQueryBackAndZeroesTheLength) {
    ScriptedPath path;
    path.At(0x12).data = Bytes(17);
    path.FailOn("ReadFixedData", 0x12, DvErrTimeout);
    uint32_t length = 99;
    EXPECT_EQ(path.CheckDataLength(0x12, &length, 1), DvErrTimeout);
    EXPECT_EQ(length, 0u);
    path.ClearFaults();
    EXPECT_EQ(path.CheckDataLength(0x12, &length, 17), DvOk);
    EXPECT_EQ(length, 17u);
    EXPECT_EQ(path.CheckDataLength(0x12, &length, 18), DvErrNotSupported);
}

TEST(ValueBlocks, WidthFollowsTheMonitorsLength) {
    ScriptedPath path;
    path.At(0xAD).data = Bytes(1);
    EXPECT_EQ(BlockValueSet(path, 0xAD, 255), DvOk);
    EXPECT_EQ(path.At(0xAD).data, Bytes{0xFF});
    EXPECT_EQ(BlockValueSet(path, 0xAD, 256), DvErrInvalidParameter);
    EXPECT_EQ(BlockValueSet(path, 0xAD, -1), DvErrInvalidParameter) << "-1 does not fit one byte";
    path.At(0xAD).data = Bytes(6, 0xEE);
    EXPECT_EQ(BlockValueSet(path, 0xAD, -2), DvOk);
    EXPECT_EQ(path.At(0xAD).data, (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0, 0})) << "four bytes, the rest zero";
    int32_t value = 0;
    EXPECT_EQ(BlockValueGet(path, 0xAD, &value), DvOk);
    EXPECT_EQ(value, -2);
}

TEST(PairBlocks, CoordinatesMustFitSixteenBitsOfATenThousandth) {
    EXPECT_TRUE(ChromaticityFits(0.0));
    EXPECT_TRUE(ChromaticityFits(6.5535));
    EXPECT_FALSE(ChromaticityFits(6.55355));
    EXPECT_FALSE(ChromaticityFits(-0.00001));
    EXPECT_FALSE(ChromaticityFits(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(ChromaticityFits(std::numeric_limits<double>::infinity()));
    ScriptedPath path;
    path.At(0x50);
    const double xy[2] = {0.31269, 0.00004};
    EXPECT_EQ(BlockXYSet(path, 0x50, 1, xy), DvOk);
    EXPECT_EQ(path.At(0x50).data, (Bytes{0x37, 0x0C, 0x00, 0x00})) << "3127 and 0: rounded to the nearest";
}

TEST(CopyValue, ARefusedReadIsStillCopied) {
    ScriptedPath path;
    path.At(0x1F).value = 120;
    path.At(0x67);
    path.RefuseOn("ReadValue", 0x1F);
    EXPECT_EQ(CopyValue(path, 0x1F, 0x67), DvOk);
    EXPECT_EQ(path.At(0x67).value, 120u);
}

}  // namespace
}  // namespace dvc::paths
