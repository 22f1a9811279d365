// Per-path operations that wait or poll: what they send, how long they
// wait (counted, not slept) and when they stop.
#include <gtest/gtest.h>

#include "paths/fake_path.hpp"
#include "paths/special_candela.hpp"
#include "paths/wait_recorder.hpp"

using dvc::test::FakePath;
using dvc::test::WaitRecorder;

namespace {

constexpr uint32_t kEdidWrite = 0xFF020037;
constexpr uint32_t kAutoAdjust = 0x03;
constexpr uint32_t kMarker = 0x3B;
constexpr uint32_t kColorDisable = 0xFF010052;
constexpr uint32_t kToneCurve = 0xFF020049;
constexpr uint32_t kLut = 0xFF0100B0;

std::vector<uint32_t> Written(const FakePath& path, uint32_t code) {
    std::vector<uint32_t> values;
    for (const auto& call : path.CallsOf("WriteValue", code)) values.push_back(call.value);
    return values;
}

class Polls : public ::testing::Test {
protected:
    WaitRecorder waits;
    FakePath path;
};

TEST_F(Polls, EdidDdcWriteFinishesWhenTheMonitorSaysDone) {
    path.Set(kEdidWrite);
    path.valueSequence[kEdidWrite] = {0xFF, 2, 1};
    EXPECT_EQ(path.ExecuteEDIDDDCWrite(), DvOk);
    EXPECT_EQ(Written(path, kEdidWrite), std::vector<uint32_t>{0xFF});
    EXPECT_EQ(path.CallsOf("ReadValue", kEdidWrite).size(), 3u);
    EXPECT_EQ(waits.pauses, (std::vector<uint32_t>{100, 100}));
}

TEST_F(Polls, EdidDdcWriteReportsFailureAndErrorsAtOnce) {
    path.Set(kEdidWrite);
    path.valueSequence[kEdidWrite] = {5, 0};
    EXPECT_EQ(path.ExecuteEDIDDDCWrite(), DvErrFailed) << "state 0 is a failed write";

    path.valueSequence[kEdidWrite] = {5};
    path.results[{"ReadValue", kEdidWrite}] = {DvOk, DvErrRefused};
    path.calls.clear();
    EXPECT_EQ(path.ExecuteEDIDDDCWrite(), DvErrRefused) << "a refusal while polling ends the poll";
    EXPECT_EQ(path.CallsOf("ReadValue", kEdidWrite).size(), 2u);

    path.results[{"WriteValue", kEdidWrite}] = {static_cast<DvError>(0x80000012)};
    path.calls.clear();
    EXPECT_EQ(path.ExecuteEDIDDDCWrite(), static_cast<DvError>(0x80000012));
    EXPECT_TRUE(path.CallsOf("ReadValue", kEdidWrite).empty());
}

TEST_F(Polls, EdidDdcWriteGivesUpAfter3000Polls) {
    path.Set(kEdidWrite).value = 2;
    EXPECT_EQ(path.ExecuteEDIDDDCWrite(), DvOk) << "the last poll's result";
    EXPECT_EQ(path.CallsOf("ReadValue", kEdidWrite).size(), 3000u);
    EXPECT_EQ(WaitRecorder::Total(), 2999u * 100);
}

TEST_F(Polls, AutoAdjustKindsAndTheirValues) {
    EXPECT_EQ(path.SetAutoAdjust(5, 1), DvErrNotSupported);
    EXPECT_EQ(path.SetAutoAdjust(0, 1), DvErrNotSupported);
    EXPECT_TRUE(path.calls.empty());
    path.Set(kAutoAdjust);
    for (int kind = 1; kind <= 4; ++kind) EXPECT_EQ(path.SetAutoAdjust(kind, 0), DvOk);
    EXPECT_EQ(Written(path, kAutoAdjust), (std::vector<uint32_t>{0, 4, 5, 7}));
    EXPECT_TRUE(path.CallsOf("ReadValue", kAutoAdjust).empty()) << "no wait asked";
    EXPECT_TRUE(waits.pauses.empty());
}

TEST_F(Polls, AutoAdjustWaitsForTheDoneState) {
    path.Set(kAutoAdjust);
    path.valueSequence[kAutoAdjust] = {4, 4, 6};
    EXPECT_EQ(path.SetAutoAdjust(2, 1), DvOk);
    EXPECT_EQ(Written(path, kAutoAdjust), std::vector<uint32_t>{4});
    EXPECT_EQ(waits.pauses, (std::vector<uint32_t>{500, 500, 500}));

    WaitRecorder::pauses.clear();
    path.valueSequence[kAutoAdjust].clear();
    path.features[kAutoAdjust].value = 4;
    EXPECT_EQ(path.SetAutoAdjust(2, 1), DvErrTimeout);
    EXPECT_EQ(WaitRecorder::Total(), 10000u);

    path.results[{"WriteValue", kAutoAdjust}] = {DvErrFailed};
    WaitRecorder::pauses.clear();
    EXPECT_EQ(path.SetAutoAdjust(2, 1), DvErrFailed);
    EXPECT_TRUE(waits.pauses.empty());
}

TEST_F(Polls, CrossMarkerShowWaitsAndHideChecks) {
    path.Set(kMarker);
    path.results[{"WriteValue", kMarker}] = {DvErrRefused};
    EXPECT_EQ(path.ShowCenterCrossMarker(), DvErrRefused);
    EXPECT_EQ(Written(path, kMarker), std::vector<uint32_t>{0x7F});
    EXPECT_EQ(waits.pauses, std::vector<uint32_t>{200});

    path.calls.clear();
    WaitRecorder::pauses.clear();
    path.valueSequence[kMarker] = {0x7F, 0};
    EXPECT_EQ(path.HideCenterCrossMarker(), DvOk);
    EXPECT_EQ(Written(path, kMarker), (std::vector<uint32_t>{0, 0}));
    EXPECT_EQ(waits.pauses, std::vector<uint32_t>{100});
}

TEST_F(Polls, CrossMarkerThatStaysFailsAfterThreeWrites) {
    path.Set(kMarker);
    path.valueSequence[kMarker] = {0x7F, 0x7F, 0x7F, 0};
    path.results[{"WriteValue", kMarker}] = {DvOk, DvOk, DvOk};
    EXPECT_EQ(path.HideCenterCrossMarker(), DvErrFailed);
    EXPECT_EQ(Written(path, kMarker).size(), 3u);
    EXPECT_EQ(waits.pauses.size(), 3u);

    // A read that fails does not count as off.
    path.calls.clear();
    path.results[{"ReadValue", kMarker}] = {DvErrFailed, DvErrFailed, DvErrFailed};
    path.valueSequence[kMarker] = {0, 0, 0};
    EXPECT_EQ(path.HideCenterCrossMarker(), DvErrFailed);
}

TEST_F(Polls, ColorDisableRefreshesOnlyWhenColourGoesOff) {
    path.Set(kColorDisable).value = 0;
    path.Set(kToneCurve);
    uint32_t previous = 9;
    EXPECT_EQ(path.SetColorDisable(1, &previous, 250), DvOk);
    EXPECT_EQ(previous, 0u);
    EXPECT_EQ(Written(path, kColorDisable), std::vector<uint32_t>{1});
    EXPECT_EQ(Written(path, kToneCurve), std::vector<uint32_t>{1});
    EXPECT_EQ(waits.pauses, std::vector<uint32_t>{250});

    path.calls.clear();
    WaitRecorder::pauses.clear();
    EXPECT_EQ(path.SetColorDisable(1, &previous, 250), DvOk) << "already off";
    EXPECT_EQ(previous, 1u);
    EXPECT_TRUE(Written(path, kToneCurve).empty());
    EXPECT_TRUE(waits.pauses.empty());

    path.features[kColorDisable].value = 0;
    EXPECT_EQ(path.SetColorDisable(1, nullptr, 0), DvOk) << "no wait asked";
    EXPECT_TRUE(Written(path, kToneCurve).empty());

    path.results[{"ReadValue", kColorDisable}] = {DvErrFailed};
    previous = 9;
    EXPECT_EQ(path.SetColorDisable(0, &previous, 0), DvOk);
    EXPECT_EQ(previous, 9u) << "an unread state is not reported";
}

TEST_F(Polls, CandelaUpdateRecordsAndRestores) {
    path.Set(kColorDisable).value = 0;
    path.Set(kLut).value = 1;
    path.Set(kToneCurve);
    DvColorDisableState* state = nullptr;
    EXPECT_EQ(path.DisableColorForCandelaUpdate(&state, 40), DvOk);
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->colourWasDisabled, 0u);
    EXPECT_EQ(state->lutWasOn, 1u);
    EXPECT_EQ(Written(path, kColorDisable), std::vector<uint32_t>{1});
    EXPECT_EQ(Written(path, kToneCurve), std::vector<uint32_t>{1});
    EXPECT_EQ(Written(path, kLut), std::vector<uint32_t>{0});
    EXPECT_EQ(waits.pauses, std::vector<uint32_t>{40});

    path.calls.clear();
    EXPECT_EQ(path.RestoreDisableColorForCandelaUpdate(*state), DvOk);
    EXPECT_EQ(Written(path, kLut), std::vector<uint32_t>{1});
    EXPECT_EQ(Written(path, kColorDisable), std::vector<uint32_t>{0});
    delete state;
}

TEST_F(Polls, CandelaUpdateOnAMonitorWithoutLutOrWithColourOff) {
    path.Set(kColorDisable).value = 1;
    DvColorDisableState* state = nullptr;
    EXPECT_EQ(path.DisableColorForCandelaUpdate(&state, 40), DvOk);
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->colourWasDisabled, 1u);
    EXPECT_EQ(state->lutWasOn, 1u) << "an unknown LUT counts as on";
    EXPECT_TRUE(path.CallsOf("ReadValue", kLut).empty());
    EXPECT_TRUE(Written(path, kToneCurve).empty()) << "colour was already off: no settle wait";
    EXPECT_TRUE(waits.pauses.empty());
    path.calls.clear();
    EXPECT_EQ(path.RestoreDisableColorForCandelaUpdate(*state), DvOk) << "the LUT write's refusal is not weighed";
    EXPECT_EQ(Written(path, kColorDisable), std::vector<uint32_t>{1});
    delete state;
    EXPECT_EQ(path.DisableColorForCandelaUpdate(nullptr, 0), DvErrInvalidParameter);
}

}  // namespace
