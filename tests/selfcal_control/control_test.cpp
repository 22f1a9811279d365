// Self-calibration control on the virtual monitors: the cooperative lock,
// ageing and time records, the controlled mode and self index, targets.
#include <array>
#include <cmath>
#include <cstring>
#include <tuple>
#include <vector>

#include "paths/feature_codes.hpp"
#include "selfcal/control.hpp"
#include "selfcal/schedule_record.hpp"
#include "support/sim_world.hpp"

namespace dvc::test {
namespace {

using namespace dvc::codes;
using Bytes = std::vector<uint8_t>;

class SelfCalControl : public SimWorld {
protected:
    void SetUp() override { Discover(); }
    static Bytes Data(const WorldMonitor& m, uint32_t code) {
        return dvc::sim::GetStateData(m.serial, code).value_or(Bytes{});
    }
    DvSelfCalScheduleV2 s_{};
};

TEST_F(SelfCalControl, LockKeepsOtherOwnersOutUntilTheHolderUnlocks) {
    struct Step {
        DvError result;
        int owner;  // 0 unlocks with `second` as the owner
        int second;
        Bytes record;
    };
    const Step steps[] = {
        {DvOk, 5, 9, {5, 9}}, {DvErrFailed, 7, 1, {5, 9}}, {DvErrFailed, 0, 7, {5, 9}},          {DvOk, 5, 3, {5, 3}},
        {DvOk, 0, 5, {0, 0}}, {DvOk, 7, 1, {7, 1}},        {DvErrInvalidParameter, 0, 0, {7, 1}}};
    for (const Step& s : steps) {
        const DvError r = s.owner != 0 || s.result == DvErrInvalidParameter
                              ? DvCtrlLockSelfCalibration(kGrading.serial, kGrading.model, s.owner, s.second)
                              : DvCtrlUnlockSelfCalibration(kGrading.serial, kGrading.model, s.second);
        EXPECT_EQ(r, s.result) << s.owner << " " << s.second;
        EXPECT_EQ(Data(kGrading, kSelfCalMutex), s.record);
    }
    int owner = -1;
    EXPECT_EQ(DvCtrlGetSelfCalibrationMutexOwner(kGrading.serial, kGrading.model, &owner), DvOk);
    EXPECT_EQ(owner, 7);
}

TEST_F(SelfCalControl, AgeingTimeIsOneByteAndKeepsTheBrightnessChangeTime) {
    EXPECT_EQ(DvCtrlSetSelfCalibrationAgingTime(kGrading.serial, kGrading.model, 300), DvOk);
    EXPECT_EQ(Data(kGrading, kSelfCalAgingTime), (Bytes{255, 10}));
    EXPECT_EQ(DvCtrlSetSelfCalibrationAgingTime(kMedical.serial, kMedical.model, 300), DvOk);
    EXPECT_EQ(Stored(kMedical, kSelfCalAgingTime), 255u);  // one byte long: a value write
    EXPECT_EQ(DvCtrlSetSelfCalibrationAgingTime(kMedical.serial, kMedical.model, -1), DvErrInvalidParameter);
    int hours = 0;
    EXPECT_EQ(DvCtrlGetSelfCalibrationAgingTimeForBrightnessChange(kGrading.serial, kGrading.model, &hours), DvOk);
    EXPECT_EQ(hours, 10);
    EXPECT_EQ(DvCtrlSupportedSelfCalibrationAgingTimeForBrightnessChange(kGrading.serial, kGrading.model), 1);
    EXPECT_EQ(DvCtrlSupportedSelfCalibrationAgingTimeForBrightnessChange(kMedical.serial, kMedical.model), 0);
}

TEST_F(SelfCalControl, TimeRecordsAndElapsedTime) {
    EXPECT_EQ(selfcal::EncodeTime({0x12345678, 0x9ABC}), (std::array<uint8_t, 6>{0xBC, 0x9A, 0x12, 0x34, 0x78, 0x56}));
    EXPECT_EQ(DvCtrlSetSelfCalibrationClockTime(kGrading.serial, kGrading.model, 0x12345678, 0x9ABC), DvOk);
    EXPECT_EQ(Data(kGrading, kSelfCalClockTime), (Bytes{0xBC, 0x9A, 0x12, 0x34, 0x78, 0x56}));
    uint32_t a = 0;
    uint16_t b = 0;
    EXPECT_EQ(DvCtrlGetSelfCalibrationResultTime(kGrading.serial, kGrading.model, &a, &b), DvOk);
    EXPECT_EQ(a, 0x12345678u);
    EXPECT_EQ(b, 0x9ABC);
    uint32_t elapsed = 0;
    EXPECT_EQ(DvCtrlGetSelfCalibrationElapsedTime(kGrading.serial, kGrading.model, &elapsed), DvOk);
    EXPECT_EQ(elapsed, 120u);
    EXPECT_EQ(DvCtrlGetSelfCalibrationElapsedTime(kMedical.serial, kMedical.model, &elapsed), DvOk);
    EXPECT_EQ(elapsed, 77u);  // the value form where the 4-byte item is missing
}

TEST_F(SelfCalControl, SelfIndexFollowsTheControlledModeOrItsOwnBytes) {
    struct Case {
        const WorldMonitor& m;
        int index, second;
        DvError result;
        uint32_t code;  // the controlled mode's code written, or the first byte
    };
    const Case cases[] = {
        {kGrading, 29, 0, DvOk, 1}, {kGrading, 30, 0, DvOk, 2},        {kGrading, -1, 0, DvOk, 15},
        {kGrading, 28, 0, DvOk, 0}, {kGrading, 27, 0, DvErrFailed, 0}, {kGrading, 29, 1, DvErrFailed, 0},
        {kMedical, 3, 7, DvOk, 3},  {kMedical, -1, 0, DvOk, 255},      {kMedical, 255, 0, DvErrInvalidParameter, 255}};
    for (const Case& c : cases) {
        EXPECT_EQ(DvCtrlSetSelfIndex(c.m.serial, c.m.model, c.index, c.second), c.result) << c.index;
        if (&c.m == &kGrading) {
            EXPECT_EQ(Stored(c.m, kSelfCalControlColorMode), c.code) << c.index;
        } else {
            EXPECT_EQ(Data(c.m, kSelfIndex).at(0), c.code) << c.index;
        }
        if (c.result != DvOk) continue;
        int index = 0, second = -1;
        EXPECT_EQ(DvCtrlGetSelfIndex(c.m.serial, c.m.model, &index, &second), DvOk);
        EXPECT_EQ(index, c.index);
        EXPECT_EQ(second, c.second);
    }
    const std::pair<int, uint32_t> modes[] = {{1, 0}, {2, 1}, {4, 2}, {0x8000, 15}, {3, 0}};
    for (const auto& [mode, code] : modes) {
        EXPECT_EQ(DvCtrlSetSelfCalibrationControlColorMode(kGrading.serial, kGrading.model, mode), DvOk);
        EXPECT_EQ(Stored(kGrading, kSelfCalControlColorMode), code) << mode;
    }
    ASSERT_TRUE(dvc::sim::SetStateValue(kGrading.serial, kSelfCalControlColorMode, 7));
    int mode = -5;
    EXPECT_EQ(DvCtrlGetSelfCalibrationControlColorMode(kGrading.serial, kGrading.model, &mode), DvOk);
    EXPECT_EQ(mode, -5) << "a code that is no mode leaves the value as it was";
}

TEST_F(SelfCalControl, TargetIndexPairingAndEnableMask) {
    EXPECT_EQ(DvCtrlGetSelfTargetCount(kGrading.serial, kGrading.model), 10);
    EXPECT_EQ(DvCtrlGetSelfTargetCount(kMedical.serial, kMedical.model), 0);
    uint32_t index = 0;
    EXPECT_EQ(DvCtrlGetSelfTargetIndex(kGrading.serial, kGrading.model, &index), DvOk);
    EXPECT_EQ(index, 0xFFFFFFFFu);
    EXPECT_EQ(DvCtrlSetSelfTargetIndex(kGrading.serial, kGrading.model, 10), DvErrFailed);
    EXPECT_EQ(DvCtrlSetSelfTargetIndex(kGrading.serial, kGrading.model, 9), DvOk);
    EXPECT_EQ(DvCtrlSetSelfTargetIndex(kGrading.serial, kGrading.model, 0xFFFFFFFF), DvOk);
    EXPECT_EQ(Stored(kGrading, kSelfTargetIndex), 255u);

    std::array<uint32_t, 12> pairing{};
    pairing.fill(77);
    EXPECT_EQ(DvCtrlGetSelfTargetPairing(kGrading.serial, kGrading.model, pairing.data(), 12), DvOk);
    EXPECT_EQ(pairing[0], 0xFFFFFFFFu);
    EXPECT_EQ(pairing[4], 3u);
    EXPECT_EQ(pairing[10], 77u) << "entries past the targets are left alone";
    dvc::sim::ClearTransactions();
    EXPECT_EQ(DvCtrlSetSelfTargetPairing(kGrading.serial, kGrading.model, pairing.data(), 10), DvOk);
    EXPECT_TRUE(Writes().empty()) << "nothing changed, nothing written";
    const std::array<uint32_t, 2> two{2, 0xFFFFFFFF};
    EXPECT_EQ(DvCtrlSetSelfTargetPairing(kGrading.serial, kGrading.model, two.data(), 2), DvOk);
    EXPECT_EQ(Data(kGrading, kSelfTargetPairing), (Bytes{2, 255, 1, 255, 3, 255, 255, 255, 255, 255}));
    const std::array<uint32_t, 1> bad{255};
    EXPECT_EQ(DvCtrlSetSelfTargetPairing(kGrading.serial, kGrading.model, bad.data(), 1), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlGetSelfTargetPairing(kMedical.serial, kMedical.model, pairing.data(), 1), DvErrNotSupported);

    std::array<int, 16> flags{};
    EXPECT_EQ(DvCtrlGetEnableSelfCalibrationMode(kGrading.serial, kGrading.model, flags.data(), 16), DvOk);
    EXPECT_EQ((std::array<int, 3>{flags[0], flags[1], flags[2]}), (std::array<int, 3>{1, 0, 1}));
    dvc::sim::ClearTransactions();
    EXPECT_EQ(DvCtrlSetEnableSelfCalibrationMode(kGrading.serial, kGrading.model, flags.data(), 16), DvOk);
    EXPECT_TRUE(Writes().empty());
    const std::array<int, 2> firstTwo{0, 1};
    EXPECT_EQ(DvCtrlSetEnableSelfCalibrationMode(kGrading.serial, kGrading.model, firstTwo.data(), 2), DvOk);
    EXPECT_EQ(Stored(kGrading, kSelfTargetEnable), 6u);
    EXPECT_EQ(DvCtrlGetEnableSelfCalibrationMode(kMedical.serial, kMedical.model, flags.data(), 16), DvErrNotSupported);
}

TEST_F(SelfCalControl, WithoutThePairingItemThereAreFifteenTargets) {
    DvCtrlRelease();
    DiscoverJson(R"({"monitors": [{"serial": "23100077", "profile": "CG3180", "links": {"hid": true},
                    "features": {"0xFF030027": null}}]})");
    EXPECT_EQ(DvCtrlGetSelfTargetCount(kGrading.serial, kGrading.model), 15);
    EXPECT_EQ(DvCtrlSetSelfTargetIndex(kGrading.serial, kGrading.model, 15), DvErrFailed);
    EXPECT_EQ(DvCtrlSetSelfTargetIndex(kGrading.serial, kGrading.model, 14), DvOk);
}

TEST_F(SelfCalControl, SupportTellsSelfCalibrationFromSelfCorrectionAndSelfQC) {
    const std::pair<WorldMonitor, std::array<int, 2>> cases[] = {
        {kGrading, {1, 0}}, {kDual, {0, 0}}, {kMedical, {0, 1}}, {kOffice, {0, 0}}};
    for (const auto& [m, want] : cases) {
        EXPECT_EQ(DvCtrlSupportedSelfCalibration(m.serial, m.model), want[0]) << m.model;
        EXPECT_EQ(DvCtrlSupportedSelfQCCal(m.serial, m.model), want[1]) << m.model;
    }
}

TEST_F(SelfCalControl, ScheduleRecordsPutEachTypesFieldsInTheirPlaces) {
    struct Case {
        uint32_t type;
        std::vector<std::pair<int, uint8_t>> bytes;  // non-zero bytes after the type
        DvSelfCalScheduleV2 back;                    // what reading gives (0xFFFFFFFF: not carried)
    };
    const uint32_t x = 0xFFFFFFFF;
    const DvSelfCalScheduleV2 in{9, 0, 0xA1B2C3D4, 0x11, 0x22, 0x3344, 0x55667788};
    const Case cases[] = {
        {0, {{2, 0xB2}, {3, 0x11}, {4, 0x22}, {5, 0x44}, {6, 0x33}}, {9, 0, 0xB20000, 0x11, 0x22, 0x3344, x}},
        {1, {{2, 0x11}, {4, 0x22}, {5, 0x44}, {6, 0x33}}, {9, 1, x, 0x11, 0x22, 0x3344, x}},
        {31, {{2, 0x88}, {3, 0x77}}, {9, 31, x, x, x, x, 0x7788}},
        {16, {{2, 0x88}, {3, 0x77}, {4, 0x66}, {5, 0x55}}, {9, 16, x, x, x, x, 0x55667788}},
        {17, {{5, 0x44}, {6, 0x33}, {7, 0xA1}, {8, 0xB2}, {9, 0xD4}, {10, 0xC3}}, {9, 17, 0xA1B2C3D4, x, x, 0x3344, x}},
        {33, {{4, 0x22}, {5, 0x44}, {6, 0x33}}, {9, 33, x, x, 0x22, 0x3344, x}},
        {54, {}, {9, 54, x, x, x, x, x}}};
    for (const Case& c : cases) {
        DvSelfCalScheduleV2 s = in;
        s.type = c.type;
        selfcal::ScheduleBytes want{};
        want[0] = 9;
        want[1] = static_cast<uint8_t>(c.type);
        for (const auto& [at, byte] : c.bytes) want[at] = byte;
        EXPECT_EQ(selfcal::EncodeScheduleV2(s), want) << c.type;
        const DvSelfCalScheduleV2 back = selfcal::DecodeScheduleV2(want);
        EXPECT_EQ(std::memcmp(&back, &c.back, sizeof back), 0) << c.type;
    }
    selfcal::ScheduleBytes v1{};
    EXPECT_FALSE(selfcal::EncodeScheduleV1(1, 3, 0, v1)) << "the first form knows types 0, 1, 2";
    EXPECT_EQ(DvCtrlSetSelfCalibrationSchedule(kGrading.serial, kGrading.model, 4, 0x12340001, 0xABCD), DvOk);
    EXPECT_EQ(Data(kGrading, kSelfCalSchedule).at(4), 0x12);
    uint8_t first = 0;
    uint32_t p = 0, q = 0;
    EXPECT_EQ(DvCtrlGetSelfCalibrationSchedule(kGrading.serial, kGrading.model, &first, &p, &q), DvOk);
    EXPECT_EQ(std::make_tuple(first, p, q), std::make_tuple(uint8_t{4}, 0x12340001u, 0xABCDu));
    s_ = in;
    EXPECT_EQ(DvCtrlSetSelfCalibrationScheduleV2(kGrading.serial, kGrading.model, &s_), DvOk);
    EXPECT_EQ(DvCtrlGetSelfCalibrationScheduleV2(kGrading.serial, kGrading.model, &s_), DvOk);
    EXPECT_EQ(s_.date, 0xB20000u);
    EXPECT_EQ(DvCtrlGetSelfCalibrationScheduleV2(kGrading.serial, kGrading.model, nullptr), DvErrInvalidParameter);
}

TEST_F(SelfCalControl, NextScheduleExchangeAndScheduleTypes) {
    struct Case {
        const WorldMonitor& m;
        int kind, which;
        DvError result;
        uint32_t type;
        std::array<uint8_t, 8> data;
    };
    const Case cases[] = {{kGrading, 0, 0, DvOk, 1, {0x78, 0x56, 0x34, 0x12, 7, 255, 255, 255}},
                          {kGrading, 0, 1, DvOk, 2, {0xEA, 7, 3, 14, 30, 8, 255, 255}},
                          {kGrading, 0, 2, DvOk, 0xFFFFFFFF, {255, 255, 255, 255, 255, 255, 255, 255}},
                          {kGrading, 0, 3, DvErrFailed, 0, {}},  // the reply does not repeat the request
                          {kGrading, 1, 0, DvErrInvalidParameter, 0, {}},
                          {kMedical, 2, 2, DvErrInvalidParameter, 0, {}},
                          {kMedical, 2, 0, DvOk, 2, {0xE9, 7, 6, 1, 0, 9, 255, 255}},
                          {kOffice, 0, 0, DvErrNotSupported, 0, {}}};
    for (const Case& c : cases) {
        DvSelfNextSchedule next{};
        EXPECT_EQ(DvCtrlGetSelfQCNextSchedule(c.m.serial, c.m.model, c.kind, c.which, &next), c.result)
            << c.m.model << " " << c.kind << " " << c.which;
        if (c.result != DvOk) continue;
        EXPECT_EQ(next.type, c.type);
        EXPECT_EQ(std::memcmp(next.data, c.data.data(), 8), 0) << c.which;
    }
    const std::pair<WorldMonitor, std::vector<int>> lists[] = {{kGrading, {0, 1, 2}}, {kDual, {2}}, {kMedical, {}}};
    for (const auto& [m, types] : lists) {
        std::vector<int> got;
        int type = -1;
        for (int i = 0; DvCtrlEnumSupportedSelfCalibrationScheduleType(m.serial, m.model, i, &type) == DvOk; ++i)
            got.push_back(type);
        EXPECT_EQ(got, types) << m.model;
    }
}

TEST_F(SelfCalControl, SelfCorrectionNumbersTravelAsBigEndianSingles) {
    int enabled = 0;
    uint16_t id = 0;
    std::array<double, 3> values{};
    EXPECT_EQ(DvCtrlGetSelfCorrectionTarget(kDual.serial, kDual.model, &enabled, &id, values.data()), DvOk);
    EXPECT_EQ(std::make_tuple(enabled, id, values[0]), std::make_tuple(1, uint16_t{1}, 100.0));
    EXPECT_NEAR(values[1], 0.3127, 1e-6);
    const std::array<double, 3> set{0.5, -2.0, 80.0};
    EXPECT_EQ(DvCtrlSetSelfCorrectionResult(kDual.serial, kDual.model, 0x0203, set.data()), DvOk);
    EXPECT_EQ(Data(kDual, kSelfCorrectionResult), (Bytes{3, 2, 0x3F, 0, 0, 0, 0xC0, 0, 0, 0, 0x42, 0xA0, 0, 0}));
    EXPECT_EQ(DvCtrlGetSelfCorrectionResult(kDual.serial, kDual.model, &id, values.data()), DvOk);
    EXPECT_EQ(values[1], -2.0);
    const std::array<double, 3> nan{0.5, std::nan(""), 1.0};
    EXPECT_EQ(DvCtrlSetSelfCorrectionTarget(kDual.serial, kDual.model, 1, 1, nan.data()), DvErrInvalidParameter);
}

}  // namespace
}  // namespace dvc::test
