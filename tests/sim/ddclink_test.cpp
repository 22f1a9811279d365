// ddclink's C ABI against the default world's virtual monitors.
#include <ddclink/ddclink.h>

#include <cstring>
#include <string>

#include "sim_fixture.hpp"

namespace {

using namespace dvc::test;
using dvc::sim::Op;

class DdcLink : public WorldTest {
protected:
    void SetUp() override {
        Activate();
        ASSERT_EQ(DvDDCCISetCommunicationType(0), 0);
        ASSERT_EQ(DvDDCCIFind(), 4);
    }
    void TearDown() override {
        DvDDCCIRelease();
        WorldTest::TearDown();
    }
    static std::string Identification(uint32_t index) {
        uint32_t length = 0;
        EXPECT_EQ(DvDDCCIGetFixedData(index, 0x11, nullptr, nullptr, &length), 0);
        std::string block(length, '?');
        EXPECT_EQ(DvDDCCIGetData(index, 0x11, block.data(), length), 0);
        return block;
    }
};

TEST_F(DdcLink, EachCommunicationTypeListsTheMonitorsThatAnswerOnIt) {
    EXPECT_EQ(Identification(0).substr(0, 8), kCX);
    EXPECT_EQ(Identification(1).substr(0, 8), kOF1);
    EXPECT_EQ(Identification(2).substr(0, 8), kOF2);
    EXPECT_EQ(Identification(3).substr(0, 8), kCG);

    ASSERT_EQ(DvDDCCISetCommunicationType(1), 0);
    ASSERT_EQ(DvDDCCIFind(), 2);
    EXPECT_EQ(Identification(0).substr(0, 8), kCG);
    EXPECT_EQ(Identification(1).substr(0, 8), kMX);

    EXPECT_LT(DvDDCCISetCommunicationType(2), 0);
    EXPECT_LT(DvDDCCISetCommunicationType(-1), 0);
}

TEST_F(DdcLink, IdentificationBlockCarriesSerialModelAndThisLinksPadding) {
    EXPECT_EQ(Identification(0), std::string("21409001CX2740  \0\0", 18));
    EXPECT_EQ(Identification(1), "17200455OF2210          ");
    EXPECT_EQ(DvDDCCIIsSupported(0, 0x11), 1);
    char prefix[8] = {};
    EXPECT_EQ(DvDDCCIGetData(0, 0x11, prefix, 8), 0);  // a shorter read takes the front
    EXPECT_EQ(std::string(prefix, 8), kCX);
    char too_long[64];
    EXPECT_EQ(DvDDCCIGetData(0, 0x11, too_long, sizeof too_long), DvErrSizeMismatch);
    EXPECT_EQ(DvDDCCISetData(0, 0x11, "XXXXXXXX", 8), DvErrRefused);
}

TEST_F(DdcLink, FixedDataFillsOnlyTheOutPointersGiven) {
    int32_t max = -1, min = -1;
    uint32_t length = 99;
    EXPECT_EQ(DvDDCCIGetFixedData(0, 0x88, &max, nullptr, nullptr), 0);
    EXPECT_EQ(max, 100);
    EXPECT_EQ(DvDDCCIGetFixedData(0, 0x88, nullptr, &min, &length), 0);
    EXPECT_EQ(min, 0);
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(DvDDCCIGetFixedData(0, 0x88, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(DvDDCCIGetFixedData(1, 0xB5, &max, &min, nullptr), 0);
    EXPECT_EQ(max, 100);
    EXPECT_EQ(min, 0);
    EXPECT_EQ(DvDDCCIGetValue(0, 0x88, nullptr), 0);
}

TEST_F(DdcLink, ValuesAreWrittenReadBackAndCheckedAgainstTheirRange) {
    uint32_t v = 0;
    ASSERT_EQ(DvDDCCIGetValue(1, 0x88, &v), 0);
    EXPECT_EQ(v, 80u);
    uint32_t w = 33;
    EXPECT_EQ(DvDDCCISetValue(1, 0x88, &w), 0);
    EXPECT_EQ(DvDDCCIGetValue(1, 0x88, &v), 0);
    EXPECT_EQ(v, 33u);
    EXPECT_EQ(DvDDCCIGetValue(2, 0x88, &v), 0);  // the other OF2210 keeps its own state
    EXPECT_EQ(v, 80u);

    w = 101;  // beyond the maximum: refused, nothing changes
    EXPECT_EQ(DvDDCCISetValue(1, 0x88, &w), DvErrRefused);
    EXPECT_EQ(dvc::sim::GetStateValue(kOF1, 0x88), 33u);
    w = 3;  // not one of the gamma codes the model has
    EXPECT_EQ(DvDDCCISetValue(1, 0x24, &w), DvErrRefused);
    w = 0;  // read-only
    EXPECT_EQ(DvDDCCISetValue(1, 0x13, &w), DvErrRefused);
    EXPECT_EQ(DvDDCCISetValue(1, 0x88, nullptr), DvErrInvalidParameter);
}

TEST_F(DdcLink, FeaturesAModelLacksAreNotSupported) {
    uint32_t v = 7;
    int32_t max = 5;
    char buf[4];
    EXPECT_EQ(DvDDCCIIsSupported(1, 0x70), 0);  // the office model has gamma on 0x24 only
    EXPECT_EQ(DvDDCCIIsSupported(1, 0x24), 1);
    EXPECT_EQ(DvDDCCIGetValue(1, 0x70, &v), DvErrNotSupported);
    EXPECT_EQ(v, 7u);
    EXPECT_EQ(DvDDCCISetValue(1, 0x70, &v), DvErrNotSupported);
    EXPECT_EQ(DvDDCCIGetFixedData(1, 0x70, &max, nullptr, nullptr), DvErrNotSupported);
    EXPECT_EQ(max, 5);
    EXPECT_EQ(DvDDCCIGetData(1, 0x50, buf, 4), DvErrNotSupported);
    EXPECT_EQ(DvDDCCIIsSupported(1, 0x50), 0);  // no property tags
    EXPECT_EQ(DvDDCCIIsSupported(0, 0x18), 0);  // LUT blocks travel over HID only
    EXPECT_EQ(DvDDCCIIsSupported(0, 0x50), 1);
}

TEST_F(DdcLink, IndicesBeyondTheListOrAfterReleaseFail) {
    uint32_t v = 0;
    EXPECT_EQ(DvDDCCIGetValue(4, 0x88, &v), DvErrFailed);
    EXPECT_EQ(DvDDCCIIsSupported(4, 0x88), 0);
    EXPECT_EQ(DvDDCCIRelease(), 0);
    EXPECT_EQ(DvDDCCIGetValue(0, 0x88, &v), DvErrFailed);
    EXPECT_EQ(DvDDCCIFind(), 4);
    EXPECT_EQ(DvDDCCIGetValue(0, 0x88, &v), 0);
}

TEST_F(DdcLink, DataBlocksKeepTheirLengthAndNullBuffersAreRejected) {
    uint8_t tag[17] = {};
    ASSERT_EQ(DvDDCCIGetData(0, 0x12, tag, 17), 0);
    EXPECT_EQ(tag[0], 1);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(tag + 1)), "ASSET-0001");
    tag[0] = 0;
    EXPECT_EQ(DvDDCCISetData(0, 0x12, tag, 16), DvErrSizeMismatch);
    EXPECT_EQ(DvDDCCISetData(0, 0x12, tag, 17), 0);
    EXPECT_EQ(dvc::sim::GetStateData(kCX, 0x12)->at(0), 0);
    EXPECT_EQ(DvDDCCIGetData(0, 0x12, nullptr, 17), DvErrInvalidParameter);
    EXPECT_EQ(DvDDCCISetData(0, 0x12, nullptr, 17), DvErrInvalidParameter);
    EXPECT_EQ(DvDDCCIGetData(0, 0x12, tag, 0xFFFFFFFFu), DvErrSizeMismatch);
}

TEST_F(DdcLink, PolledStateStepsThroughItsSequenceAfterTheTrigger) {
    uint32_t run = 4, v = 0;
    ASSERT_EQ(DvDDCCISetValue(1, 0x3, &run), 0);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(DvDDCCIGetValue(1, 0x3, &v), 0);
        EXPECT_EQ(v, 2u) << "read " << i;
    }
    EXPECT_EQ(DvDDCCIGetValue(1, 0x3, &v), 0);
    EXPECT_EQ(v, 6u);
    EXPECT_EQ(DvDDCCIGetValue(1, 0x3, &v), 0);
    EXPECT_EQ(v, 6u);
}

TEST_F(DdcLink, TransactionsAreLoggedWithTargetMonitorAndResult) {
    dvc::sim::ClearTransactions();
    uint32_t v = 55;
    DvDDCCISetValue(3, 0x88, &v);
    DvDDCCIGetValue(3, 0x88, &v);
    auto log = dvc::sim::Transactions();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].op, Op::SetValue);
    EXPECT_EQ(log[0].link, dvc::sim::Link::DDCCI);
    EXPECT_EQ(log[0].target, 3u);
    EXPECT_EQ(log[0].serial, kCG);
    EXPECT_EQ(log[0].code, 0x88u);
    EXPECT_EQ(log[0].value, 55u);
    EXPECT_EQ(log[1].op, Op::GetValue);
    EXPECT_EQ(log[1].value, 55u);
    EXPECT_EQ(log[1].result, 0);
    auto c = dvc::sim::Counters(dvc::sim::Link::DDCCI);
    EXPECT_GE(c.writes, 1u);
    EXPECT_GE(c.reads, 1u);
}

TEST_F(DdcLink, RequestReplyItemsAnswerForTheKeyLastAskedFor) {
    uint8_t reply[3] = {};
    EXPECT_EQ(DvDDCCIGetData(0, 0xFF01006F, reply, 3), 0);
    EXPECT_EQ(reply[0], 0xFF);  // nothing asked yet
    const uint8_t key0[3] = {0, 0, 0}, key3[3] = {3, 0, 0}, key9[3] = {9, 0, 0};
    ASSERT_EQ(DvDDCCISetData(0, 0xFF01006F, key0, 3), 0);
    ASSERT_EQ(DvDDCCIGetData(0, 0xFF01006F, reply, 3), 0);
    EXPECT_EQ(reply[1] | reply[2] << 8, 0x1234);
    ASSERT_EQ(DvDDCCISetData(0, 0xFF01006F, key3, 3), 0);
    ASSERT_EQ(DvDDCCIGetData(0, 0xFF01006F, reply, 3), 0);
    EXPECT_EQ(reply[1] | reply[2] << 8, 711);
    ASSERT_EQ(DvDDCCISetData(0, 0xFF01006F, key9, 3), 0);
    ASSERT_EQ(DvDDCCIGetData(0, 0xFF01006F, reply, 3), 0);
    EXPECT_EQ(reply[0], 0xFF);
    EXPECT_EQ(DvDDCCISetData(0, 0xFF01006F, key9, 2), DvErrSizeMismatch);
}

TEST_F(DdcLink, SlotSelectChoosesWhatTheDataCodeReadsAndWrites) {
    int32_t slots = 0;
    ASSERT_EQ(DvDDCCIGetFixedData(3, 0xFF0000F7, &slots, nullptr, nullptr), 0);  // the CG3180
    EXPECT_EQ(slots, 4);
    uint8_t area[12] = {};
    uint32_t index = 1;
    ASSERT_EQ(DvDDCCISetValue(3, 0xFF0000F7, &index), 0);
    ASSERT_EQ(DvDDCCIGetData(3, 0xFF0000F8, area, 12), 0);
    EXPECT_EQ(area[0], 1);
    EXPECT_EQ(area[8] | area[9] << 8, 1920);
    index = 2;
    ASSERT_EQ(DvDDCCISetValue(3, 0xFF0000F7, &index), 0);
    ASSERT_EQ(DvDDCCIGetData(3, 0xFF0000F8, area, 12), 0);
    EXPECT_EQ(area[0], 0);
    area[0] = 7;
    ASSERT_EQ(DvDDCCISetData(3, 0xFF0000F8, area, 12), 0);
    EXPECT_EQ(dvc::sim::GetStateData(kCG, 0xFF0000F8, 2)->at(0), 7);
    EXPECT_EQ(dvc::sim::GetStateData(kCG, 0xFF0000F8, 1)->at(0), 1);
    index = 4;
    EXPECT_EQ(DvDDCCISetValue(3, 0xFF0000F7, &index), DvErrRefused);
}

TEST_F(DdcLink, LinkTimeIsModelledPerCallEvenWithTheTimingModelOff) {
    dvc::sim::Timing t = dvc::sim::GetTiming();
    EXPECT_FALSE(t.enabled);
    dvc::sim::ResetCounters();
    uint32_t v = 0;
    DvDDCCIGetValue(0, 0x88, &v);
    DvDDCCISetValue(0, 0x88, &v);
    EXPECT_EQ(dvc::sim::Counters(dvc::sim::Link::DDCCI).link_time, t.ddcci_reply + t.ddcci_post_write);
    EXPECT_NE(dvc::sim::Summary().find("DDC/CI"), std::string::npos);
}

}  // namespace
