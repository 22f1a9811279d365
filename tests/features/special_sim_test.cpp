// The exports with an encoding of their own, end to end: discovery through
// the real transports, against the built-in virtual monitors.
#include <gtest/gtest.h>

#include <dvcsim/dvcsim.hpp>

#include "libdvc/libdvc.h"
#include "paths/wait_recorder.hpp"
#include "support/registry_seam.hpp"

using dvc::test::WaitRecorder;

namespace {

constexpr const char* kCreative = "21409001"; // CX2740, HID and DDC/CI
constexpr const char* kOffice = "17200455";   // OF2210, DDC/CI only

std::vector<dvcsim::Transaction> Sent(uint32_t code, dvcsim::Op op) {
    std::vector<dvcsim::Transaction> found;
    for (const auto& t : dvcsim::Transactions()) {
        if (t.code == code && t.op == op) found.push_back(t);
    }
    return found;
}

class SpecialSim : public ::testing::Test {
protected:
    WaitRecorder waits;

    void SetUp() override {
        dvc::test::ResetLibrary();
        ASSERT_TRUE(dvcsim::ActivateWorld("default"));
        ASSERT_GT(DvCtrlFind(nullptr, 0), 0);
        dvcsim::ClearTransactions();
    }
    void TearDown() override {
        DvCtrlRelease();
        dvcsim::DeactivateWorld();
    }
};

TEST_F(SpecialSim, EdidDdcWritePollsUntilDone) {
    EXPECT_EQ(DvCtrlExecuteEDIDDDCWrite(kCreative, "CX2740"), DvOk);
    const auto writes = Sent(0xFF020037, dvcsim::Op::SetValue);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].value, 0xFFu);
    EXPECT_EQ(Sent(0xFF020037, dvcsim::Op::GetValue).size(), 3u);
    EXPECT_EQ(waits.pauses, (std::vector<uint32_t>{100, 100}));
}

TEST_F(SpecialSim, AutoAdjustWaitsForTheMonitor) {
    EXPECT_EQ(DvCtrlSetAutoAdjust(kOffice, "OF2210", 2, 1), DvOk);
    EXPECT_EQ(Sent(0x03, dvcsim::Op::SetValue).at(0).value, 4u);
    EXPECT_EQ(waits.pauses, (std::vector<uint32_t>{500, 500, 500, 500}));
    EXPECT_EQ(DvCtrlSetAutoAdjust(kOffice, "OF2210", 5, 1), DvErrNotSupported);
}

TEST_F(SpecialSim, KeyPushCountAndAssetTag) {
    int count = 0;
    EXPECT_EQ(DvCtrlGetKeyPushCount(kCreative, "CX2740", 0, &count), DvOk);
    EXPECT_EQ(count, 0x1234);
    EXPECT_EQ(Sent(0xFF01006F, dvcsim::Op::SetData).at(0).data, (std::vector<uint8_t>{0, 0, 0}));
    EXPECT_EQ(DvCtrlGetKeyPushCount(kCreative, "CX2740", 9, &count), DvErrFailed) << "a key the monitor lacks";

    EXPECT_EQ(DvCtrlGetAssetTagSize(kCreative, "CX2740"), 11);
    char text[6];
    EXPECT_EQ(DvCtrlGetAssetTag(kCreative, "CX2740", text, sizeof text), DvOk);
    EXPECT_STREQ(text, "ASSET");
    EXPECT_EQ(DvCtrlSetEnableAssetTag(kCreative, "CX2740", 0), DvOk);
    const auto block = dvcsim::GetStateData(kCreative, 0x12);
    ASSERT_TRUE(block.has_value());
    ASSERT_EQ(block->size(), 17u);
    EXPECT_EQ((*block)[0], 0);
    EXPECT_EQ((*block)[1], 'A') << "the text survives the rewrite";
}

TEST_F(SpecialSim, PrimariesFromChromaticityControlsOrNone) {
    colour red{}, green{}, blue{}, white{};
    EXPECT_EQ(DvCtrlGetRGBWChromaticities(kCreative, "CX2740", &red, &green, &blue, &white), DvOk);
    EXPECT_NEAR(red.x, 0.64, 1e-4);
    EXPECT_NEAR(white.y, 0.329, 1e-4);
    EXPECT_EQ(DvCtrlGetRGBWChromaticities(kOffice, "OF2210", &red, &green, &blue, &white), DvErrFailed)
        << "DDC/CI has neither the controls nor the EDID";
}

TEST_F(SpecialSim, UsbSelectionGoesOutUnchecked) {
    EXPECT_EQ(DvCtrlSetUSBSelection(kCreative, "CX2740", 1), DvOk);
    const auto writes = Sent(0xFF010073, dvcsim::Op::SetDataNoCheckResult);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].data, (std::vector<uint8_t>{1, 0}));
    EXPECT_EQ(DvCtrlSetUSBSelection(kOffice, "OF2210", 1), DvErrNotSupported);
}

}  // namespace
