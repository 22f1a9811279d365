// The exports of operations with an encoding of their own, on monitors put
// into the registry with scripted paths: which paths they ask, which
// arguments they refuse before any traffic, and what a missing monitor gets.
#include <gtest/gtest.h>

#include "libdvc/libdvc.h"
#include "paths/fake_path.hpp"
#include "paths/wait_recorder.hpp"
#include "support/registry_seam.hpp"

using dvc::test::FakePath;
using dvc::test::WaitRecorder;

namespace {

constexpr const char* kSerial = "SER00001";
constexpr const char* kModel = "ModelA";

class SpecialExports : public ::testing::Test {
protected:
    WaitRecorder waits;
    FakePath first, second;

    void SetUp() override {
        dvc::test::SeedMonitors({{kSerial, kModel}});
        VarnMonitor* monitor = dvc::registry::Registry::Instance().Find(kSerial, kModel);
        ASSERT_NE(monitor, nullptr);
        monitor->AddPath(&first);
        monitor->AddPath(&second);
    }
    void TearDown() override { dvc::test::ResetLibrary(); }

    size_t Traffic() const { return first.calls.size() + second.calls.size(); }
};

TEST_F(SpecialExports, UnknownMonitorGetsTheFailureValue) {
    int count = 0;
    EXPECT_EQ(DvCtrlGetKeyPushCount("NOSUCH00", kModel, 1, &count), DvErrFailed);
    EXPECT_EQ(DvCtrlReset(kSerial, "Other", 1), DvErrFailed);
    EXPECT_EQ(DvCtrlExecuteEDIDDDCWrite(nullptr, kModel), DvErrFailed);
    EXPECT_EQ(DvCtrlGetAssetTagSize("NOSUCH00", kModel), 0);
    EXPECT_EQ(Traffic(), 0u);
}

TEST_F(SpecialExports, ArgumentsAreRefusedBeforeAnyTraffic) {
    int count = 0;
    char text[4];
    DvIISArea area{};
    DvOutputSegmentProperty property{};
    EXPECT_EQ(DvCtrlGetKeyPushCount(kSerial, kModel, 256, &count), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlGetKeyPushCount(kSerial, kModel, 1, nullptr), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlSetUSBSelection(kSerial, kModel, -1), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlGetIISArea(kSerial, kModel, -1, &area), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlGetIISArea(kSerial, kModel, 0, nullptr), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlGetOutputSegmentProperty(kSerial, kModel, -2, &property), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlGetOutputSegmentPropertyConstant(kSerial, kModel, 0, nullptr), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlGetSignalInfoFrame(kSerial, kModel, nullptr), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlGetAssetTag(kSerial, kModel, text, 0), DvErrSizeMismatch);
    EXPECT_EQ(DvCtrlGetAssetTag(kSerial, kModel, text, -4), DvErrSizeMismatch);
    EXPECT_EQ(DvCtrlGetAssetTag(kSerial, kModel, nullptr, 4), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlReset(kSerial, kModel, -1), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlSetColorDisable(kSerial, kModel, 1, nullptr, -5), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlDisableColorForCandelaUpdate(kSerial, kModel, nullptr, 0), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlRestoreDisableColorForCandelaUpdate(kSerial, kModel, nullptr), DvErrInvalidParameter);
    colour c{};
    EXPECT_EQ(DvCtrlGetRGBWChromaticities(kSerial, kModel, &c, &c, nullptr, &c), DvErrInvalidParameter);
    EXPECT_EQ(Traffic(), 0u);
}

TEST_F(SpecialExports, FirstAnswerStopsAtARefusal) {
    first.results[{"WriteValue", 0x75}] = {DvErrRefused};
    first.Set(0x75);
    second.Set(0x75);
    EXPECT_EQ(DvCtrlReset(kSerial, kModel, 2), DvErrRefused);
    EXPECT_TRUE(second.calls.empty());

    first.results[{"WriteValue", 0x3B}] = {static_cast<DvError>(0x80000012)};
    second.Set(0x3B);
    EXPECT_EQ(DvCtrlShowCenterCrossMarker(kSerial, kModel), DvOk) << "a transport failure moves on";
    EXPECT_EQ(second.CallsOf("WriteValue", 0x3B).size(), 1u);
}

TEST_F(SpecialExports, FirstSuccessGoesPastARefusal) {
    first.results[{"WriteResetValue", 0x75}] = {DvErrRefused};
    second.Set(0x75);
    EXPECT_EQ(DvCtrlEachReset(kSerial, kModel, 0x0C), DvOk);
    ASSERT_EQ(second.CallsOf("WriteResetValue", 0x75).size(), 1u);
    EXPECT_EQ(second.CallsOf("WriteResetValue", 0x75)[0].value, 0x0Cu);

    first.results[{"WriteSaveValue", 0x74}] = {DvErrRefused};
    second.results[{"WriteSaveValue", 0x74}] = {DvErrNotSupported};
    EXPECT_EQ(DvCtrlCurrentSave(kSerial, kModel, 1, 3), DvErrNotSupported) << "the last path's failure";
    EXPECT_EQ(DvCtrlCurrentSave(kSerial, kModel, 7, 3), DvErrFailed);
}

TEST_F(SpecialExports, PrimariesComeFromTheFirstPathThatHasThem) {
    first.edidResult = DvErrNotSupported; // a DDC/CI path: no chromaticity controls, no EDID
    second.edid.assign(256, 0);
    second.edid[27] = 0x80;
    colour red{}, green{}, blue{}, white{};
    EXPECT_EQ(DvCtrlGetRGBWChromaticities(kSerial, kModel, &red, &green, &blue, &white), DvOk);
    EXPECT_DOUBLE_EQ(red.x, 0.5);
    EXPECT_EQ(first.CallsOf("ReadEDID", 0).size(), 1u);
}

TEST_F(SpecialExports, ColourDisableRecordRoundTrip) {
    first.Set(0xFF010052).value = 0;
    first.Set(0xFF0100B0).value = 1;
    first.Set(0xFF020049);
    DvColorDisableState* state = nullptr;
    EXPECT_EQ(DvCtrlDisableColorForCandelaUpdate(kSerial, kModel, &state, 30), DvOk);
    ASSERT_NE(state, nullptr);
    EXPECT_TRUE(second.calls.empty());
    EXPECT_EQ(first.features[0xFF010052].value, 1u);
    EXPECT_EQ(first.features[0xFF0100B0].value, 0u);
    EXPECT_EQ(DvCtrlRestoreDisableColorForCandelaUpdate(kSerial, kModel, state), DvOk);
    EXPECT_EQ(first.features[0xFF010052].value, 0u);
    EXPECT_EQ(first.features[0xFF0100B0].value, 1u);

    // A record given back for a monitor that has gone is still freed (the
    // sanitizer run would report a leak otherwise).
    ASSERT_EQ(DvCtrlDisableColorForCandelaUpdate(kSerial, kModel, &state, 0), DvOk);
    EXPECT_EQ(DvCtrlRestoreDisableColorForCandelaUpdate("NOSUCH00", kModel, state), DvErrFailed);
}

TEST_F(SpecialExports, PreviousColourStateIsReported) {
    first.Set(0xFF010052).value = 1;
    int previous = -1;
    EXPECT_EQ(DvCtrlSetColorDisable(kSerial, kModel, 0, &previous, 0), DvOk);
    EXPECT_EQ(previous, 1);
    EXPECT_EQ(DvCtrlSetColorDisable(kSerial, kModel, 1, nullptr, 0), DvOk);
}

TEST_F(SpecialExports, AssetTagSizeIsTheFunctionResult) {
    std::vector<uint8_t> block(17, 0);
    block[1] = 'A';
    block[2] = 'B';
    first.Set(0x12).data = block;
    EXPECT_EQ(DvCtrlGetAssetTagSize(kSerial, kModel), 3);
    char text[8] = "xxxxxxx";
    EXPECT_EQ(DvCtrlGetAssetTag(kSerial, kModel, text, 8), DvOk);
    EXPECT_STREQ(text, "AB");
    first.results[{"ReadData", 0x12}] = {DvErrFailed};
    second.results[{"ReadData", 0x12}] = {DvErrFailed};
    EXPECT_EQ(DvCtrlGetAssetTagSize(kSerial, kModel), 0);
}

TEST_F(SpecialExports, KeyPushCountAndSignalDescriptionPassThrough) {
    first.Set(0xFF01006F);
    first.results[{"WriteData", 0xFF01006F}] = {DvErrRefused};
    first.features[0xFF01006F].data = {0, 0x34, 0x12};
    int count = 0;
    EXPECT_EQ(DvCtrlGetKeyPushCount(kSerial, kModel, 3, &count), DvOk);
    EXPECT_EQ(count, 0x1234);

    second.Set(0xFF01010A).length = 108;
    second.features[0xFF01010A].data.assign(108, 0);
    second.features[0xFF01010A].data[1] = 0x04;
    second.features[0xFF01010A].data[18] = 0x06;
    DvSignalInfoFrame info{};
    EXPECT_EQ(DvCtrlGetSignalInfoFrame(kSerial, kModel, &info), DvOk) << "the first path lacks the block";
    EXPECT_EQ(info.portType, 40);
    EXPECT_EQ(info.bitDepth, 12);
    EXPECT_EQ(info.transferFunction, -1);
}

TEST_F(SpecialExports, AutoAdjustWaitsThroughTheMonitorLock) {
    first.Set(0x03);
    first.valueSequence[0x03] = {1, 6};
    EXPECT_EQ(DvCtrlSetAutoAdjust(kSerial, kModel, 4, 1), DvOk);
    EXPECT_EQ(first.CallsOf("WriteValue", 0x03)[0].value, 7u);
    EXPECT_EQ(waits.pauses, (std::vector<uint32_t>{500, 500}));
    EXPECT_EQ(DvCtrlSetAutoAdjust(kSerial, kModel, 9, 1), DvErrNotSupported);
}

TEST(SpecialExportsNoPaths, MonitorWithoutPathsFails) {
    dvc::test::SeedMonitors({{kSerial, kModel}});
    EXPECT_EQ(DvCtrlClearTargetSelection(kSerial, kModel), DvErrFailed);
    EXPECT_EQ(DvCtrlEachReset(kSerial, kModel, 1), DvErrFailed);
    EXPECT_EQ(DvCtrlGetAssetTagSize(kSerial, kModel), 0);
    dvc::test::ResetLibrary();
}

}  // namespace
