// The hand-written input, signal, layout and USB operations through their
// exports.
#include "features/handwritten.hpp"
#include "libdvc/libdvc.h"
#include "paths/feature_codes.hpp"
#include "support/wait_recorder.hpp"

namespace dvc::test {
namespace {

using namespace dvc::codes;

class ModesInputs : public SimWorld {
protected:
    WaitRecorder waits;
};

TEST_F(ModesInputs, BadArgumentsAreRefusedFirst) {
    Discover();
    const char* s = kGrading.serial;
    const char* m = kGrading.model;
    DvIISArea area{};
    DvOutputSegmentProperty property{};
    ExpectRefusedFirst({
        {"a negative area", [&] { return DvCtrlGetIISArea(s, m, -1, &area); }},
        {"no area record", [&] { return DvCtrlGetIISArea(s, m, 0, nullptr); }},
        {"a negative segment", [&] { return DvCtrlGetOutputSegmentProperty(s, m, -1, &property); }},
        {"no segment record", [&] { return DvCtrlGetOutputSegmentPropertyConstant(s, m, 0, nullptr); }},
        {"a port beyond a byte", [&] { return DvCtrlSetUSBSelection(s, m, 256); }},
        {"a negative port", [&] { return DvCtrlSetUSBSelection(s, m, -1); }},
        {"no signal record", [&] { return DvCtrlGetSignalInfoFrame(s, m, nullptr); }},
    });
}

TEST_F(ModesInputs, PolledJobsAndSelectedRecordsEndToEnd) {
    Discover();
    EXPECT_EQ(DvCtrlExecuteEDIDDDCWrite(kGrading.serial, kGrading.model), DvOk);
    EXPECT_FALSE(waits.pauses.empty()) << "polled until done";
    EXPECT_EQ(DvCtrlSetAutoAdjust(kOffice.serial, kOffice.model, 2, 1), DvOk);
    EXPECT_EQ(DvCtrlSetAutoAdjust(kOffice.serial, kOffice.model, 5, 0), DvErrNotSupported);

    DvIISArea area{};
    EXPECT_EQ(DvCtrlGetIISArea(kGrading.serial, kGrading.model, 1, &area), DvOk);
    EXPECT_EQ(DvCtrlGetIISArea(kGrading.serial, kGrading.model, 4, &area), DvErrInvalidParameter) << "4 areas";
    DvOutputSegmentProperty property{};
    EXPECT_EQ(DvCtrlGetOutputSegmentProperty(kGrading.serial, kGrading.model, 0, &property), DvOk);
    EXPECT_EQ(Log(dvc::sim::Op::GetData).back().code, kOutputSegmentProperty);
    EXPECT_EQ(DvCtrlGetOutputSegmentPropertyConstant(kGrading.serial, kGrading.model, 0, &property), DvOk);
    EXPECT_EQ(Log(dvc::sim::Op::GetData).back().code, kOutputSegmentConstant);

    EXPECT_EQ(DvCtrlSetUSBSelection(kDual.serial, kDual.model, 1), DvOk);
    EXPECT_EQ(Log(dvc::sim::Op::SetDataNoCheckResult).size(), 1u) << "sent without waiting for the answer";
    EXPECT_EQ(DvCtrlClearTargetSelection(kDual.serial, kDual.model), DvOk);
}

// The signal description as each model's input gives it.
TEST_F(ModesInputs, SignalDescriptionsDecodeAsTheirInputsSay) {
    Discover();
    const struct {
        WorldMonitor monitor;
        DvSignalInfoFrame expected;
    } cases[] = {
        {kDual, {30, 0, 8, 0, 0, -1}},     // DisplayPort RGB, SDR
        {kGrading, {41, 1, 10, 1, 7, 3}},  // HDMI YCbCr 4:2:2 BT.2020, HLG
        {kMedical, {31, 0, 10, 0, 0, -1}},
    };
    for (const auto& c : cases) {
        DvSignalInfoFrame info{};
        ASSERT_EQ(DvCtrlGetSignalInfoFrame(c.monitor.serial, c.monitor.model, &info), DvOk) << c.monitor.model;
        EXPECT_EQ(std::vector<int>({info.portType, info.quantizationRange, info.bitDepth, info.colorFormat,
                                    info.colorimetry, info.transferFunction}),
                  std::vector<int>({c.expected.portType, c.expected.quantizationRange, c.expected.bitDepth,
                                    c.expected.colorFormat, c.expected.colorimetry, c.expected.transferFunction}))
            << c.monitor.model;
    }
    DvSignalInfoFrame info{};
    EXPECT_EQ(DvCtrlGetSignalInfoFrame(kOffice.serial, kOffice.model, &info), DvErrNotSupported);
}

}  // namespace
}  // namespace dvc::test
