// The pure helpers of the paths layer: identification block, value codec,
// LUT bank map and the decoding of the signal description.
#include <gtest/gtest.h>

#include <cmath>

#include "paths/identification_block.hpp"
#include "paths/infoframe_decode.hpp"
#include "paths/lut_bank_map.hpp"
#include "paths/value_codec.hpp"

namespace dvc::paths {
namespace {

// The serial number's eight bytes, then the model without trailing blanks,
// each cut at a NUL. Conversions to the monitor's word saturate; NaN and a
// chromaticity beyond its field give 0.
TEST(PureHelpers, IdentificationValueCodecAndLutBankMap) {
    for (const auto& [block, split] : {std::pair<std::string, std::string>{{"ABCDEFGH1234  \0\0", 16}, "ABCDEFGH|1234"},
                                       {{"1234\0\0\0\0AB C \0CD", 15}, "1234|AB C"},
                                       {"ABCDEFG", "none"}}) {
        const auto pair = SplitIdentificationBlock(std::vector<uint8_t>(block.begin(), block.end()));
        EXPECT_EQ(pair ? pair->serial + "|" + pair->model : "none", split);
    }
    EXPECT_EQ((std::vector<uint32_t>{TruncatedRaw(100, 1e300), RoundedRaw(-100, 1e300), TruncatedRaw(-10, 0.5),
                                     TruncateToWord(NAN), ChromaticityField(6.5537), AcceptableRatio(NAN),
                                     static_cast<uint32_t>(RangeMiddle(INT32_MIN, INT32_MIN))}),
              (std::vector<uint32_t>{0xFFFFFFFF, 0x80000000, static_cast<uint32_t>(-5), 0, 0, 0, 0x80000000}));
    const uint8_t bank1[] = {0x00, 0x04, 0x08, 0x0C, 0x04, 0x28, 0x2C, 0x30, 0x04, 0x08, 0x0C};
    for (uint32_t table = 0; table < 11; ++table) {
        EXPECT_EQ(LutFirstBlock(1, table), bank1[table]);
        EXPECT_EQ(LutFirstBlock(0, table), bank1[table] + 0x80);  // bank 0 is bank 1 moved up
    }
}

TEST(PureHelpers, SignalDescriptionDecoding) {
    using namespace infoframe;
    // Stream words: range, format, colorimetry, depth; bits outside the mask do not matter.
    using Word = std::pair<uint16_t, std::array<int32_t, 4>>;
    for (const auto& [word, expected] : {Word{0x0042, {0, 1, 8, 10}}, Word{0x008F, {1, 0, 11, 16}},
                                         Word{0x8020, {0, 4, -1, 8}}, Word{0x8022, {-1, -1, -1, -1}}}) {
        SignalFields f;
        ApplyStreamAttributes(word, f);
        EXPECT_EQ((std::array{f.range, f.colorFormat, f.colorimetry, f.bitDepth}), expected) << std::hex << word;
    }
    // AVI frames {Y, C, Q, EC, YQ, ACE, length}: range, format, colorimetry.
    using Avi = std::array<uint8_t, 7>;
    for (const auto& [a, expected] : {std::pair<Avi, std::array<int32_t, 3>>{{0, 0, 1, 0, 1, 0, 13}, {1, 0, 0}},
                                      {{0, 3, 2, 6, 0, 0, 13}, {0, 0, 5}},
                                      {{0, 3, 0, 7, 0, 1, 14}, {-1, 0, 13}},
                                      {{0, 3, 0, 7, 0, 1, 13}, {-1, 0, -1}},
                                      {{1, 0, 2, 0, 0, 0, 13}, {1, 1, 14}},
                                      {{2, 3, 0, 3, 1, 0, 13}, {0, 2, 4}},
                                      {{7, 0, 1, 0, 0, 0, 13}, {-1, -1, -1}}}) {
        std::array<uint8_t, 17> frame{2,
                                      2,
                                      a[6],
                                      static_cast<uint8_t>(a[0] << 5),
                                      static_cast<uint8_t>(a[1] << 6),
                                      static_cast<uint8_t>(a[3] << 4 | a[2] << 2),
                                      0,
                                      static_cast<uint8_t>(a[4] << 6)};
        frame[16] = static_cast<uint8_t>(a[5] << 4);
        SignalFields f;
        ASSERT_EQ(DecodeAvi(frame, f), DvOk);
        EXPECT_EQ((std::array{f.range, f.colorFormat, f.colorimetry}), expected) << int(a[0]) << int(a[3]);
    }
    // DisplayPort, stream word 0x4C (10 bits, YCbCr 4:4:4 limited), no AVI frame, DRM.
    std::vector<uint8_t> block(kBlockBytes);
    block[1] = 0x03, block[kStreamAttributeAt] = 0x4C, block[kDrmAt] = 7, block[kDrmAt + 1] = 1, block[kDrmAt + 3] = 3;
    SignalFields f;
    ASSERT_EQ(DecodeSignalBlock(block, f), DvOk);
    EXPECT_EQ((std::array{f.portType, f.range, f.colorFormat, f.colorimetry, f.bitDepth, f.transferFunction}),
              (std::array{30, 1, 2, 1, 10, 3}));
    EXPECT_EQ(DecodeSignalBlock(std::span(block).first(kBlockBytes - 1), f), DvErrWrongLength);
}

}  // namespace
}  // namespace dvc::paths
