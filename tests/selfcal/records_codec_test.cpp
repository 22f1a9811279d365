// The paged container and the record codes as pure functions.
#include <gtest/gtest.h>

#include <cmath>

#include "selfcal/codes_tables.hpp"
#include "selfcal/paged_container.hpp"
#include "selfcal/v5_records.hpp"

namespace dvc::selfcal {
namespace {

using paged::Bytes;

TEST(PagedContainer, PagesDecodeAndEncode) {
    // key 2 = {0xB0, 0x04}; then key 0 ends the page before key 5.
    const Bytes block = {0, 1, 2, 2, 0, 0xB0, 0x04, 0, 5, 1, 0, 9};
    const paged::Page page = paged::DecodePage(block);
    ASSERT_EQ(page.size(), 1u);
    EXPECT_EQ(page.at(2), (Bytes{0xB0, 0x04}));
    EXPECT_TRUE(paged::DecodePage(Bytes{0, 1, 7, 9, 0, 1}).empty()) << "a record past the block's end";
    const auto encoded = paged::EncodePage(3, 4, {{9, {1}}, {2, {7, 8}}}, 16);
    ASSERT_TRUE(encoded);
    EXPECT_EQ(*encoded, (Bytes{3, 4, 2, 2, 0, 7, 8, 9, 1, 0, 1, 0, 0, 0, 0, 0})) << "ascending keys, zero tail";
    EXPECT_FALSE(paged::EncodePage(0, 1, {{1, Bytes(12)}}, 16)) << "does not fit";

    paged::Pages pages;
    paged::PutChunked(pages, 6, 23, Bytes(1024, 0x5A));
    EXPECT_EQ(pages.at(9).at(26).size(), 256u);
    EXPECT_TRUE(paged::GetChunked(pages, 6, 23, 4));
    pages[8][25].pop_back();
    EXPECT_FALSE(paged::GetChunked(pages, 6, 23, 4)) << "a short chunk makes the array absent";
}

TEST(RecordCodes, Tables) {
    namespace ct = codes_table;
    struct GammaCase {
        uint16_t code;
        uint32_t type;
        int32_t index;
        double value;
    };
    for (const GammaCase& c : {GammaCase{220, 1, 9, 2.2}, GammaCase{225, 1, 0, 2.25}, GammaCase{0xD700, 0, 264, 0.0},
                               GammaCase{0xD800, 0, 0, 0.0}, GammaCase{0xF000, 0, 240, 0.0}}) {
        const ct::Gamma g = ct::GammaFromCode(c.code);
        EXPECT_EQ(g.type, c.type) << c.code;
        EXPECT_EQ(g.index, c.index) << c.code;
        EXPECT_DOUBLE_EQ(g.value, c.value) << c.code;
    }
    uint16_t code = 0;
    ASSERT_TRUE(ct::GammaToCode({0, 263, 0.0}, code));
    EXPECT_EQ(code, 0xFFFF);
    ASSERT_TRUE(ct::GammaToCode({0, 9, 2.2}, code));
    EXPECT_EQ(code, 220);
    EXPECT_FALSE(ct::GammaToCode({1, 0, 1e9}, code));

    uint32_t gamma = 0, clipping = 0;
    ct::HlgFromCode(0x13, gamma, clipping);
    EXPECT_EQ(gamma, 2u);
    EXPECT_EQ(clipping, 1u);
    EXPECT_EQ(ct::HlgToCode(5, 1), 0x16);
    EXPECT_EQ(ct::HlgToCode(0xFFFFFFFF, 1), 0);

    const std::pair<uint16_t, uint32_t> temperatures[] = {{6500, 6500}, {210, 0x1000FFD2}, {3000, 0}, {0, 0x1000FFFD}};
    for (const auto& [wire, value] : temperatures) EXPECT_EQ(ct::ColorTemperatureFromCode(wire), value) << wire;
    uint16_t temperature = 0;
    ASSERT_TRUE(ct::ColorTemperatureToCode(0x1000FFD2, temperature));
    EXPECT_EQ(temperature, 210);
    EXPECT_FALSE(ct::ColorTemperatureToCode(70000, temperature));
    EXPECT_EQ(ct::ColorTemperatureFromOlderCode(210), 0x1000FFD2u);
    EXPECT_EQ(ct::ColorTemperatureFromOlderCode(6500), 6500u);
    EXPECT_EQ(ct::ColorGamutFromOlderCode(209), 3u);
    EXPECT_EQ(ct::ColorGamutFromCode(1), 255u);
    EXPECT_EQ(ct::ColorGamutToCode(9), 215);
    EXPECT_EQ(ct::GammaIndexFromByte(9), 10);
    EXPECT_EQ(ct::GammaIndexFromByte(215), 264);
    EXPECT_EQ(ct::GammaIndexFromByte(240), 240);
}

TEST(RecordCodes, MatricesAndLutValues) {
    SettingV5 setting(Capabilities{.settingA = true, .lutSize = 256});
    setting.gainMatrix = {1.0, -0.5};
    const LutScale lut = LutScaleFor(256, 0xFF00);
    setting.lut[0].assign(256, 0.5);
    paged::Pages pages;
    ASSERT_EQ(EncodeSetting(setting, lut, pages), DvOk);
    const Bytes& gain = pages.at(0).at(3);
    EXPECT_EQ(paged::ReadLE(gain, 0, 4), 0x20000000u);
    EXPECT_EQ(paged::ReadLE(gain, 4, 4), 0xF0000000u);
    EXPECT_EQ(paged::ReadLE(pages.at(1).at(8), 0, 2), 0x7F80u) << "half of full scale 0xFF00";
    EXPECT_EQ(LutScaleFor(1024, 0xFF00).divisor, double(0xFF0000));
    setting.gainMatrix[0] = std::nan("");
    EXPECT_EQ(EncodeSetting(setting, lut, pages), DvErrInvalidParameter);
}

}  // namespace
}  // namespace dvc::selfcal
