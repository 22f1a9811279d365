// The hand-written picture operations through their exports.
#include "features/handwritten.hpp"
#include "libdvc/libdvc.h"
#include "paths/feature_codes.hpp"
#include "support/wait_recorder.hpp"

namespace dvc::test {
namespace {

using namespace dvc::codes;

class Picture : public SimWorld {
protected:
    WaitRecorder waits;
};

TEST_F(Picture, BadArgumentsAreRefusedFirst) {
    Discover();
    const char* s = kGrading.serial;
    const char* m = kGrading.model;
    DvColorDisableState* state = nullptr;
    colour c{};
    ExpectRefusedFirst({
        {"a negative wait", [&] { return DvCtrlSetColorDisable(s, m, 1, nullptr, -1); }},
        {"no state pointer", [&] { return DvCtrlDisableColorForCandelaUpdate(s, m, nullptr, 0); }},
        {"a negative wait", [&] { return DvCtrlDisableColorForCandelaUpdate(s, m, &state, -1); }},
        {"no state", [&] { return DvCtrlRestoreDisableColorForCandelaUpdate(s, m, nullptr); }},
        {"a missing colour", [&] { return DvCtrlGetRGBWChromaticities(s, m, &c, &c, nullptr, &c); }},
    });
}

// Off for a luminance update and back: both settings as they were, the
// tone curve refreshed with its settling time when colour went off.
TEST_F(Picture, ColourDisabledForACandelaUpdateComesBackAsItWas) {
    Discover();
    const char* s = kGrading.serial;
    const char* m = kGrading.model;
    ASSERT_TRUE(dvc::sim::SetStateValue(s, k3DLut, 1));
    DvColorDisableState* state = nullptr;
    ASSERT_EQ(DvCtrlDisableColorForCandelaUpdate(s, m, &state, 250), DvOk);
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(Stored(kGrading, kColorDisable), 1u);
    EXPECT_EQ(Stored(kGrading, k3DLut), 0u);
    EXPECT_EQ(waits.pauses, std::vector<uint32_t>{250});
    EXPECT_EQ(DvCtrlRestoreDisableColorForCandelaUpdate(s, m, state), DvOk);
    EXPECT_EQ(Stored(kGrading, kColorDisable), 0u);
    EXPECT_EQ(Stored(kGrading, k3DLut), 1u);

    // The record comes back to the library even when its monitor is gone.
    ASSERT_EQ(DvCtrlDisableColorForCandelaUpdate(s, m, &state, 0), DvOk);
    EXPECT_EQ(DvCtrlRestoreDisableColorForCandelaUpdate("NOPE0000", "NOPE", state), DvErrFailed);

    int previous = -1;
    EXPECT_EQ(DvCtrlSetColorDisable(s, m, 0, &previous, 100), DvOk);
    EXPECT_EQ(previous, 1) << "still off from the update whose record was given up";
    EXPECT_EQ(DvCtrlSetColorDisable(s, m, 1, &previous, 100), DvOk);
    EXPECT_EQ(previous, 0);
    EXPECT_EQ(waits.pauses, (std::vector<uint32_t>{250, 100})) << "only switching colour off settles";
}

// From the chromaticity controls where the monitor has them, else from its
// EDID.
TEST_F(Picture, PrimariesComeFromTheControlsOrTheEdid) {
    Discover();
    colour red{}, green{}, blue{}, white{};
    ASSERT_EQ(DvCtrlGetRGBWChromaticities(kDual.serial, kDual.model, &red, &green, &blue, &white), DvOk);
    EXPECT_DOUBLE_EQ(red.x, 0.64);
    EXPECT_DOUBLE_EQ(white.y, 0.329);
    EXPECT_EQ(DvCtrlGetRGBWChromaticities(kOffice.serial, kOffice.model, &red, &green, &blue, &white), DvErrFailed)
        << "no controls and no EDID over DDC/CI";
}

}  // namespace
}  // namespace dvc::test
