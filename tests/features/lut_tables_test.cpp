// The front LUT, the 10-bit LUT, the media emulations' 1D LUTs and the
// per-mode reads of the LUT area, on the virtual monitors.
#include <cmath>
#include <limits>

#include "paths/feature_codes.hpp"
#include "support/sim_world.hpp"

namespace dvc::test {
namespace {

class LutTables : public SimWorld {
protected:
    // The 16-bit words of `blocks` 512-byte blocks from `first` on.
    static std::vector<uint32_t> Words(const WorldMonitor& m, uint32_t dataCode, uint32_t first, uint32_t blocks) {
        std::vector<uint32_t> words;
        for (uint32_t b = first; b < first + blocks; ++b) {
            const auto bytes = dvc::sim::GetStateData(m.serial, dataCode, b).value_or(std::vector<uint8_t>{});
            for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) words.push_back(bytes[i] | (bytes[i + 1] << 8));
        }
        return words;
    }
    static std::vector<double> Ramp(std::size_t n, double half) {
        std::vector<double> levels(n);
        for (std::size_t i = 0; i < n; ++i) levels[i] = i / (n - 1.0);
        levels[1] = half;  // a level that lands on half a step
        return levels;
    }
};

// The 10-bit form: level × 0xFFC0 rounded half up, on the 10-bit LUT and
// on a media emulation's 1D LUT; bad levels and arguments send nothing.
TEST_F(LutTables, TenBitTables) {
    Discover();
    const WorldMonitor& m = kGrading;
    std::vector<double> read(1024);
    ASSERT_EQ(DvCtrlGetLUT10bit(m.serial, m.model, 2, read.data()), DvOk);
    for (std::size_t i = 0; i < read.size(); i += 97) EXPECT_NEAR(read[i], i / 1023.0, 0.5 / 0xFFC0) << i;

    auto levels = Ramp(1024, 0.5 / 0xFFC0);
    ASSERT_EQ(DvCtrlSetLUT10bit(m.serial, m.model, 1, levels.data()), DvOk);
    auto words = Words(m, codes::kLut10bitData, 4, 4);
    ASSERT_EQ(words.size(), 1024u);
    EXPECT_EQ((std::vector<uint32_t>{words[0], words[1], words[512], words[1023]}),
              (std::vector<uint32_t>{0, 1, static_cast<uint32_t>(512 / 1023.0 * 0xFFC0 + 0.5), 0xFFC0}));
    ASSERT_EQ(DvCtrlSetMediaEmu1DLUT(m.serial, m.model, 3, 2, levels.data()), DvOk);
    EXPECT_EQ(Words(m, codes::kMediaEmu1DLutData, (3 * 3 + 2) * 4, 4), words);
    ASSERT_EQ(DvCtrlGetMediaEmu1DLUT(m.serial, m.model, 3, 2, read.data()), DvOk);
    EXPECT_EQ(read[1023], 1.0);
    EXPECT_EQ(read[1], 1.0 / 0xFFC0);

    levels[1000] = 1.0 + 1e-9;
    dvc::sim::ClearTransactions();
    EXPECT_EQ(
        (std::vector<DvError>{DvCtrlSetLUT10bit(m.serial, m.model, 0, levels.data()),
                              DvCtrlSetMediaEmu1DLUT(m.serial, m.model, 0, 0, levels.data()),
                              DvCtrlSetLUT10bit(m.serial, m.model, 3, read.data()),
                              DvCtrlGetLUT10bit(m.serial, m.model, 0, nullptr),
                              DvCtrlGetMediaEmu1DLUT(m.serial, m.model, 4, 0, read.data()),
                              DvCtrlGetMediaEmu1DLUT(m.serial, m.model, -1, 0, read.data()),
                              DvCtrlGetMediaEmu1DLUT(kMedical.serial, kMedical.model, 0, 0, read.data()),
                              DvCtrlGetLUT10bit(kOffice.serial, kOffice.model, 0, read.data())}),
        (std::vector<DvError>{DvErrOutOfUnitRange, DvErrOutOfUnitRange, DvErrInvalidParameter, DvErrInvalidParameter,
                              DvErrInvalidParameter, DvErrInvalidParameter, DvErrNotSupported, DvErrNotSupported}));
    EXPECT_TRUE(Writes().empty());
    ASSERT_EQ(DvCtrlGetLUT10bit(kMedical.serial, kMedical.model, 0, read.data()), DvOk);  // the reading-room model
}

// Depths up to the model's own; the scale by size: the LUT maximum at the
// native size, 8.8 at 256 entries; the comparison in the same units.
TEST_F(LutTables, FrontLut) {
    Discover();
    const WorldMonitor& m = kGrading;
    const auto ask = [](const WorldMonitor& w, auto fn, int arg) { return fn(w.serial, w.model, arg); };
    EXPECT_EQ((std::vector<int>{ask(m, DvCtrlSupportedFrontLUT, 8), ask(m, DvCtrlSupportedFrontLUT, 10),
                                ask(m, DvCtrlSupportedFrontLUT, 12), ask(m, DvCtrlSupportedFrontLUT, 9),
                                ask(m, DvCtrlGetFrontLUTSize, 8), ask(m, DvCtrlGetFrontLUTSize, 10),
                                ask(m, DvCtrlGetFrontLUTSize, 12), ask(kDual, DvCtrlSupportedFrontLUT, 8),
                                ask(kDual, DvCtrlGetFrontLUTSize, 8)}),
              (std::vector<int>{1, 1, 0, 0, 256, 1024, 0, 0, 0}));
    int maximum = 0;
    ASSERT_EQ(DvCtrlGetFrontLUTMaxRawValue(m.serial, m.model, &maximum), DvOk);
    EXPECT_EQ(maximum, 0xFF00);

    std::vector<double> native(1024);
    ASSERT_EQ(DvCtrlGetFrontLUT(m.serial, m.model, 2, native.data(), 1024), DvOk);
    for (std::size_t i = 0; i < native.size(); i += 101) EXPECT_NEAR(native[i], i / 1023.0, 0.5 / 0xFF00) << i;
    auto eight = Ramp(256, 0.5 / 0xFF00);
    ASSERT_EQ(DvCtrlSetFrontLUT(m.serial, m.model, 1, eight.data(), 256), DvOk);
    const auto words = Words(m, codes::kFrontLutData, 32, 1);
    EXPECT_EQ((std::vector<uint32_t>{words[0], words[1], words[255]}), (std::vector<uint32_t>{0, 1, 0xFF00}));
    std::vector<double> back(256);
    ASSERT_EQ(DvCtrlGetFrontLUT(m.serial, m.model, 1, back.data(), 256), DvOk);
    EXPECT_EQ(DvCtrlIsEqualLUT(m.serial, m.model, 0, eight.data(), back.data(), 256, 0), 1);
    EXPECT_EQ(DvCtrlIsEqualLUT(m.serial, m.model, 0, native.data(), native.data(), 1024, 0), 1);
    EXPECT_EQ(DvCtrlIsEqualLUT(m.serial, m.model, 0, native.data(), native.data(), 512, 0), 0);

    dvc::sim::ClearTransactions();
    EXPECT_EQ(
        (std::vector<DvError>{DvCtrlGetFrontLUT(m.serial, m.model, 0, back.data(), 300),
                              DvCtrlGetFrontLUT(m.serial, m.model, 3, back.data(), 256),
                              DvCtrlGetFrontLUTMaxRawValue(m.serial, m.model, nullptr),
                              DvCtrlGetFrontLUTMaxRawValue(kDual.serial, kDual.model, &maximum)}),
        (std::vector<DvError>{DvErrSizeMismatch, DvErrInvalidParameter, DvErrInvalidParameter, DvErrNotSupported}));
    EXPECT_TRUE(Writes().empty());

    int enabled = -1;
    EXPECT_EQ(DvCtrlSupportedFrontLUTEnabled(m.serial, m.model), 1);
    ASSERT_EQ(DvCtrlSetFrontLUTEnabled(m.serial, m.model, 5), DvOk);
    EXPECT_EQ(dvc::sim::GetStateValue(m.serial, codes::kFrontLutEnable), 1u);
    ASSERT_EQ(DvCtrlSetFrontLUTEnabled(m.serial, m.model, 0), DvOk);
    ASSERT_EQ(DvCtrlGetFrontLUTEnabled(m.serial, m.model, &enabled), DvOk);
    EXPECT_EQ(enabled, 0);
    EXPECT_EQ(DvCtrlSupportedFrontLUTEnabled(kMedical.serial, kMedical.model), 0);
    EXPECT_EQ(DvCtrlGetFrontLUTEnabled(kMedical.serial, kMedical.model, &enabled), DvErrNotSupported);
}

// What another colour mode keeps; the AtMode checks in their order.
TEST_F(LutTables, PerModeReads) {
    Discover();
    const WorldMonitor& m = kGrading;
    std::vector<double> tone(256), front(1024);
    double matrix[9] = {};
    int selection = -1;
    ASSERT_EQ(DvCtrlGetLUTAtMode(m.serial, m.model, 2, 1, tone.data()), DvOk);
    EXPECT_EQ((std::vector<double>{tone[1], tone[3], tone[4]}),
              (std::vector<double>{128.0 / 0xFF00, 384.0 / 0xFF00, 0}));
    ASSERT_EQ(DvCtrlGetFrontLUTAtMode(m.serial, m.model, 2, 0, front.data(), 1024), DvOk);
    EXPECT_EQ(front[3], 192.0 / 0xFF00);
    ASSERT_EQ(DvCtrlGetColorMatrix32AtMode(m.serial, m.model, 2, 0, matrix), DvOk);
    EXPECT_EQ((std::vector<double>{matrix[0], matrix[1], matrix[8]}), (std::vector<double>{0.5, 0, 0.5}));
    ASSERT_EQ(DvCtrlGetColorMatrix32AtMode(m.serial, m.model, 2, 7, matrix), DvOk);
    EXPECT_EQ(matrix[4], 1.0);
    std::vector<int> selections;
    for (int mode = 0; mode < 4; ++mode) {
        ASSERT_EQ(DvCtrlGetMediaEmuSelectionAtMode(m.serial, m.model, mode, &selection), DvOk);
        selections.push_back(selection);
    }
    EXPECT_EQ(selections, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(DvCtrlSupportedMediaEmuSelectionAtMode(m.serial, m.model), 1);

    dvc::sim::ClearTransactions();
    EXPECT_EQ((std::vector<DvError>{DvCtrlGetLUTAtMode(m.serial, m.model, 2, 1, nullptr),
                                    DvCtrlGetLUTAtMode(m.serial, m.model, 2, 0, tone.data()),
                                    DvCtrlGetFrontLUTAtMode(m.serial, m.model, 2, 0, front.data(), 256),
                                    DvCtrlGetColorMatrix32AtMode(m.serial, m.model, 2, 0, nullptr),
                                    DvCtrlGetColorMatrix32AtMode(m.serial, m.model, 2, 256, matrix),
                                    DvCtrlGetMediaEmuSelectionAtMode(m.serial, m.model, 0, nullptr)}),
              (std::vector<DvError>{DvErrNullOutput, DvErrInvalidParameter, DvErrSizeMismatch, DvErrNullOutput,
                                    DvErrInvalidParameter, DvErrNullOutput}));
    EXPECT_TRUE(Writes().empty());
    matrix[0] = 3.0;
    selection = 9;
    EXPECT_EQ(DvCtrlGetColorMatrix32AtMode(kOffice.serial, kOffice.model, 0, 0, matrix), DvErrNotSupported);
    EXPECT_EQ(DvCtrlGetMediaEmuSelectionAtMode(kOffice.serial, kOffice.model, 0, &selection), DvErrNotSupported);
    EXPECT_EQ((std::vector<double>{matrix[0], static_cast<double>(selection)}), (std::vector<double>{0, 0}));
    EXPECT_EQ((std::vector<int>{DvCtrlSupportedREC709GamutWarningForREC2020(m.serial, m.model),
                                DvCtrlSupportedREC709GamutWarningForREC2020(kMedical.serial, kMedical.model)}),
              (std::vector<int>{1, 0}));
}

}  // namespace
}  // namespace dvc::test
