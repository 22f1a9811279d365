// The current records on the virtual monitors: the paged items of the
// grading model, the older fixed blocks of the medical model.
#include <cmath>
#include <functional>
#include <vector>

#include "libdvc/libdvc.h"
#include "paths/feature_codes.hpp"
#include "support/sim_world.hpp"

namespace dvc::test {
namespace {

class Records : public SimWorld {};

TEST_F(Records, PagedItemsReadAndWriteBack) {
    Discover();
    const char* s = kGrading.serial;
    const char* m = kGrading.model;
    DvCtrlSelfCalResultV5* result = nullptr;
    ASSERT_EQ(DvCtrlGetCurrentSelfCalResultV5(s, m, &result), DvOk);
    double luminance = 0;
    colour white{};
    DvCtrlSelfCalResultV5GetLuminance(result, &luminance);
    DvCtrlSelfCalResultV5GetWhite(result, &white);
    EXPECT_DOUBLE_EQ(luminance, 120.0);
    EXPECT_DOUBLE_EQ(white.Y, 120.0);
    EXPECT_DOUBLE_EQ(white.x, 0.3127);
    EXPECT_NEAR(white.X, 0.3127 * 120.0 / 0.3290, 1e-9) << "X and Z from the colour library";
    ASSERT_EQ(DvCtrlSetCurrentSelfCalResultV5(s, m, result), DvOk);
    DvCtrlReleaseSelfCalResultV5(result);

    DvCtrlSelfCalTargetV5* target = nullptr;
    ASSERT_EQ(DvCtrlGetCurrentSelfCalTargetV5(s, m, &target), DvOk);
    uint32_t type = 9, temperature = 0;
    int32_t index = 0;
    DvCtrlSelfCalTargetV5GetGammaType(target, &type);
    DvCtrlSelfCalTargetV5GetGammaIndex(target, &index);
    DvCtrlSelfCalTargetV5GetColorTemperature(target, &temperature);
    EXPECT_EQ(type, 1u);
    EXPECT_EQ(index, 9);
    EXPECT_EQ(temperature, 6500u);
    // A LUT of every array, then the whole target back and forth.
    std::vector<double> values(1024), thresholds(1024, 0.25), back(1024);
    std::vector<uint32_t> adjustable(1024, 1);
    for (int i = 0; i < 1024; ++i) values[i] = i / 1023.0;
    ASSERT_EQ(DvCtrlSelfCalTargetV5SetLUTValue(target, values.data(), 1024), DvOk);
    ASSERT_EQ(DvCtrlSelfCalTargetV5SetLUTThreshold(target, thresholds.data(), 1024), DvOk);
    ASSERT_EQ(DvCtrlSelfCalTargetV5SetLUTAdjustable(target, adjustable.data(), 1024), DvOk);
    ASSERT_EQ(DvCtrlSelfCalTargetV5SetGammaIndex(target, 264), DvOk);
    ASSERT_EQ(DvCtrlSetCurrentSelfCalTargetV5(s, m, target), DvOk);
    DvCtrlReleaseSelfCalTargetV5(target);
    ASSERT_EQ(DvCtrlGetCurrentSelfCalTargetV5(s, m, &target), DvOk);
    ASSERT_EQ(DvCtrlSelfCalTargetV5GetLUTValue(target, back.data(), 1024), DvOk);
    for (int i = 0; i < 1024; ++i) EXPECT_NEAR(back[i], values[i], 1.0 / 0xFF0000) << i;
    DvCtrlSelfCalTargetV5GetGammaIndex(target, &index);
    EXPECT_EQ(index, 264);

    // Checks before sending: native white without a white point.
    DvCtrlSelfCalTargetV5SetColorTemperature(target, 0x1000FFFD);
    DvCtrlSelfCalTargetV5SetWhite(target, colour{});
    dvc::sim::ClearTransactions();
    EXPECT_EQ(DvCtrlSetCurrentSelfCalTargetV5(s, m, target), DvErrInvalidParameter);
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(DvCtrlSetCurrentSelfCalTargetV5(s, m, nullptr), DvErrInvalidParameter);
    DvCtrlReleaseSelfCalTargetV5(target);

    DvCtrlSelfCalResultSettingV5* setting = nullptr;
    ASSERT_EQ(DvCtrlGetCurrentSelfCalResultSettingV5(s, m, &setting), DvOk);
    uint32_t area = 0;
    double gain[9] = {};
    DvCtrlSelfCalResultSettingV5GetGammaArea(setting, &area);
    DvCtrlSelfCalResultSettingV5GetGainMatrix(setting, gain);
    EXPECT_EQ(area, 9u) << "8 on the wire";
    EXPECT_EQ(gain[4], 1.0);
    ASSERT_EQ(DvCtrlSetCurrentSelfCalResultSettingV5(s, m, setting), DvOk);
    DvCtrlReleaseSelfCalResultSettingV5(setting);
}

TEST_F(Records, OlderBlocksStandInWithoutPagedItems) {
    Discover();
    const char* s = kMedical.serial;
    const char* m = kMedical.model;
    DvCtrlSelfCalTargetV5* target = nullptr;
    ASSERT_EQ(DvCtrlGetCurrentSelfCalTargetV5(s, m, &target), DvOk);
    uint16_t id = 0;
    uint32_t temperature = 0, enable = 0;
    int32_t index = 0;
    DvCtrlSelfCalTargetV5GetIDInt16(target, &id);
    DvCtrlSelfCalTargetV5GetColorTemperature(target, &temperature);
    DvCtrlSelfCalTargetV5GetGammaIndex(target, &index);
    DvCtrlSelfCalTargetV5GetEnable(target, &enable);
    EXPECT_EQ(id, 3);
    EXPECT_EQ(temperature, 0x1000FFFDu);
    EXPECT_EQ(index, 9) << "gamma byte 8";
    EXPECT_EQ(enable, 1u);
    colour white{};
    white.x = 0.3127, white.y = 0.329;
    DvCtrlSelfCalTargetV5SetWhite(target, white);
    ASSERT_EQ(DvCtrlSetCurrentSelfCalTargetV5(s, m, target), DvOk);
    DvCtrlReleaseSelfCalTargetV5(target);
    DvSelfCalibrationTargetV3 v3{};
    ASSERT_EQ(DvCtrlGetSelfCalibrationTargetV3(s, m, &v3), DvOk);
    EXPECT_EQ(v3.white.y, 0.329);
    EXPECT_EQ(v3.gammaIndex, 9u);

    DvSelfCalibrationResult v1{};
    ASSERT_EQ(DvCtrlGetSelfCalibrationResult(s, m, &v1), DvOk);
    EXPECT_EQ(v1.white.Y, 160.0);
    EXPECT_GT(v1.red.Y, 0.0) << "completed from the white point";
    EXPECT_NEAR(v1.red.Y + v1.green.Y + v1.blue.Y, 160.0, 1e-6);
    DvCtrlSelfCalResultV5* result = nullptr;
    ASSERT_EQ(DvCtrlGetCurrentSelfCalResultV5(s, m, &result), DvOk);
    uint32_t gammaIndex = 0;
    EXPECT_EQ(DvCtrlSelfCalResultV5GetTargetGammaIndex(result, &gammaIndex), DvOk);
    EXPECT_EQ(gammaIndex, 8u);
    DvCtrlReleaseSelfCalResultV5(result);

    DvSelfCalibrationResultSetting v1s{};
    ASSERT_EQ(DvCtrlGetSelfCalibrationResultSetting(s, m, &v1s), DvOk);
    EXPECT_EQ(v1s.contrast, 950u);
    EXPECT_EQ(v1s.emulationMatrix[0], 0.9375);
    v1s.gainMatrix[8] = -0.5;
    ASSERT_EQ(DvCtrlSetSelfCalibrationResultSetting(s, m, &v1s), DvOk);
    DvCtrlSelfCalResultSettingV5* setting = nullptr;
    ASSERT_EQ(DvCtrlGetCurrentSelfCalResultSettingV5(s, m, &setting), DvOk);
    double gain[9] = {};
    DvCtrlSelfCalResultSettingV5GetGainMatrix(setting, gain);
    EXPECT_EQ(gain[8], -0.5);
    DvCtrlReleaseSelfCalResultSettingV5(setting);

    DvSelfCalibrationTargetV3 none{};
    EXPECT_EQ(DvCtrlGetSelfCalibrationTargetV3(kGrading.serial, kGrading.model, &none), DvErrFailed);
    EXPECT_EQ(DvCtrlSupportedSelfCalibrationTargetV3(s, m), 1);
    EXPECT_EQ(DvCtrlSupportedSelfCalibrationV5(kGrading.serial, kGrading.model), 1);
    EXPECT_EQ(DvCtrlSupportedSelfCalLStar(kGrading.serial, kGrading.model), 1);
}

TEST_F(Records, OlderSettersRefuseWhatTheBlocksCannotHold) {
    Discover();
    const char* s = kMedical.serial;
    const char* m = kMedical.model;
    DvSelfCalibrationTarget v1{};
    ASSERT_EQ(DvCtrlGetSelfCalibrationTarget(s, m, &v1), DvOk);
    EXPECT_EQ(v1.luminance, 160);
    EXPECT_EQ(v1.white.x, 0.3127);
    v1.luminance = 140;
    v1.gammaCode = 215;
    ASSERT_EQ(DvCtrlSetSelfCalibrationTarget(s, m, &v1), DvOk);
    DvSelfCalibrationTargetV3 v3{};
    ASSERT_EQ(DvCtrlGetSelfCalibrationTargetV3(s, m, &v3), DvOk);
    EXPECT_EQ(v3.luminance, 160.0) << "the version-3 block is its own";

    DvSelfCalibrationResultSetting setting{};
    ASSERT_EQ(DvCtrlGetSelfCalibrationResultSetting(s, m, &setting), DvOk);
    const DvSelfCalibrationTargetV3 goodV3 = v3;
    struct Case {
        const char* what;
        std::function<DvError()> call;
    };
    const Case refused[] = {
        {"no gamma byte for index 0",
         [&] {
             v3.gammaIndex = 0;
             return DvCtrlSetSelfCalibrationTargetV3(s, m, &v3);
         }},
        {"gamut past a byte",
         [&] {
             v3 = goodV3, v3.colorGamut = 60;
             return DvCtrlSetSelfCalibrationTargetV3(s, m, &v3);
         }},
        {"chromaticity past 16 bits",
         [&] {
             v3 = goodV3, v3.red.x = 7.0;
             return DvCtrlSetSelfCalibrationTargetV3(s, m, &v3);
         }},
        {"NaN matrix",
         [&] {
             setting.gainMatrix[0] = std::nan("");
             return DvCtrlSetSelfCalibrationResultSetting(s, m, &setting);
         }},
        {"null record", [&] { return DvCtrlSetSelfCalibrationResult(s, m, nullptr); }},
    };
    dvc::sim::ClearTransactions();
    for (const Case& c : refused) EXPECT_EQ(c.call(), DvErrInvalidParameter) << c.what;
    EXPECT_TRUE(Writes().empty());
}

}  // namespace
}  // namespace dvc::test
