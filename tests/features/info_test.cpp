// Reset, save, the firmware version and the panel type through their
// exports.
#include "features/handwritten.hpp"
#include "libdvc/libdvc.h"
#include "paths/feature_codes.hpp"
#include "support/wait_recorder.hpp"

namespace dvc::test {
namespace {

using namespace dvc::codes;

class Info : public SimWorld {
protected:
    WaitRecorder waits;
};

TEST_F(Info, ResetKindsAndSaves) {
    Discover();
    ExpectRefusedFirst({{"a negative kind", [] { return DvCtrlReset(kDual.serial, kDual.model, -1); }}});
    // The colour adjustment reset is a pulse whose direction each model's
    // priority setting decides; it puts the gain back.
    for (const WorldMonitor& m : {kGrading, kMedical}) {
        ASSERT_TRUE(dvc::sim::SetStateValue(m.serial, kGainRed, 40));
        EXPECT_EQ(DvCtrlReset(m.serial, m.model, 3), DvOk) << m.model;
        EXPECT_EQ(Stored(m, kGainRed), 255u) << m.model;
    }
    EXPECT_EQ(DvCtrlReset(kDual.serial, kDual.model, 3), DvErrNotSupported);
    EXPECT_EQ(DvCtrlReset(kDual.serial, kDual.model, 4), DvErrNotSupported);
    dvc::sim::ClearTransactions();
    EXPECT_EQ(DvCtrlReset(kOffice.serial, kOffice.model, 1), DvOk);
    ASSERT_FALSE(Writes().empty());
    EXPECT_EQ(Writes().back().code, kReset);

    // Save kinds 0 to 2 each have their code; EachReset writes its value.
    const uint32_t saves[] = {kSave, kSaveSecond, kSaveThird};
    for (int kind = 0; kind < 3; ++kind) {
        dvc::sim::ClearTransactions();
        EXPECT_EQ(DvCtrlCurrentSave(kGrading.serial, kGrading.model, kind, 2), DvOk);
        EXPECT_EQ(Writes().back().code, saves[kind]);
    }
    EXPECT_EQ(DvCtrlCurrentSave(kGrading.serial, kGrading.model, 3, 2), DvErrFailed);
    EXPECT_EQ(DvCtrlEachReset(kGrading.serial, kGrading.model, 7), DvOk);
    EXPECT_EQ(Writes().back().value, 7u);
}

TEST_F(Info, SaveFirmwareVersionAndPanel) {
    Discover();
    const char* cs = kDual.serial;
    const char* cm = kDual.model;
    EXPECT_EQ(DvCtrlSave(cs, cm), DvOk);
    EXPECT_EQ(Writes().back().code, kSave);
    EXPECT_EQ(Writes().back().value, 0u) << "into the current memory";
    EXPECT_EQ(DvCtrlResetAtIndex(cs, cm, 2), DvOk);
    EXPECT_EQ(Writes().back().code, kResetAtIndex);
    char text[32] = {};
    EXPECT_EQ(DvCtrlGetFirmwareVersion(cs, cm, text, sizeof text), DvOk);
    EXPECT_STREQ(text, "FW 1.04.2 B017") << "the extended text where the monitor has it";
    EXPECT_EQ(DvCtrlGetFirmwareVersion(cs, cm, text, 8), DvErrSizeMismatch);
    int type = -1;
    EXPECT_EQ(DvCtrlGetPanelType(kOffice.serial, kOffice.model, &type), DvOk);
    EXPECT_EQ(type, 0) << "an older panel generation";
}

}  // namespace
}  // namespace dvc::test
