// The centre cross marker and the key push counter through their exports.
#include "features/handwritten.hpp"
#include "libdvc/libdvc.h"
#include "paths/feature_codes.hpp"
#include "support/wait_recorder.hpp"

namespace dvc::test {
namespace {

using namespace dvc::codes;

class KeysOsd : public SimWorld {
protected:
    WaitRecorder waits;
};

TEST_F(KeysOsd, MarkerAndKeyCountsEndToEnd) {
    Discover();
    const char* s = kGrading.serial;
    const char* m = kGrading.model;
    int count = -1;
    ExpectRefusedFirst({
        {"a negative key", [&] { return DvCtrlGetKeyPushCount(s, m, -1, &count); }},
        {"a key beyond a byte", [&] { return DvCtrlGetKeyPushCount(s, m, 256, &count); }},
        {"no count", [&] { return DvCtrlGetKeyPushCount(s, m, 0, nullptr); }},
    });
    EXPECT_EQ(DvCtrlShowCenterCrossMarker(s, m), DvOk);
    EXPECT_EQ(Stored(kGrading, kCenterCrossMarker), 0x7Fu);
    EXPECT_EQ(DvCtrlHideCenterCrossMarker(s, m), DvOk);
    EXPECT_EQ(Stored(kGrading, kCenterCrossMarker), 0u);
    EXPECT_EQ(waits.pauses, std::vector<uint32_t>{200}) << "shown, then a pause for it to appear";
    EXPECT_EQ(DvCtrlGetKeyPushCount(s, m, 1, &count), DvOk);
    EXPECT_GE(count, 0);
    EXPECT_EQ(DvCtrlHideCenterCrossMarker(kOffice.serial, kOffice.model), DvErrFailed) << "no marker";
}

}  // namespace
}  // namespace dvc::test
