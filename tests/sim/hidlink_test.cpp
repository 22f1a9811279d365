// hidlink's C ABI against the default world, and what the two links of one
// virtual monitor share.
#include <ddclink/ddclink.h>
#include <hidlink/hidlink.h>
#include <proptag/proptag.h>

#include <array>
#include <map>
#include <string>

#include "sim_fixture.hpp"

namespace {

using namespace dvc::test;

class HidLink : public WorldTest {
protected:
    void SetUp() override {
        Activate();
        ASSERT_EQ(DvHIDFind(), 3);
        for (uint32_t i = 0; i < 3; ++i) {
            uint32_t h = 0;
            ASSERT_EQ(DvHIDRetrieve(i, &h), 0);
            handles[Serial(h)] = h;
        }
    }
    void TearDown() override {
        DvHIDRelease();
        DvDDCCIRelease();
        WorldTest::TearDown();
    }
    static std::string Block(uint32_t h, uint32_t code) {
        uint32_t length = 0;
        int32_t flag = 0;
        EXPECT_EQ(DvHIDGetFixedData(h, code, nullptr, nullptr, &flag, &length), 0);
        EXPECT_EQ(flag, 1);
        std::string b(length, '?');
        EXPECT_EQ(DvHIDGetData(h, code, b.data(), length), 0);
        return b;
    }
    static std::string Serial(uint32_t h) { return Block(h, 0x11).substr(0, 8); }
    std::map<std::string, uint32_t> handles;
};

TEST_F(HidLink, DiscoveryHandsOutDistinctNonZeroHandles) {
    ASSERT_EQ(handles.size(), 3u);
    for (const char* s : {kCX, kCG, kMX}) {
        ASSERT_TRUE(handles.count(s)) << s;
        EXPECT_NE(handles[s], 0u);
    }
    uint32_t h = 77;
    EXPECT_LT(DvHIDRetrieve(3, &h), 0);
    EXPECT_EQ(h, 77u);
    EXPECT_LT(DvHIDRetrieve(0, nullptr), 0);
    EXPECT_EQ(Block(handles[kCX], 0x11), std::string("21409001CX2740\0\0\0\0\0\0\0\0", 22));
    EXPECT_EQ(Block(handles[kMX], 0x11), "22050012MX2420 ");
}

TEST_F(HidLink, UnknownCodesAndHandlesAnswerWithoutSupport) {
    int32_t flag = 5, max = 9;
    EXPECT_EQ(DvHIDGetFixedData(handles[kCX], 0xFFFF0001, &max, nullptr, &flag, nullptr), DvErrNotSupported);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(max, 9);
    uint32_t v = 0;
    EXPECT_EQ(DvHIDGetValue(0, 0x88, &v), DvErrFailed);
    EXPECT_EQ(DvHIDGetValue(0xDEAD, 0x88, &v), DvErrFailed);
    EXPECT_EQ(DvHIDSetValue(handles[kCX], 0xB8, 1, 0), DvErrNotSupported);  // the mutex lives on DDC/CI
}

TEST_F(HidLink, BothLinksOfOneMonitorShareItsState) {
    ASSERT_EQ(DvDDCCISetCommunicationType(0), 0);
    ASSERT_EQ(DvDDCCIFind(), 4);
    const uint32_t cx = handles[kCX];
    ASSERT_EQ(DvHIDSetValue(cx, 0x88, 42, 0), 0);
    uint32_t v = 0;
    ASSERT_EQ(DvDDCCIGetValue(0, 0x88, &v), 0);  // index 0 is the CX2740
    EXPECT_EQ(v, 42u);
    uint32_t port = 0x0A00;
    ASSERT_EQ(DvDDCCISetValue(0, 0x71, &port), 0);
    uint8_t field[2] = {};
    ASSERT_EQ(DvHIDGetData(cx, 0x71, field, 2), 0);  // HID sees the port as a 16-bit field
    EXPECT_EQ(field[0] | field[1] << 8, 0x0A00);
    const uint8_t dp[2] = {0x00, 0x03};
    ASSERT_EQ(DvHIDSetData(cx, 0x71, dp, 2, 0), 0);
    ASSERT_EQ(DvDDCCIGetValue(0, 0x71, &v), 0);
    EXPECT_EQ(v, 0x0300u);
}

TEST_F(HidLink, LutBlocksAreSelectedByValueOrByTwoByteDataWrite) {
    const uint32_t cx = handles[kCX], cg = handles[kCG], mx = handles[kMX];
    std::array<uint8_t, 128> block{};
    ASSERT_EQ(DvHIDSetValue(cx, 0x18, 0x85, 1), 0);
    ASSERT_EQ(DvHIDGetData(cx, 0x19, block.data(), 128), 0);
    EXPECT_EQ(block[0] | block[1] << 8, 64 * 257);  // second quarter of an identity table
    block.fill(0xA5);
    ASSERT_EQ(DvHIDSetData(cx, 0x19, block.data(), 128, 1), 0);
    ASSERT_EQ(DvHIDSetValue(cx, 0x18, 0x84, 1), 0);
    ASSERT_EQ(DvHIDGetData(cx, 0x19, block.data(), 128), 0);
    EXPECT_EQ(block[2], 1);  // entry 1 of the untouched block
    EXPECT_EQ(dvc::sim::GetStateData(kCX, 0x19, 0x85)->at(5), 0xA5);

    EXPECT_EQ(DvHIDSetValue(cg, 0x18, 0x84, 1), DvErrSizeMismatch);
    const uint8_t select[2] = {0x86, 0x00};
    ASSERT_EQ(DvHIDSetData(cg, 0x18, select, 2, 1), 0);
    ASSERT_EQ(DvHIDGetData(cg, 0x19, block.data(), 128), 0);
    EXPECT_EQ(block[0] | block[1] << 8, 128 * 257);

    int32_t flag = 1;
    EXPECT_EQ(DvHIDGetFixedData(mx, 0x18, nullptr, nullptr, &flag, nullptr), DvErrNotSupported);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(DvHIDSetValue(mx, 0x72, 0x300, 1), DvErrFailed);  // no such block
    EXPECT_EQ(DvHIDSetValue(mx, 0x72, 0x03, 1), 0);
    EXPECT_EQ(DvHIDGetData(mx, 0x73, block.data(), 64), 0);
    EXPECT_EQ(DvHIDGetData(mx, 0x73, block.data(), 129), DvErrSizeMismatch);
}

TEST_F(HidLink, EdidSitsOnTheModelsPageWithAValidChecksum) {
    auto read_page = [](uint32_t h, uint32_t page) {
        std::array<uint8_t, 256> e{};
        EXPECT_EQ(DvHIDSetValue(h, 0xB9, page, 0), 0);
        EXPECT_EQ(DvHIDGetData(h, 0xBA, e.data(), 256), 0);
        return e;
    };
    const std::array<uint8_t, 8> header{0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0};
    auto cx1 = read_page(handles[kCX], 1);
    EXPECT_TRUE(std::equal(header.begin(), header.end(), cx1.begin()));
    unsigned sum = 0;
    for (int i = 0; i < 128; ++i) sum += cx1[static_cast<std::size_t>(i)];
    EXPECT_EQ(sum % 256, 0u);
    EXPECT_EQ(cx1[27], 0xA3);  // red x 0.64 in the 10-bit form
    auto cx0 = read_page(handles[kCX], 0);
    EXPECT_FALSE(std::equal(header.begin(), header.end(), cx0.begin()));
    auto cg0 = read_page(handles[kCG], 0);
    EXPECT_TRUE(std::equal(header.begin(), header.end(), cg0.begin()));
    EXPECT_EQ(DvHIDSetValue(handles[kCX], 0xB9, 6, 0), DvErrRefused);
}

TEST_F(HidLink, TagAndFlavorBlocksParseWithProptag) {
    for (const char* s : {kCX, kCG, kMX}) {
        std::string tags = Block(handles[s], 0x50);
        uint32_t length = static_cast<uint32_t>(tags.size());
        ASSERT_GE(DvpTagParse(tags.data(), &length), 0) << s;
        uint16_t id = 0x51, size = 0;
        EXPECT_GE(DvpGetTagDataSize(&id, &size), 0) << s;
        DvpReleaseTagData();
        std::string flavors = Block(handles[s], 0xFF0000F1);
        length = static_cast<uint32_t>(flavors.size());
        ASSERT_GE(DvpTagParse(flavors.data(), &length), 0) << s;
        uint16_t first = 1;
        uint8_t modes = 0;
        uint16_t n = 1;
        EXPECT_GE(DvpGetTagData(&first, &modes, &n), 0);
        EXPECT_NE(modes, 0);
        DvpReleaseTagData();
    }
}

TEST_F(HidLink, UncheckedDataWriteAnswersSuccessEvenWhenRefused) {
    const uint32_t cx = handles[kCX];
    const uint8_t usb[2] = {1, 0};
    EXPECT_EQ(DvHIDSetDataNoCheckResult(cx, 0xFF010073, usb, 2, 0), 0);
    EXPECT_EQ(dvc::sim::GetStateData(kCX, 0xFF010073)->at(0), 1);
    const uint8_t fw[8] = {};
    EXPECT_EQ(DvHIDSetData(cx, 0x51, fw, 8, 0), DvErrRefused);
    EXPECT_EQ(DvHIDSetDataNoCheckResult(cx, 0x51, fw, 8, 0), 0);
    EXPECT_EQ(dvc::sim::GetStateData(kCX, 0x51)->at(0), '0');
}

TEST_F(HidLink, UsageTimeTravelsAsValueOnDdcAndAsBlockOnHid) {
    uint8_t b[4] = {};
    ASSERT_EQ(DvHIDGetData(handles[kCX], 0x13, b, 4), 0);
    EXPECT_EQ(b[0] | b[1] << 8, 8112);
    EXPECT_EQ(b[2], 17);
}

TEST_F(HidLink, DeviceLockIsReentrantForItsHolder) {
    const uint32_t cx = handles[kCX];
    EXPECT_EQ(DvHIDSupportsCriticalSection(cx), 1);
    EXPECT_EQ(DvHIDExitCriticalSection(cx), DvErrFailed);
    EXPECT_EQ(DvHIDEnterCriticalSection(cx), 0);
    EXPECT_EQ(DvHIDEnterCriticalSection(cx), 0);
    EXPECT_EQ(DvHIDExitCriticalSection(cx), 0);
    EXPECT_EQ(DvHIDExitCriticalSection(cx), 0);
    EXPECT_EQ(DvHIDExitCriticalSection(cx), DvErrFailed);
    EXPECT_EQ(DvHIDSupportsCriticalSection(0), 0);
}

TEST_F(HidLink, ReleaseInvalidatesHandlesUntilTheNextDiscovery) {
    const uint32_t cx = handles[kCX];
    uint32_t v = 0;
    EXPECT_EQ(DvHIDRelease(), 0);
    EXPECT_EQ(DvHIDGetValue(cx, 0x88, &v), DvErrFailed);
    EXPECT_EQ(DvHIDFind(), 3);
    EXPECT_EQ(DvHIDGetValue(cx, 0x88, &v), 0);  // a monitor keeps its handle within a world
}

}  // namespace
