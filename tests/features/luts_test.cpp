// The tone LUT: its word forms at their edges, the choice between the newer
// and the legacy encodings on the virtual monitors, and the comparison.
#include <cmath>
#include <limits>

#include "features/luts.hpp"
#include "paths/lut_encodings.hpp"
#include "support/sim_world.hpp"

namespace dvc::test {
namespace {

using paths::ExponentLevel;
using paths::ExponentWord;
using paths::LinearWord;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(LutEncodings, WordsAtTheirEdges) {
    struct Exponent {
        double level, gamma;
        std::optional<uint16_t> word;
    };
    const Exponent exponent[] = {
        {1.0, 2.2, 1020},                                    // full scale: no shift
        {0.0, 2.2, 0x3C00},                                  // black: the shift stops at 15
        {std::pow(300.0 / 1020.0, 2.2), 2.2, 0x0400 + 600},  // one doubling
        {300.0 / 1020.0, 1.0, 0x0400 + 600},                 // the linear curve
        {0.25, 1.0, 0x0800 + 1020},                          // two doublings
        {1022.0 / 1020.0, 1.0, 1022},                        // past 1.0 while the mantissa holds it
        {1.01, 1.0, std::nullopt},                           // past ten bits
        {-0.1, 2.2, std::nullopt},                           // no root of a negative level
        {kNaN, 2.2, std::nullopt},
    };
    for (const auto& c : exponent) {
        SCOPED_TRACE(c.level);
        EXPECT_EQ(ExponentWord(c.level, c.gamma), c.word);
        if (c.word && c.level > 0.0) {
            EXPECT_NEAR(ExponentLevel(*c.word, c.gamma), c.level, 1e-12);
        }
    }
    EXPECT_EQ(ExponentLevel(0x3C00, 2.2), 0.0);
    EXPECT_EQ(ExponentLevel(0x0400 + 600, 1.0), 300.0 / 1020.0);

    struct Linear {
        double level;
        uint32_t maximum;
        std::optional<uint32_t> word;
    };
    const Linear linear[] = {
        {0.5, 1023, 512},
        {1.0, 1023, 1023},
        {0.0, 1023, 0},
        {0.5 / 1023.0, 1023, 1},                       // exactly half a step rounds up
        {std::nextafter(0.5 / 1023.0, 0.0), 1023, 0},  // just below it does not
        {std::nextafter(1.0, 2.0), 1023, std::nullopt},
        {-1e-9, 1023, std::nullopt},
        {kNaN, 1023, std::nullopt},
    };
    for (const auto& c : linear) EXPECT_EQ(LinearWord(c.level, c.maximum), c.word) << c.level;
}

class ToneLut : public SimWorld {
protected:
    static std::array<double, 256> Curve(double gamma) {
        std::array<double, 256> levels{};
        for (std::size_t i = 0; i < levels.size(); ++i) levels[i] = std::pow(i / 255.0, gamma);
        return levels;
    }
    // The 16-bit words of the table whose first block is `block`.
    static std::vector<uint16_t> Words(const WorldMonitor& m, uint32_t dataCode, uint32_t block) {
        std::vector<uint16_t> words;
        for (uint32_t k = 0; k < 4; ++k) {
            const auto bytes = dvc::sim::GetStateData(m.serial, dataCode, block + k).value_or(std::vector<uint8_t>{});
            for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
                words.push_back(static_cast<uint16_t>(bytes[i] | (bytes[i + 1] << 8)));
        }
        return words;
    }
};

// The grading model keeps the newer LUT: 8.8 words, levels checked.
TEST_F(ToneLut, NewerEncodingOnTheGradingModel) {
    Discover();
    const WorldMonitor& m = kGrading;
    ASSERT_TRUE(features::UsesNewerLutInterface(*Monitor(m)));
    const int bank = 0;
    std::array<double, 256> read{};
    ASSERT_EQ(DvCtrlGetLUT(m.serial, m.model, 1, read.data(), &bank), DvOk);
    for (std::size_t i = 0; i < read.size(); ++i) EXPECT_DOUBLE_EQ(read[i], i / 255.0);

    const auto curve = Curve(2.4);
    ASSERT_EQ(DvCtrlSetLUT(m.serial, m.model, 2, curve.data(), &bank), DvOk);
    const auto words = Words(m, 0x19, 0x88);  // bank 0, table 2
    ASSERT_EQ(words.size(), 256u);
    for (std::size_t i = 0; i < 256; ++i) EXPECT_EQ(words[i], static_cast<uint16_t>(curve[i] * 0xFF00 + 0.5));
    ASSERT_EQ(DvCtrlGetLUT(m.serial, m.model, 2, read.data(), &bank), DvOk);
    EXPECT_EQ(DvCtrlIsEqualLUT(m.serial, m.model, 0, curve.data(), read.data(), 256, 0), 1);

    auto bad = curve;
    bad[17] = 1.5;
    dvc::sim::ClearTransactions();
    EXPECT_EQ(DvCtrlSetLUT(m.serial, m.model, 2, bad.data(), &bank), DvErrOutOfUnitRange);
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(DvCtrlSupportedLUT(m.serial, m.model, 1), 0);  // the model lists no legacy LUT kinds
}

// The legacy forms: exponent words on the creative model (which may read
// but not write them), linear words on a model with the special gamma.
TEST_F(ToneLut, LegacyEncodings) {
    DiscoverJson(R"({"profiles": {"lin": {"model": "LN2700", "base": "CX2740", "features": {
        "0x50": {"tags": {"0x0D": 2, "0x0A": 1023, "0x0E": "0x803C"}}}}},
      "monitors": [{"serial": "21409001", "profile": "CX2740", "links": {"hid": true}},
                   {"serial": "30000001", "profile": "lin", "links": {"hid": true}}]})");
    const WorldMonitor creative = kDual, linear{"30000001", "LN2700"};
    const int bank = 0;
    std::array<double, 256> read{};
    ASSERT_EQ(DvCtrlGetLUT(creative.serial, creative.model, 1, read.data(), &bank), DvOk);
    for (std::size_t i = 0; i < read.size(); ++i) EXPECT_NEAR(read[i], i / 255.0, 2e-3) << i;
    EXPECT_EQ(DvCtrlSupportedLUT(creative.serial, creative.model, 1), 1);
    EXPECT_EQ(DvCtrlSupportedLUT(creative.serial, creative.model, 4), 0);
    EXPECT_EQ(DvCtrlSetLUT(creative.serial, creative.model, 1, read.data(), &bank), DvErrNoMoreItems);

    std::array<double, 256> half{};
    half.fill(0.5);
    ASSERT_EQ(DvCtrlSetLUT(linear.serial, linear.model, 3, half.data(), &bank), DvOk);
    EXPECT_EQ(Words(linear, 0x19, 0x8C), std::vector<uint16_t>(256, 512));
    ASSERT_EQ(DvCtrlGetLUT(linear.serial, linear.model, 3, read.data(), &bank), DvOk);
    EXPECT_EQ(read[0], 512.0 / 1023.0);
    half[255] = kNaN;
    dvc::sim::ClearTransactions();
    EXPECT_EQ(DvCtrlSetLUT(linear.serial, linear.model, 3, half.data(), &bank), DvErrOutOfUnitRange);
    EXPECT_TRUE(Writes().empty());
}

TEST_F(ToneLut, ArgumentsAndComparison) {
    Discover();
    const WorldMonitor& m = kGrading;
    const int bank = 0, badBank = -1;
    std::array<double, 256> a = ToneLut::Curve(2.2), b = a;
    EXPECT_EQ((std::vector<DvError>{DvCtrlSetLUT(m.serial, m.model, 1, nullptr, &bank),
                                    DvCtrlSetLUT(m.serial, m.model, 1, a.data(), nullptr),
                                    DvCtrlGetLUT(m.serial, m.model, -1, a.data(), &bank),
                                    DvCtrlGetLUT(m.serial, m.model, 1, a.data(), &badBank)}),
              std::vector<DvError>(4, DvErrInvalidParameter));
    EXPECT_TRUE(dvc::sim::Transactions().empty());

    b[100] += 1.0 / 0xFF00;  // one step of the model's LUT maximum
    const auto equal = [&](const WorldMonitor& w, int kind, const double* x, const double* y, int n, int t) {
        return DvCtrlIsEqualLUT(w.serial, w.model, kind, x, y, n, t);
    };
    EXPECT_EQ((std::vector<int>{equal(m, 0, a.data(), a.data(), 256, 0), equal(m, 0, a.data(), b.data(), 256, 0),
                                equal(m, 0, a.data(), b.data(), 256, 1), equal(m, 0, a.data(), a.data(), 0, 0),
                                equal(m, 0, a.data(), a.data(), 300, 0), equal(m, 0, nullptr, a.data(), 256, 0),
                                equal(m, 7, a.data(), a.data(), 256, 0), equal(kDual, 0, a.data(), a.data(), 256, 0)}),
              (std::vector<int>{1, 0, 1, 1, 0, 0, 0, 0}));  // the creative model gives no LUT maximum
    std::vector<double> front(1021, 0.25);
    EXPECT_EQ(equal(m, 16, front.data(), front.data(), 1021, 0), 1);  // it knows its front-LUT precision
    EXPECT_EQ(equal(kDual, 16, front.data(), front.data(), 1021, 0), 0);
}

// Answered from the model record: no traffic, the record's words as they are.
TEST_F(ToneLut, FactsOfTheModelRecord) {
    Discover();
    struct Facts {
        WorldMonitor m;
        std::vector<int> gamuts;
        int mediaEmu;
        std::vector<std::pair<DvError, int>> words;  // rear colour, rear mono, front precision
    };
    const Facts facts[] = {
        {kGrading, {0, 1, 2, 3, 4, 5}, 1, {{DvOk, 4095}, {DvOk, 4095}, {DvOk, 16}}},
        {kDual, {0, 1, 2}, 0, {{DvErrNotSupported, 0}, {DvErrNotSupported, 0}, {DvErrNotSupported, 0}}},
    };
    for (const Facts& f : facts) {
        SCOPED_TRACE(f.m.model);
        std::vector<int> gamuts;
        int gamut = 0;
        for (int i = 0; DvCtrlEnumGamutIndex(f.m.serial, f.m.model, i, &gamut) == DvOk; ++i) gamuts.push_back(gamut);
        EXPECT_EQ(gamuts, f.gamuts);
        EXPECT_EQ(DvCtrlSupportedMediaEmu(f.m.serial, f.m.model), f.mediaEmu);
        std::vector<std::pair<DvError, int>> words;
        for (auto* get : {DvCtrlGetMaxRearLUTDirectColor, DvCtrlGetMaxRearLUTDirectMono, DvCtrlGetFrontLUTPrecision}) {
            int value = 0;
            const DvError result = get(f.m.serial, f.m.model, &value);
            words.emplace_back(result, value);
            EXPECT_EQ(get(f.m.serial, f.m.model, nullptr), DvErrInvalidParameter);
        }
        EXPECT_EQ(words, f.words);
    }
    EXPECT_TRUE(dvc::sim::Transactions().empty());
}

// The rear LUT block: its length, a read, a write that keeps the rest zero;
// refused without traffic on the older panel.
TEST_F(ToneLut, RearLutDirect) {
    Discover();
    const WorldMonitor& m = kGrading;
    ASSERT_EQ(DvCtrlSupportedRearLUT(m.serial, m.model), 1);
    ASSERT_EQ(DvCtrlGetRearLUTSize(m.serial, m.model), 1536);
    std::vector<uint8_t> block(1536, 0xEE);
    int size = 1536;
    ASSERT_EQ(DvCtrlGetRearLUTDirectWithROM(m.serial, m.model, block.data(), &size), DvOk);
    EXPECT_EQ(std::vector<uint8_t>(block.begin(), block.begin() + 5), (std::vector<uint8_t>{0, 0, 16, 0, 32}));
    const uint8_t head[] = {1, 2, 3};
    ASSERT_EQ(DvCtrlSetRearLUTDirectWithROM(m.serial, m.model, head, 3), DvOk);
    ASSERT_EQ(DvCtrlGetRearLUTDirectWithROM(m.serial, m.model, block.data(), &size), DvOk);
    EXPECT_EQ(std::vector<uint8_t>(block.begin(), block.begin() + 5), (std::vector<uint8_t>{1, 2, 3, 0, 0}));
    EXPECT_EQ(DvCtrlSetRearLUTDirectWithROM(m.serial, m.model, block.data(), 1537), DvErrSizeMismatch);

    dvc::sim::ClearTransactions();
    EXPECT_EQ((std::vector<DvError>{DvCtrlGetRearLUTDirectWithROM(kMedical.serial, kMedical.model, block.data(), &size),
                                    DvCtrlSetRearLUTDirectWithROM(kMedical.serial, kMedical.model, head, 3),
                                    DvCtrlSetRearLUTDirectWithROM(m.serial, m.model, nullptr, 3)}),
              (std::vector<DvError>{DvErrNotSupported, DvErrNotSupported, DvErrInvalidParameter}));
    EXPECT_TRUE(dvc::sim::Transactions().empty());
    EXPECT_EQ((std::vector<int>{DvCtrlSupportedRearLUT(kDual.serial, kDual.model),
                                DvCtrlGetRearLUTSize(kDual.serial, kDual.model)}),
              (std::vector<int>{0, 0}));
}

}  // namespace
}  // namespace dvc::test
