// Colour matrices: the fixed-point forms, the host's matrix arithmetic, the
// bank on the grading model, the compensated write, and the colour patch.
#include <cmath>

#include "api/profile_data.hpp"
#include "colour/dense_matrix.hpp"
#include "colour/rgb_to_xyz.hpp"
#include "features/handwritten.hpp"
#include "paths/feature_codes.hpp"
#include "paths/matrix_forms.hpp"
#include "support/wait_recorder.hpp"

namespace dvc::test {
namespace {

using colour_math::DenseMatrix;
using dvc::sim::Op;

TEST(MatrixForms, EdgesOfBothFormsAndValuesWithoutOne) {
    using paths::ToFixed16;
    using paths::ToFixed32;
    EXPECT_EQ(ToFixed16(1.0), 0x2000);
    EXPECT_EQ(ToFixed16(-1.0), static_cast<int16_t>(0xE000));
    EXPECT_EQ(ToFixed16(0.5 / 8192), 1) << "half a step rounds up";
    EXPECT_EQ(ToFixed16(-0.5 / 8192), 0) << "half a step below zero rounds up too";
    EXPECT_EQ(ToFixed16(32767 / 8192.0), 32767);
    EXPECT_EQ(ToFixed16(-4.0), -32768);
    EXPECT_EQ(ToFixed32(0.5), 0x10000000);
    EXPECT_EQ(ToFixed32(0.9999999999), 0x1FFFFFFF) << "toward zero, never up to 1.0";
    EXPECT_EQ(ToFixed32(-0.9999999999), -0x1FFFFFFF);
    EXPECT_EQ(ToFixed32(-4.0), INT32_MIN);
    for (double bad : {4.0, -4.001, double(NAN), double(INFINITY), -double(INFINITY)}) {
        EXPECT_FALSE(ToFixed32(bad)) << bad;
        EXPECT_FALSE(ToFixed16(bad)) << bad;
    }
}

TEST(DenseMatrix, ProductInverseAndTheInvertibilityBoundary) {
    const double a[9] = {2, 0, 1, 1, 3, 0, 0, 1, 4}, b[6] = {1, 2, 3, 4, 5, 6};
    double out[9] = {};
    DenseMatrix(3, 3, a).Times(DenseMatrix(2, 3, b)).CopyTo(out);
    EXPECT_TRUE(std::equal(out, out + 9, a)) << "mismatched sizes give a copy of the first";
    const DenseMatrix m(3, 3, a);
    const auto inverse = m.Inverse();
    ASSERT_TRUE(inverse);
    const DenseMatrix identity = m.Times(*inverse);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(identity.At(r, c), r == c ? 1 : 0, 1e-15);
    const double swapped[9] = {0, 1, 0, 1, 0, 0, 0, 0, 1};  // needs a row swap
    DenseMatrix(3, 3, swapped).Inverse()->CopyTo(out);
    EXPECT_TRUE(std::equal(out, out + 9, swapped));
    for (const auto& [d, invertible] : {std::pair{1e-6, false}, {2e-6, true}, {1e-7, false}, {-2e-6, true}}) {
        const double diagonal[9] = {d, 0, 0, 0, 1, 0, 0, 0, 1};
        EXPECT_EQ(DenseMatrix(3, 3, diagonal).Invertible3(), invertible) << d;
    }
}

TEST(PrimaryLuminance, CompletesThePrimariesFromTheWhiteOrChangesNothing) {
    auto Yxy = [](double Y, double x, double y) {
        colour c{};
        c.Y = Y, c.x = x, c.y = y;
        return c;
    };
    colour r = Yxy(0, 0.64, 0.33), g = Yxy(0, 0.30, 0.60), b = Yxy(0, 0.15, 0.06), w = Yxy(100, 0.3127, 0.3290);
    ASSERT_TRUE(colour_math::CompletePrimaryLuminances(r, g, b, w));
    EXPECT_NEAR(r.Y, 21.26, 1e-2);
    EXPECT_NEAR(g.Y + r.Y + b.Y, 100, 1e-9);
    EXPECT_NEAR(r.X, 0.64 * r.Y / 0.33, 1e-9);
    EXPECT_NEAR(w.Z, 108.9058, 1e-3);
    colour twin = Yxy(0, 0.64, 0.33), same = twin;  // one primary twice: no matrix
    EXPECT_FALSE(colour_math::CompletePrimaryLuminances(twin, same, b, w));
    EXPECT_TRUE(twin.Y == 0 && twin.X == 0);
}

class Matrices : public SimWorld {
protected:
    // The grading model with its chip matrix replaced.
    void WithChip(const std::string& chip) {
        DiscoverJson(R"({"monitors": [{"serial": "23100077", "profile": "CG3180", "links": {"ddcci": true},
            "features": {"0x7C": {"chip": )" +
                     chip + "}}}]}");
    }
    static std::array<double, 9> Slot32(int slot) {
        std::array<double, 9> m{};
        EXPECT_EQ(DvCtrlGetColorMatrix32(kGrading.serial, kGrading.model, slot, m.data()), DvOk) << slot;
        return m;
    }
    static size_t DataWrites() { return Log(Op::SetData).size(); }
};

constexpr std::array<double, 9> kIdentity = {1, 0, 0, 0, 1, 0, 0, 0, 1};
constexpr std::array<double, 9> kWanted = {0.75, 0.25, 0, 0, 0.5, 0.5, 0.125, 0, 0.875};

TEST_F(Matrices, BothFormsShareTheSlotAndEnablingClearsOnlyItsMaskBit) {
    Discover();
    const char *s = kGrading.serial, *m = kGrading.model;
    ASSERT_EQ(DvCtrlSetColorMatrix32(s, m, 3, kWanted.data(), 1), DvOk);
    EXPECT_EQ(Slot32(3), kWanted);
    EXPECT_EQ(Stored(kGrading, codes::kColorMatrixMask), 0xF6u) << "bit 3 cleared, the rest kept";
    std::array<double, 9> sixteen{};
    ASSERT_EQ(DvCtrlGetColorMatrix(s, m, 3, sixteen.data()), DvOk);
    EXPECT_EQ(sixteen, kWanted) << "values on the 2^-13 grid pass through the 16-bit view";
    const std::array<double, 9> minus = {-1, 0, 0, 0, -1, 0, 0, 0, -1};
    ASSERT_EQ(DvCtrlSetColorMatrix(s, m, 4, minus.data(), 0), DvOk);
    EXPECT_EQ(Log(Op::SetData).back().data[0], 0x00);
    EXPECT_EQ(Log(Op::SetData).back().data[1], 0xE0);
    int16_t raw16[9] = {};
    int32_t raw32[9] = {};
    ASSERT_EQ(DvCtrlGetColorMatrixDirect(s, m, 4, raw16), DvOk);
    ASSERT_EQ(DvCtrlGetColorMatrixDirect32(s, m, 4, raw32), DvOk);
    EXPECT_EQ(raw16[0], -0x2000);
    EXPECT_EQ(raw32[0], -0x20000000);
    int count = 0;
    EXPECT_EQ(DvCtrlGetColorMatrixCount(s, m, &count), DvOk);
    EXPECT_EQ(count, 8);
    EXPECT_EQ(DvCtrlSupportedColorMatrix(s, m), 1);
    EXPECT_EQ(DvCtrlSupportedColorMatrix(kOffice.serial, kOffice.model), 0);
    const double bad[9] = {NAN, 0, 0, 0, 1, 0, 0, 0, 1};
    ExpectRefusedFirst({
        {"null matrix", [&] { return DvCtrlGetColorMatrix32(s, m, 1, nullptr); }},
        {"slot 256", [&] { return DvCtrlSetColorMatrix32(s, m, 256, kWanted.data(), 0); }},
        {"negative slot", [&] { return DvCtrlGetColorMatrixDirect(s, m, -1, raw16); }},
        {"not a number", [&] { return DvCtrlSetColorMatrix(s, m, 1, bad, 0); }},
        {"slot 0 compensated", [&] { return DvCtrlSetColorMatrixAdjustedForR9Bug32(s, m, 0, kWanted.data(), 1); }},
    });
}

TEST_F(Matrices, CompensationWithAnIdentityChipWritesIdentitiesAndTheMatrixAsGiven) {
    WithChip("[1, 0, 0, 0, 1, 0, 0, 0, 1]");
    int32_t inverse[9] = {};
    ASSERT_EQ(DvCtrlSetColorMatrixAdjustedForR9Bug32_c1(kGrading.serial, kGrading.model, 3, kWanted.data(), 1, inverse),
              DvOk);
    EXPECT_EQ(Slot32(0), kIdentity);
    EXPECT_EQ(Slot32(3), kWanted);
    EXPECT_EQ(Slot32(7), kIdentity);
    EXPECT_EQ(inverse[0], 0x20000000);
    EXPECT_EQ(inverse[1], 0);
    EXPECT_EQ(Stored(kGrading, codes::kColorMatrixMask), 0xFF76u) << "slots 0, 3 and 7 on";
}

TEST_F(Matrices, CompensationIntoTheLastSlotWritesTheProductAndNoSeparateInverse) {
    WithChip("[2, 0, 0, 0, 0.5, 0, 0, 0, 1]");
    int32_t inverse[9] = {42};
    dvc::sim::ClearTransactions();
    ASSERT_EQ(DvCtrlSetColorMatrixAdjustedForR9Bug32_c1(kGrading.serial, kGrading.model, 7, kWanted.data(), 0, inverse),
              DvOk);
    EXPECT_EQ(DataWrites(), 2u) << "slot 0 and slot 7 only";
    EXPECT_EQ(inverse[0], 42) << "nothing handed back";
    const auto last = Slot32(7);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(last[i], kWanted[i] * (i < 3 ? 0.5 : i < 6 ? 2 : 1)) << i;
    EXPECT_EQ(Slot32(0)[0], 2.0);
}

TEST_F(Matrices, ASingularChipWritesNothing) {
    WithChip("[0.001, 0, 0, 0, 0.001, 0, 0, 0, 0.1]");  // determinant 1e-7
    ASSERT_EQ(DvCtrlSetColorMatrixAdjustedForR9Bug32(kGrading.serial, kGrading.model, 2, kWanted.data(), 1),
              DvErrFailed);
    EXPECT_EQ(DataWrites(), 0u);
    EXPECT_TRUE(Log(Op::SetValue).size() == 1 && Log(Op::SetValue)[0].value == 255u) << "only the chip's select";
}

TEST_F(Matrices, ColourPatchBlockSettleWaitAndRefusals) {
    Discover();
    WaitRecorder waits;
    const char *s = kGrading.serial, *m = kGrading.model;
    const DvColorPatchRequest patch{0, 1, 1.0, 0.5, 0.0, {10, 20, 300, 40}};
    ASSERT_EQ(DvCtrlGenerateColorPatch(s, m, 1, &patch), DvOk);
    const auto block = Log(Op::SetData).back().data;
    EXPECT_EQ(block, (std::vector<uint8_t>{2, 0xFF, 0x80, 0, 10, 0, 20, 0, 44, 1, 40, 0, 0, 0, 0, 0}));
    EXPECT_EQ(WaitRecorder::pauses, std::vector<uint32_t>{300});
    EXPECT_EQ(Log(Op::SetValue).back().code, codes::kPUCTCStatus);
    ASSERT_EQ(DvCtrlGenerateColorPatch(s, m, 1, &patch), DvOk);
    EXPECT_EQ(WaitRecorder::pauses.size(), 1u) << "a patch already shown does not wait";
    ASSERT_EQ(DvCtrlGenerateColorPatch(s, m, 0, &patch), DvOk);
    EXPECT_EQ(Log(Op::SetData).back().data, std::vector<uint8_t>(16, 0));
    EXPECT_EQ(WaitRecorder::pauses.size(), 1u);
    const DvColorPatchRequest bright{1, 0, 1.5, 0, 0, {}}, nan{1, 0, 0, NAN, 0, {}};
    ExpectRefusedFirst(
        {{"above 1.0", [&] { return DvCtrlGenerateColorPatch(s, m, 1, &bright); }, DvErrOutOfUnitRange},
         {"not a number", [&] { return DvCtrlGenerateColorPatch(s, m, 1, &nan); }, DvErrOutOfUnitRange}});
    EXPECT_EQ(DvCtrlGenerateColorPatch(kOffice.serial, kOffice.model, 1, &patch), DvErrNotSupported);
}

}  // namespace
}  // namespace dvc::test

namespace dvc::test {
namespace {

std::vector<int> lutChannels;
DvError FakeLut(const char*, const char*, int channel, double* levels, const int*) {
    lutChannels.push_back(channel);
    for (int i = 0; i < 256; ++i) levels[i] = i / 255.0;
    return DvOk;
}

TEST_F(Matrices, ProfileDataFollowsTheChipAndNormalisesWhite) {
    Discover();
    DvProfileData p{};
    lutChannels.clear();
    ASSERT_EQ(api::AssembleProfileData(kGrading.serial, kGrading.model, &p, FakeLut), DvOk);
    EXPECT_NEAR(p.white.Y, 1.0, 1e-12);
    EXPECT_NEAR(p.red.Y + p.green.Y + p.blue.Y, 1.0, 1e-12);
    EXPECT_NEAR(p.white.x, 0.3127, 1e-6) << "the chip's rows add up to 1, so white stays the system white";
    EXPECT_NEAR(p.white.y, 0.3290, 1e-6);
    EXPECT_TRUE(p.black.X == 0 && p.black.x == 0 && p.black.y == 0);
    EXPECT_GT(p.red.x, 0.6);
    for (const DvToneCurve& c : p.curves) EXPECT_TRUE(c.kind == 1 && std::abs(c.data.gamma - 1.8) < 1e-12);
    EXPECT_TRUE(lutChannels.empty());
    EXPECT_EQ(api::AssembleProfileData(kGrading.serial, kGrading.model, nullptr, FakeLut), DvErrInvalidParameter);
    EXPECT_EQ(api::AssembleProfileData(kOffice.serial, kOffice.model, &p, FakeLut), DvErrNotSupported);
}

TEST_F(Matrices, ProfileDataReadsEachChannelsLutWithoutAGammaIndex) {
    DiscoverJson(R"({"monitors": [{"serial": "23100077", "profile": "CG3180", "links": {"ddcci": true},
        "features": {"0x70": {"values": null, "value": 240}}}]})");
    DvProfileData p{};
    lutChannels.clear();
    ASSERT_EQ(api::AssembleProfileData(kGrading.serial, kGrading.model, &p, FakeLut), DvOk);
    EXPECT_EQ(lutChannels, (std::vector<int>{1, 2, 3}));
    for (const DvToneCurve& c : p.curves) EXPECT_TRUE(c.kind == 2 && c.data.lut[255] == 1.0);
}

}  // namespace
}  // namespace dvc::test
