// Items of the built-in models that answer more than a stored value: output
// segments behind a select code, the colour reset pulse and its direction,
// and the signal description block.
#include "sim_fixture.hpp"

namespace dvc::test {
namespace {

constexpr uint32_t kSegmentSelect = 0xFF010103, kSegmentConstant = 0xFF010104, kSegmentProperty = 0xFF010105;
constexpr uint32_t kColourReset = 0xFF0100CF, kPriority = 0xFF010069, kGainRed = 0x8A, kKelvin = 0xFF0100DF;
constexpr uint32_t kSignalInfo = 0xFF01010A;

Bytes U16(std::initializer_list<uint16_t> values, std::size_t length) {
    Bytes b;
    for (uint16_t v : values) b.insert(b.end(), {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)});
    b.resize(length, 0);
    return b;
}

class SpecialItems : public WorldTest {
protected:
    void SetUp() override { Open(); }
    const Wire cx{false, 0}, office{false, 1}, cg{false, 3};
};

TEST_F(SpecialItems, OutputSegmentsSelectTheirRecords) {
    int32_t count = 0;
    uint32_t length = 0;
    ASSERT_TRUE(cg.Fixed(kSegmentSelect, count, length));
    EXPECT_EQ(count, 2) << "the select code's maximum is the segment count";
    EXPECT_EQ(cg.Length(kSegmentProperty), 12u);
    EXPECT_EQ(cg.Length(kSegmentConstant), 12u);

    ASSERT_EQ(cg.SetValue(kSegmentSelect, 1), 0);
    EXPECT_EQ(cg.Read(kSegmentProperty, 12), (Bytes{128, 7, 0, 0, 128, 7, 112, 8, 1, 1, 0, 1}));
    EXPECT_EQ(cg.Read(kSegmentConstant, 12), U16({0, 0, 3840, 2160, 1}, 12));
    ASSERT_EQ(cg.Write(kSegmentProperty, Bytes(12, 9)), 0);
    ASSERT_EQ(cg.SetValue(kSegmentSelect, 0), 0);
    EXPECT_EQ(cg.Read(kSegmentProperty, 12), U16({0, 0, 1920, 2160, 1}, 12)) << "segment 0 kept its own record";
    ASSERT_EQ(cg.SetValue(kSegmentSelect, 1), 0);
    EXPECT_EQ(cg.Read(kSegmentProperty, 12), Bytes(12, 9));
    EXPECT_EQ(cg.SetValue(kSegmentSelect, 2), DvErrRefused);
    EXPECT_FALSE(cx.Supported(kSegmentSelect));
}

TEST_F(SpecialItems, ColourResetRunsOnlyOnAPulseInItsDirection) {
    ASSERT_EQ(cg.SetValue(kGainRed, 100), 0);
    ASSERT_EQ(cg.SetValue(kKelvin, 5000), 0);
    ASSERT_EQ(cg.SetValue(kColourReset, 0), 0);  // idle while the priority is 0
    ASSERT_EQ(cg.SetValue(kColourReset, 1), 0);
    EXPECT_EQ(cg.Value(kColourReset), 1u) << "the level reads back";
    EXPECT_EQ(cg.Value(kGainRed), 100u) << "a rise alone resets nothing";
    ASSERT_EQ(cg.SetValue(kColourReset, 0), 0);
    EXPECT_EQ(cg.Value(kGainRed), 255u);
    EXPECT_EQ(cg.Value(kKelvin), 6500u);
    EXPECT_EQ(sim::GetStateValue(kCG, kColourReset, 1), 1u) << "one pulse counted";

    // Priority 2 turns the pulse round: 0, then back to 1.
    ASSERT_EQ(cg.SetValue(kPriority, 2), 0);
    ASSERT_EQ(cg.SetValue(kGainRed, 90), 0);
    ASSERT_EQ(cg.SetValue(kColourReset, 1), 0);
    ASSERT_EQ(cg.SetValue(kColourReset, 0), 0);
    EXPECT_EQ(cg.Value(kGainRed), 90u) << "1 then 0 is no pulse under priority 2";
    ASSERT_EQ(cg.SetValue(kColourReset, 1), 0);
    EXPECT_EQ(cg.Value(kGainRed), 255u);
    EXPECT_EQ(cg.SetValue(kColourReset, 2), DvErrRefused);

    const Wire mx = Hid(kMX);
    EXPECT_EQ(mx.Value(kPriority), 2u) << "the medical model ships inverted";
    ASSERT_EQ(mx.SetValue(kGainRed, 10), 0);
    ASSERT_EQ(mx.SetValue(kColourReset, 0), 0);
    ASSERT_EQ(mx.SetValue(kColourReset, 1), 0);
    EXPECT_EQ(mx.Value(kGainRed), 255u);
    EXPECT_FALSE(cx.Supported(kColourReset));
}

TEST_F(SpecialItems, SignalDescriptionsFollowTheirInputs) {
    // Colour grading over HDMI: YCbCr 4:2:2, 10 bits, BT.2020, HLG.
    const Wire cgHid = Hid(kCG);
    ASSERT_EQ(cgHid.Length(kSignalInfo), 128u);
    const Bytes g = cgHid.Read(kSignalInfo, 128);
    EXPECT_EQ(g[0] | g[1] << 8, 0x0401);
    EXPECT_EQ(g[18] & 0x0F, 5) << "10 bits per component";
    EXPECT_EQ(Bytes(g.begin() + 34, g.begin() + 42), (Bytes{2, 2, 13, 0x30, 0xE8, 0x60, 96, 0x00}))
        << "AVI: Y=1, C=3 with EC=6, limited range";
    EXPECT_EQ(Bytes(g.begin() + 79, g.begin() + 84), (Bytes{7, 1, 26, 3, 0})) << "DRM: HLG";
    EXPECT_EQ(g[100] | g[101] << 8, 1000) << "mastering peak luminance";
    EXPECT_EQ(g[84] | g[85] << 8, 35400) << "BT.2020 red x in 0.00002";

    // DisplayPort inputs carry the depth in the stream word instead.
    const Bytes c = cx.Read(kSignalInfo, 128);
    EXPECT_EQ(c[0] | c[1] << 8, 0x0300);
    EXPECT_EQ(c[2] | c[3] << 8, 0x0020) << "RGB, 8 bits";
    EXPECT_EQ(c[79], 0) << "no HDR frame";
    EXPECT_EQ(cx.Write(kSignalInfo, c), DvErrRefused);
    EXPECT_FALSE(office.Supported(kSignalInfo));
}

}  // namespace
}  // namespace dvc::test
