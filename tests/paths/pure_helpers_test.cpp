// The pure helpers of the paths layer: identification block, value codec,
// LUT bank map and the decoding of the signal description.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "paths/identification_block.hpp"
#include "paths/infoframe_decode.hpp"
#include "paths/lut_bank_map.hpp"
#include "paths/value_codec.hpp"

namespace dvc::paths {
namespace {

TEST(PureHelpers, IdentificationBlockSplitsAtEightBytesAndNuls) {
    const std::pair<std::string, std::string> cases[] = {
        {std::string("ABCDEFGH12345  \0\0", 17), "ABCDEFGH|12345"},
        {std::string("00000001CG 279X \0 \0", 19), "00000001|CG 279X"},
        {std::string("1234\0\0\0\0AB\0CD", 13), "1234|AB"},
        {"ABCDEFGH", "ABCDEFGH|"},
        {"ABCDEFG", "none"},
    };
    for (const auto& [block, split] : cases) {
        const auto pair = SplitIdentificationBlock(std::vector<uint8_t>(block.begin(), block.end()));
        EXPECT_EQ(pair ? pair->serial + "|" + pair->model : "none", split);
    }
}

// Conversions stay defined whatever the caller passes: saturating, NaN to 0.
TEST(PureHelpers, ValueCodecAndLutBankMap) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ((std::vector<uint32_t>{TruncatedRaw(101, 0.5), RoundedRaw(101, 0.5), TruncatedRaw(100, 1e300),
                                     TruncatedRaw(-100, 1e300), TruncatedRaw(-10, 0.5), TruncateToWord(kNaN)}),
              (std::vector<uint32_t>{50, 51, 0xFFFFFFFF, 0x80000000, static_cast<uint32_t>(-5), 0}));
    EXPECT_EQ((std::vector<bool>{AcceptableRatio(kNaN), AcceptableRatio(-0.1), AcceptableRatio(1.5)}),
              (std::vector<bool>{false, false, true}));
    EXPECT_EQ((std::vector<int32_t>{RangeMiddle(3, 0), RangeMiddle(0, -3), RangeMiddle(INT32_MAX, INT32_MAX),
                                    RangeMiddle(INT32_MIN, INT32_MIN)}),
              (std::vector<int32_t>{1, -1, INT32_MAX, INT32_MIN}));
    EXPECT_EQ(ChromaticityField(6.5537), 1);  // cut to 16 bits
    const uint8_t bank1[] = {0x00, 0x04, 0x08, 0x0C, 0x04, 0x28, 0x2C, 0x30, 0x04, 0x08, 0x0C};
    for (uint32_t table = 0; table < 11; ++table) {
        EXPECT_EQ(LutFirstBlock(1, table), bank1[table]);
        EXPECT_EQ(LutFirstBlock(0, table), bank1[table] + 0x80);  // bank 0 is bank 1 moved up
    }
    EXPECT_FALSE(LutFirstBlock(2, 0) || LutFirstBlock(0, 11));
}

TEST(PureHelpers, SignalDescriptionDecoding) {
    using namespace infoframe;
    EXPECT_EQ((std::vector<int32_t>{PortType(0x0301), PortType(0x0503), PortType(0x0A20), PortType(0x0504),
                                    ByteBitDepth(0xF7), ByteBitDepth(0x08)}),
              (std::vector<int32_t>{31, 53, 0x0A20, 0, 16, -1}));
    // Stream words: range, format, colorimetry and depth (bits 5 to 7); bits
    // outside the mask do not matter, an unknown word says nothing.
    const std::pair<uint16_t, std::array<int32_t, 4>> words[] = {
        {0x0042, {0, 1, 8, 10}}, {0x0081 | 0x0E, {1, 0, 11, 16}}, {0x8020, {0, 4, -1, 8}}, {0x8022, {-1, -1, -1, -1}}};
    for (const auto& [word, expected] : words) {
        SignalFields f;
        ApplyStreamAttributes(word, f);
        EXPECT_EQ((std::array{f.range, f.colorFormat, f.colorimetry, f.bitDepth}), expected) << std::hex << word;
    }
    // AVI frames {Y, C, Q, EC, YQ, ACE, length} and the range, format and colorimetry decoded.
    struct Avi {
        uint8_t y, c, q, ec, yq, ace, length;
        std::array<int32_t, 3> decoded;
    };
    for (const Avi& a : {Avi{0, 0, 1, 0, 0, 0, 13, {1, 0, 0}}, Avi{0, 0, 3, 0, 1, 0, 13, {-1, 0, 0}},
                         Avi{0, 3, 2, 6, 0, 0, 13, {0, 0, 5}}, Avi{0, 3, 0, 7, 0, 1, 14, {-1, 0, 13}},
                         Avi{0, 3, 0, 7, 0, 1, 13, {-1, 0, -1}}, Avi{1, 0, 2, 0, 0, 0, 13, {1, 1, 14}},
                         Avi{2, 3, 0, 3, 1, 0, 13, {0, 2, 4}}, Avi{7, 0, 1, 0, 0, 0, 13, {-1, -1, -1}}}) {
        std::array<uint8_t, 17> frame{2, 2, a.length, static_cast<uint8_t>(a.y << 5), static_cast<uint8_t>(a.c << 6),
                                      static_cast<uint8_t>(a.ec << 4 | a.q << 2), 0, static_cast<uint8_t>(a.yq << 6)};
        frame[16] = static_cast<uint8_t>(a.ace << 4);
        SignalFields f;
        ASSERT_EQ(DecodeAvi(frame, f), DvOk);
        EXPECT_EQ((std::array{f.range, f.colorFormat, f.colorimetry}), a.decoded) << int(a.y) << int(a.c) << int(a.ec);
    }
    std::vector<uint8_t> block(kBlockBytes);
    block[0] = 0x00, block[1] = 0x03, block[kDrmAt] = 7, block[kDrmAt + 1] = 1, block[kDrmAt + 3] = 3;
    block[kStreamAttributeAt] = 0x4C;  // on DisplayPort: 10 bits, YCbCr 4:4:4 limited; no AVI frame to say otherwise
    SignalFields f;
    ASSERT_EQ(DecodeSignalBlock(block, f), DvOk);
    EXPECT_EQ((std::array{f.portType, f.range, f.colorFormat, f.colorimetry, f.bitDepth, f.transferFunction}),
              (std::array{30, 1, 2, 1, 10, 3}));
    block[kDrmAt] = 2;  // not a DRM frame: its field is left as it was
    EXPECT_EQ(DecodeDrm(std::span(block).subspan(kDrmAt, kDrmBytes), f), DvErrNoData);
    EXPECT_EQ(DecodeSignalBlock(std::span(block).first(kBlockBytes - 1), f), DvErrWrongLength);
    EXPECT_EQ(f.transferFunction, 3);
}

}  // namespace
}  // namespace dvc::paths
