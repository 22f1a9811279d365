// The self-calibration objects: what creation gives on each kind of monitor,
// the accessor rules, and handles that are not live objects.
#include <array>
#include <vector>

#include "libdvc/libdvc.h"
#include "support/sim_world.hpp"

namespace dvc::test {
namespace {

class V5Objects : public SimWorld {};

TEST_F(V5Objects, CreationFollowsWhatTheMonitorKeeps) {
    Discover();
    const char* g[] = {kGrading.serial, kGrading.model};
    const char* m[] = {kMedical.serial, kMedical.model};
    EXPECT_EQ(DvCtrlSupportedSelfCalTargetV5(g[0], g[1]), 1);
    EXPECT_EQ(DvCtrlSupportedSelfCalResultSettingV5(m[0], m[1]), 1) << "the older block alone";
    EXPECT_EQ(DvCtrlSupportedSelfCalTargetV5Property(g[0], g[1], 0), 1);
    EXPECT_EQ(DvCtrlSupportedSelfCalTargetV5Property(g[0], g[1], 1), 0);
    EXPECT_EQ(DvCtrlSupportedSelfCalResultV5Property(m[0], m[1], 0), 0) << "no Limited109 setting";
    int size = -1;
    EXPECT_EQ(DvCtrlGetSelfCalLUTSize(g[0], g[1], &size), DvOk);
    EXPECT_EQ(size, 1024);
    EXPECT_EQ(DvCtrlGetSelfCalLUTSize(m[0], m[1], &size), DvErrNotSupported);
    EXPECT_EQ(size, 0);

    DvCtrlSelfCalTargetV5* target = nullptr;
    ASSERT_EQ(DvCtrlCreateSelfCalTargetV5(m[0], m[1], &target), DvOk);
    uint32_t value = 99;
    EXPECT_EQ(DvCtrlSelfCalTargetV5SetCalPriority(target, 2), DvErrNotSupported);
    EXPECT_EQ(DvCtrlSelfCalTargetV5GetCalPriority(target, &value), DvErrNotSupported);
    EXPECT_EQ(value, 0u) << "the stored value is copied all the same";
    EXPECT_EQ(DvCtrlSelfCalTargetV5GetEnable(target, &value), DvOk);
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(DvCtrlReleaseSelfCalTargetV5(target), DvOk);

    ASSERT_EQ(DvCtrlCreateSelfCalTargetV5(g[0], g[1], &target), DvOk);
    EXPECT_EQ(DvCtrlSelfCalTargetV5GetEnable(target, &value), DvErrNotSupported) << "no version-3 block";
    EXPECT_EQ(DvCtrlSelfCalTargetV5GetHLGSystemGamma(target, &value), DvOk);
    EXPECT_EQ(value, 0x80000000u);
    DvCtrlSelfCalResultV5* result = nullptr;
    ASSERT_EQ(DvCtrlCreateSelfCalResultV5(g[0], g[1], &result), DvOk);
    EXPECT_EQ(DvCtrlSelfCalResultV5GetHasMeasuredBlack(result, &value), DvOk) << "result item of 160 bytes";
    EXPECT_EQ(DvCtrlSelfCalResultV5GetTargetGammaIndex(result, &value), DvErrNotSupported);
    // Any release export takes any kind.
    EXPECT_EQ(DvCtrlReleaseSelfCalResultSettingV5(reinterpret_cast<DvCtrlSelfCalResultSettingV5*>(target)), DvOk);
    EXPECT_EQ(DvCtrlReleaseSelfCalTargetV5(reinterpret_cast<DvCtrlSelfCalTargetV5*>(result)), DvOk);

    target = reinterpret_cast<DvCtrlSelfCalTargetV5*>(&value);
    EXPECT_EQ(DvCtrlCreateSelfCalTargetV5(kOffice.serial, kOffice.model, &target), DvErrNotSupported);
    EXPECT_EQ(target, nullptr);
}

TEST_F(V5Objects, GammaIdAndLutRules) {
    Discover();
    DvCtrlSelfCalTargetV5* t = nullptr;
    ASSERT_EQ(DvCtrlCreateSelfCalTargetV5(kGrading.serial, kGrading.model, &t), DvOk);
    struct Case {
        bool byValue;
        double given;
        uint32_t type;
        int32_t index;
        double value;
    };
    for (const Case& c : {Case{false, 9, 0, 9, 2.2}, Case{false, 18, 0, 18, 0.0}, Case{false, 264, 0, 264, 0.0},
                          Case{true, 2.2, 1, 9, 2.2}, Case{true, 1.4, 1, 1, 1.4}, Case{true, 3.0, 1, 17, 3.0},
                          Case{true, 2.25, 1, 0, 2.25}, Case{true, 3.5, 1, 0, 3.5}}) {
        ASSERT_EQ(c.byValue ? DvCtrlSelfCalTargetV5SetGammaValue(t, c.given)
                            : DvCtrlSelfCalTargetV5SetGammaIndex(t, static_cast<int32_t>(c.given)),
                  DvOk);
        uint32_t type = 9;
        int32_t index = -1;
        double value = -1;
        DvCtrlSelfCalTargetV5GetGammaType(t, &type);
        DvCtrlSelfCalTargetV5GetGammaIndex(t, &index);
        DvCtrlSelfCalTargetV5GetGammaValue(t, &value);
        EXPECT_EQ(type, c.type) << c.given;
        EXPECT_EQ(index, c.index) << c.given;
        EXPECT_NEAR(value, c.value, 1e-12) << c.given;
    }

    std::array<uint8_t, 16> id{};
    id.fill(0xEE);
    ASSERT_EQ(DvCtrlSelfCalTargetV5SetID(t, id.data()), DvOk);
    ASSERT_EQ(DvCtrlSelfCalTargetV5SetIDInt16(t, 0x1234), DvOk);
    ASSERT_EQ(DvCtrlSelfCalTargetV5GetID(t, id.data()), DvOk);
    EXPECT_EQ(id, (std::array<uint8_t, 16>{0x34, 0x12}));

    std::vector<double> lut(1024, 0.5);
    EXPECT_EQ(DvCtrlSelfCalTargetV5GetLUTValue(t, lut.data(), 1024), DvErrSizeMismatch) << "empty until set";
    EXPECT_EQ(DvCtrlSelfCalTargetV5GetLUTValue(t, nullptr, 1024), DvOk);
    EXPECT_EQ(DvCtrlSelfCalTargetV5SetLUTValue(t, lut.data(), 1023), DvErrSizeMismatch);
    ASSERT_EQ(DvCtrlSelfCalTargetV5SetLUTValue(t, lut.data(), 1024), DvOk);
    std::vector<double> back(1024);
    EXPECT_EQ(DvCtrlSelfCalTargetV5GetLUTValue(t, back.data(), 1024), DvOk);
    EXPECT_EQ(back, lut);
    DvCtrlReleaseSelfCalTargetV5(t);

    DvCtrlSelfCalResultSettingV5* s = nullptr;
    ASSERT_EQ(DvCtrlCreateSelfCalResultSettingV5(kGrading.serial, kGrading.model, &s), DvOk);
    std::vector<double> c0(1024, 0.25), c2(1024, 1.0), out(1024, 9.0);
    ASSERT_EQ(DvCtrlSelfCalResultSettingV5SetLUT(s, c0.data(), nullptr, c2.data(), 1024), DvOk);
    ASSERT_EQ(DvCtrlSelfCalResultSettingV5GetLUT(s, nullptr, out.data(), nullptr, 1024), DvOk);
    EXPECT_EQ(out, std::vector<double>(1024, 0.0)) << "channel 1 as created";
    EXPECT_EQ(DvCtrlSelfCalResultSettingV5GetLUT(s, out.data(), nullptr, nullptr, 256), DvErrSizeMismatch);
    DvCtrlReleaseSelfCalResultSettingV5(s);
}

TEST_F(V5Objects, HandlesThatAreNotLiveObjectsAreRefused) {
    Discover();
    DvCtrlSelfCalResultV5* r = nullptr;
    ASSERT_EQ(DvCtrlCreateSelfCalResultV5(kGrading.serial, kGrading.model, &r), DvOk);
    double local = 0;
    auto* foreign = reinterpret_cast<DvCtrlSelfCalResultV5*>(&local);
    auto* wrongKind = reinterpret_cast<DvCtrlSelfCalTargetV5*>(r);
    EXPECT_EQ(DvCtrlSelfCalResultV5GetLuminance(nullptr, &local), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlSelfCalResultV5SetLuminance(foreign, 1.0), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlSelfCalTargetV5GetLuminance(wrongKind, &local), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlReleaseSelfCalResultV5(foreign), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlReleaseSelfCalResultV5(nullptr), DvOk);
    EXPECT_EQ(DvCtrlReleaseSelfCalResultV5(r), DvOk);
    EXPECT_EQ(DvCtrlSelfCalResultV5GetLuminance(r, &local), DvErrInvalidParameter) << "released";
    EXPECT_EQ(DvCtrlReleaseSelfCalResultV5(r), DvErrInvalidParameter) << "released twice";
}

}  // namespace
}  // namespace dvc::test
