// The path rules of table operations on a monitor reached over two paths,
// and the fallbacks and channel tables that decide which codes are sent.
#include "features/table_fixture.hpp"
#include "libdvc/libdvc.h"

namespace dvc::test {
namespace {

class TwoPaths : public TableTest {
protected:
    void SetUp() override { Attach(true); }
};

// GetLuminanceWarning: first-answer rule, value read of 0xFF010113.
constexpr uint32_t kWarning = 0xFF010113;

TEST_F(TwoPaths, FirstAnswerTakesTheSecondPathAfterATransportFailure) {
    first.At(kWarning);
    first.FailOn("ReadValue", kWarning, DvErrFailed);
    second.At(kWarning).value = 3;
    int value = 0;
    EXPECT_EQ(DvCtrlGetLuminanceWarning(kSerial, kModel, &value), DvOk);
    EXPECT_EQ(value, 3);
}

TEST_F(TwoPaths, FirstAnswerStopsAtARefusal) {
    first.At(kWarning).value = 9;
    first.RefuseOn("ReadValue", kWarning);
    second.At(kWarning).value = 3;
    int value = 0;
    EXPECT_EQ(DvCtrlGetLuminanceWarning(kSerial, kModel, &value), DvErrRefused);
    EXPECT_EQ(value, 9);
    EXPECT_TRUE(second.Calls().empty()) << "the second path is not asked";
}

TEST_F(TwoPaths, WhenEveryPathFailsTheLastPathsCodeIsReturned) {
    first.At(kWarning);
    first.FailOn("ReadValue", kWarning, DvErrTimeout);
    second.At(kWarning);
    second.FailOn("ReadValue", kWarning, DvErrInvalidParameter);
    int value = 0;
    EXPECT_EQ(DvCtrlGetLuminanceWarning(kSerial, kModel, &value), DvErrInvalidParameter);
}

// GetPower: first-success rule through the switch primitive on 0x4A.
TEST_F(TwoPaths, FirstSuccessGoesOnAfterARefusal) {
    first.At(0x4A).value = 0;
    first.RefuseOn("ReadSwitch", 0x4A);
    second.At(0x4A).value = 1;
    int on = -1;
    EXPECT_EQ(DvCtrlGetPower(kSerial, kModel, &on), DvOk);
    EXPECT_EQ(on, 1);
    EXPECT_EQ(second.Trace(), std::vector<std::string>{At("ReadSwitch", 0x4A)});
}

TEST_F(TwoPaths, FirstSuccessTakesTheSecondPathAfterATransportFailure) {
    first.At(0x4A);
    first.FailOn("WriteSwitch", 0x4A, DvErrFailed);
    second.At(0x4A);
    EXPECT_EQ(DvCtrlSetPower(kSerial, kModel, 1), DvOk);
    EXPECT_EQ(second.At(0x4A).value, 1u);
}

TEST_F(TwoPaths, AnyPathAnswersYesWhenTheSecondPathHasTheFeature) {
    second.At(kWarning);
    EXPECT_NE(DvCtrlSupportedLuminanceWarning(kSerial, kModel), 0);
    first.At(kWarning);
    second.ClearCalls();
    EXPECT_NE(DvCtrlSupportedLuminanceWarning(kSerial, kModel), 0);
    EXPECT_TRUE(second.Calls().empty()) << "the first yes ends the search";
}

// An out-flag Supported export weighs the first answer, even a "no".
TEST_F(TwoPaths, OutFlagSupportStopsAtTheFirstAnswer) {
    second.At(0x6F);
    EXPECT_EQ(DvCtrlSupportedAllKeyLock(kSerial, kModel), 0);
    EXPECT_TRUE(second.Calls().empty());
    first.At(0x6F);
    first.FailOn("QueryKeyLock", 0x6F, DvErrFailed);
    EXPECT_EQ(DvCtrlSupportedAllKeyLock(kSerial, kModel), 1) << "a failure goes on to the second path";
}

// GetRangeGain: the first path alone, once for each of the three channels.
TEST_F(TwoPaths, FirstPathOnlyFailsWhenTheFirstPathLacksAChannel) {
    for (uint32_t code : {0x8Au, 0x8Bu, 0x8Cu}) {
        first.At(code).maximum = 255;
        second.At(code).maximum = 255;
    }
    first.At(0x8B).supported = false;
    int maximum = 0;
    int minimum = 0;
    EXPECT_EQ(DvCtrlGetRangeGain(kSerial, kModel, &maximum, &minimum), DvErrFailed);
    EXPECT_EQ(DvCtrlSupportedGain(kSerial, kModel), 0);
    EXPECT_TRUE(second.Calls().empty()) << "the second path is never asked";
    first.At(0x8B).supported = true;
    EXPECT_EQ(DvCtrlGetRangeGain(kSerial, kModel, &maximum, &minimum), DvOk);
    EXPECT_EQ(maximum, 255);
    EXPECT_EQ(DvCtrlSupportedGain(kSerial, kModel), 1);
}

TEST_F(TwoPaths, FirstPathOnlyFailsOnAFirstPathFailureEvenWhenTheSecondWouldAnswer) {
    for (uint32_t code : {0x44u, 0x45u, 0x46u}) second.At(code).maximum = 8000;
    first.At(0x44);
    first.FailOn("QueryChromaticityRange", 0x44, DvErrFailed);
    double maximum = 0;
    double minimum = 0;
    EXPECT_EQ(DvCtrlGetRangeChromaticity(kSerial, kModel, &maximum, &minimum), DvErrFailed);
    EXPECT_EQ(DvCtrlSupportedChromaticity(kSerial, kModel), 0);
}

// FixColorBanding goes to every path until one answers other than 0.
TEST_F(TwoPaths, CommandForEveryPathReachesBothPathsAndStopsAtAFailure) {
    first.At(0xFF010049);
    second.At(0xFF010049);
    EXPECT_EQ(DvCtrlFixColorBanding(kSerial, kModel), DvOk);
    EXPECT_EQ(first.Trace().size(), 1u);
    EXPECT_EQ(second.Trace().size(), 1u);
    first.ClearCalls();
    second.ClearCalls();
    first.FailOn("WriteValue", 0xFF010049, DvErrTimeout);
    EXPECT_EQ(DvCtrlFixColorBanding(kSerial, kModel), DvErrTimeout);
    EXPECT_TRUE(second.Calls().empty());
}

TEST_F(TwoPaths, OlderRangeFoldsEveryFailureIntoFailedAndAbsenceIntoNotSupported) {
    int maximum = 0;
    int minimum = 0;
    first.At(0x3C);
    first.FailOn("QueryClockRange", 0x3C, DvErrTimeout);
    second.At(0x3C);
    second.FailOn("QueryClockRange", 0x3C, DvErrRefused);
    EXPECT_EQ(DvCtrlGetRangeClock(kSerial, kModel, &maximum, &minimum), DvErrFailed);
    second.ClearFaults();
    second.At(0x3C).supported = false;
    EXPECT_EQ(DvCtrlGetRangeClock(kSerial, kModel, &maximum, &minimum), DvErrNotSupported);
}

class OnePath : public TableTest {};

// SupportedGamma: the gamma code 0x70 first, 0x24 after a "not there".
TEST_F(OnePath, GammaSupportFallsBackFrom0x70To0x24OnlyWhenAbsent) {
    first.At(0x70);
    first.FailOn("QueryGamma", 0x70, DvErrNotSupported);
    first.At(0x24);
    EXPECT_EQ(DvCtrlSupportedGamma(kSerial, kModel), 1);
    EXPECT_EQ(first.Trace(), (std::vector<std::string>{At("QueryGamma", 0x70), At("QueryGamma", 0x24)}));
    first.ClearCalls();
    first.FailOn("QueryGamma", 0x70, DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlSupportedGamma(kSerial, kModel), 0);
    EXPECT_EQ(first.Trace(), std::vector<std::string>{At("QueryGamma", 0x70)});
}

// GetPowerLED: 0xFF0000D3 first, the older settings word 0x1 after it.
TEST_F(OnePath, ValueFallbackTakesTheSecondCodeOnlyAfterFailedOrNotSupported) {
    first.At(0x1).value = 2;
    int value = 0;
    first.At(0xFF0000D3);
    first.FailOn("ReadValue", 0xFF0000D3, DvErrFailed);
    EXPECT_EQ(DvCtrlGetPowerLED(kSerial, kModel, &value), DvOk);
    EXPECT_EQ(value, 2);
    first.FailOn("ReadValue", 0xFF0000D3, DvErrRefused);
    value = 0;
    EXPECT_EQ(DvCtrlGetPowerLED(kSerial, kModel, &value), DvErrRefused);
    EXPECT_EQ(value, 0) << "a refusal with no data is the answer; code 0x1 is not read";
}

// Value blocks take their length from the monitor.
TEST_F(OnePath, CheckedLengthRefusesEmptyShortAndAbsurdBlocks) {
    constexpr uint32_t kStatus = 0xBD;  // optimizer status: byte 1
    int value = 0;
    first.At(kStatus).data = {1};
    EXPECT_EQ(DvCtrlGetThriftluxOptimizerStatus(kSerial, kModel, &value), DvErrNotSupported);
    first.At(kStatus).length = 0x10001;
    EXPECT_EQ(DvCtrlGetThriftluxOptimizerStatus(kSerial, kModel, &value), DvErrWrongLength);
    for (const auto& call : first.Calls()) EXPECT_NE(call.op, "ReadData") << "nothing read";
    first.At(kStatus).length.reset();
    first.At(kStatus).data = {1, 5};
    first.RefuseOn("ReadFixedData", kStatus);
    EXPECT_EQ(DvCtrlGetThriftluxOptimizerStatus(kSerial, kModel, &value), DvOk)
        << "a refused length query still gives the length";
    EXPECT_EQ(value, 5);
}

TEST_F(OnePath, FieldWriteKeepsTheRestOfTheBlockAfterARefusedRead) {
    constexpr uint32_t kTarget = 0xFF010100;
    first.At(kTarget).data = {1, 2, 3, 4};
    first.RefuseOn("ReadData", kTarget);
    EXPECT_EQ(DvCtrlSetTargetSelectionInputPort(kSerial, kModel, 0x0301), DvOk);
    EXPECT_EQ(first.At(kTarget).data, (std::vector<uint8_t>{1, 2, 0x01, 0x03}));
    EXPECT_EQ(DvCtrlSetTargetSelectionInputPort(kSerial, kModel, 0x10000), DvErrInvalidParameter);
}

TEST_F(OnePath, ARefusedBlockReadStillDeliversItsBytes) {
    first.At(0xFF020048).data = {4, 5};
    first.RefuseOn("ReadData", 0xFF020048);
    uint8_t buffer[2] = {};
    int size = 2;
    EXPECT_EQ(DvCtrlGetGammaTCParameter(kSerial, kModel, buffer, &size), DvErrRefused);
    EXPECT_EQ(buffer[1], 5);
}

TEST_F(OnePath, AFailedBlockReadLeavesTheCallersBufferAlone) {
    first.At(0xFF020055).data = {1, 2, 3, 4, 5, 6, 7, 8};
    first.FailOn("ReadData", 0xFF020055, DvErrFailed);
    uint8_t buffer[8] = {9, 9, 9, 9, 9, 9, 9, 9};
    EXPECT_EQ(DvCtrlGetFactoryPanelLuminance(kSerial, kModel, buffer), DvErrFailed);
    EXPECT_EQ(buffer[0], 9);
}

}  // namespace
}  // namespace dvc::test
