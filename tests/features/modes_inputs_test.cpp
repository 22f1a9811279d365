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

    int segment = -1, mode = -1;
    EXPECT_EQ(DvCtrlEnumEnabledOutputSegmentID(kGrading.serial, kGrading.model, 1, &segment), DvOk);
    EXPECT_EQ(segment, 1);
    EXPECT_EQ(DvCtrlEnumEnabledOutputSegmentID(kGrading.serial, kGrading.model, 2, &segment), DvErrNoMoreItems);
    EXPECT_EQ(DvCtrlSetModeOfOutputSegment(kGrading.serial, kGrading.model, 1, 3), DvOk);
    EXPECT_EQ(DvCtrlGetModeOfOutputSegment(kGrading.serial, kGrading.model, 1, &mode), DvOk);
    EXPECT_EQ(mode, 3);
    EXPECT_EQ(DvCtrlGetModeOfOutputSegment(kGrading.serial, kGrading.model, 2, &mode), DvErrInvalidParameter)
        << "not an enabled segment";
    area.setting[0] = 2;
    EXPECT_EQ(DvCtrlSetIISArea(kGrading.serial, kGrading.model, 1, &area), DvOk);
    EXPECT_EQ(Writes().back().code, kIISArea);
    EXPECT_EQ(Writes().back().data.at(0), 2);
    property.kind = 3;
    EXPECT_EQ(DvCtrlSetOutputSegmentProperty(kGrading.serial, kGrading.model, 0, &property), DvErrInvalidParameter);

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

// The shown input as an index of the model's port list (CX2740: 0x300,
// 0x400, 0x401, 0xA00, 0xA01, 0xA10; OF2210: 0x100, 0x200), the ports per
// window as exported numbers, and the panel's resolution.
TEST_F(ModesInputs, SignalIndicesPortNumbersAndResolutions) {
    Discover();
    const char* cs = kDual.serial;
    const char* cm = kDual.model;
    int value = -1;
    EXPECT_EQ(DvCtrlGetSignal(cs, cm, &value), DvOk);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(DvCtrlGetSignalCount(cs, cm), 6);
    EXPECT_EQ(DvCtrlSetSignal(cs, cm, 3), DvOk);
    EXPECT_EQ(Writes().back().code, kSignal);
    EXPECT_EQ(Writes().back().data, std::vector<uint8_t>({0x00, 0x0A})) << "the fourth port's code, over HID";
    EXPECT_EQ(DvCtrlGetInputPort(cs, cm, &value), DvOk);
    EXPECT_EQ(value, 2560);
    EXPECT_EQ(DvCtrlSetInputPort(cs, cm, 40), DvOk);
    EXPECT_EQ(Writes().back().data, std::vector<uint8_t>({0x00, 0x04}));
    EXPECT_EQ(DvCtrlGetSignal(cs, cm, &value), DvOk);
    EXPECT_EQ(value, 1);
    dvc::sim::ClearTransactions();
    EXPECT_EQ(DvCtrlSetSignal(cs, cm, -1), DvErrRefused) << "code 0 is not one of the monitor's";
    ASSERT_EQ(Writes().size(), 2u) << "refused on one path, the next one is asked";
    EXPECT_EQ(Writes().front().data, std::vector<uint8_t>({0, 0}));
    EXPECT_EQ(Writes().back().value, 0u);

    const char* os = kOffice.serial;
    const char* om = kOffice.model;
    EXPECT_EQ(DvCtrlGetSignal(os, om, &value), DvOk);
    EXPECT_EQ(value, 1) << "DVI, the second port";
    EXPECT_EQ(DvCtrlGetSignalCount(os, om), 2);

    const struct {
        WorldMonitor monitor;
        int width, height;
    } panels[] = {{kDual, 2560, 1440}, {kOffice, 1920, 1080}, {kMedical, 1920, 1200}};
    for (const auto& p : panels) {
        int w = 0, h = 0;
        EXPECT_EQ(DvCtrlGetNativeResolution(p.monitor.serial, p.monitor.model, &w, &h), DvOk) << p.monitor.model;
        EXPECT_EQ(std::make_pair(w, h), std::make_pair(p.width, p.height)) << p.monitor.model;
    }
    int types[4] = {}, type = -1;
    EXPECT_EQ(DvCtrlGetSupportedSignalTypeSelections(kGrading.serial, kGrading.model, types, 4), DvOk);
    EXPECT_EQ(std::vector<int>(types, types + 4), std::vector<int>({0, 1, 2, 3}));
    EXPECT_EQ(DvCtrlSetSignalTypeSelection(kGrading.serial, kGrading.model, 2), DvOk);
    EXPECT_EQ(DvCtrlGetSignalTypeSelection(kGrading.serial, kGrading.model, &type), DvOk);
    EXPECT_EQ(type, 2);
    EXPECT_EQ(DvCtrlSetSignalTypeSelection(kGrading.serial, kGrading.model, 4), DvErrInvalidParameter);
    ExpectRefusedFirst({
        {"a port without a number", [&] { return DvCtrlSetInputPort(cs, cm, 12); }},
        {"no width", [&] { return DvCtrlGetNativeResolution(cs, cm, nullptr, &value); }},
        {"no ports", [&] { return DvCtrlGetInputPorts(cs, cm, nullptr, 2); }},
    });
}

}  // namespace
}  // namespace dvc::test
