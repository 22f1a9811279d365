// hidlink's C ABI against the default world, and what the two links of one
// virtual monitor share.
#include <proptag/proptag.h>

#include <map>
#include <numeric>
#include <set>
#include <tuple>

#include "sim_fixture.hpp"

namespace dvc::test {
namespace {

class HidLink : public WorldTest {
protected:
    void SetUp() override {
        Open();
        for (const char* s : {kCX, kCG, kMX}) ASSERT_NE((w[s] = Hid(s)).target, 0u) << s;
    }
    std::map<std::string, Wire> w;
};

TEST_F(HidLink, DiscoveryHandsOutDistinctHandlesThatLiveUntilRelease) {
    const uint32_t cx = w[kCX].target;
    EXPECT_EQ(std::set<uint32_t>({cx, w[kCG].target, w[kMX].target}).size(), 3u);
    uint32_t handle = 77, v = 0;
    EXPECT_EQ(DvHIDRetrieve(3, &handle), DvErrInvalidParameter);
    EXPECT_EQ(handle, 77u);
    EXPECT_EQ(DvHIDRetrieve(0, nullptr), DvErrInvalidParameter);
    const Bytes id = w[kCX].Read(0x11, 22);
    EXPECT_EQ(std::string(id.begin(), id.end()), std::string("21409001CX2740\0\0\0\0\0\0\0\0", 22)) << "HID padding";
    int32_t flag = 5, max = 9;
    EXPECT_EQ(DvHIDGetFixedData(cx, 0xFFFF0001, &max, nullptr, &flag, nullptr), DvErrNotSupported);
    EXPECT_EQ(std::tie(flag, max), std::make_tuple(0, 9)) << "the flag is cleared, the maximum left alone";
    EXPECT_EQ(DvHIDSetValue(cx, 0xB8, 1, 0), DvErrNotSupported) << "the mutex lives on DDC/CI";

    for (uint32_t unknown : {0u, 0xDEADu}) EXPECT_EQ(DvHIDGetValue(unknown, 0x88, &v), DvErrFailed);
    EXPECT_EQ(DvHIDRelease(), 0);
    EXPECT_EQ(DvHIDGetValue(cx, 0x88, &v), DvErrFailed);
    EXPECT_EQ(DvHIDFind(), 3);
    EXPECT_EQ(DvHIDGetValue(cx, 0x88, &v), 0) << "a monitor keeps its handle within a world";
}

TEST_F(HidLink, BothLinksOfOneMonitorShareItsState) {
    const Wire hid = w[kCX], ddc = Ddc(0);
    ASSERT_EQ(hid.SetValue(0x88, 42), 0);
    EXPECT_EQ(ddc.Value(0x88), 42u);
    ASSERT_EQ(ddc.SetValue(0x71, 0x0A00), 0);
    EXPECT_EQ(hid.Read(0x71, 2), (Bytes{0x00, 0x0A})) << "HID sees the port as a 16-bit field";
    ASSERT_EQ(hid.Write(0x71, {0x00, 0x03}), 0);
    EXPECT_EQ(ddc.Value(0x71), 0x0300u);
    const Bytes usage = hid.Read(0x13, 4);
    EXPECT_EQ(Bytes(usage.begin(), usage.begin() + 3), (Bytes{0xB0, 0x1F, 17})) << "usage time: hours 8112, minutes";
}

TEST_F(HidLink, LutBlocksAreSelectedByValueOrByTwoByteDataWrite) {
    const auto first = [](const Bytes& b) { return b[0] | b[1] << 8; };
    ASSERT_EQ(DvHIDSetValue(w[kCX].target, 0x18, 0x85, 1), 0);
    EXPECT_EQ(first(w[kCX].Read(0x19, 128)), 64 * 257) << "second quarter of an identity table";
    ASSERT_EQ(DvHIDSetData(w[kCX].target, 0x19, Bytes(128, 0xA5).data(), 128, 1), 0);
    ASSERT_EQ(DvHIDSetValue(w[kCX].target, 0x18, 0x84, 1), 0);
    EXPECT_EQ(w[kCX].Read(0x19, 128)[2], 1) << "entry 1 of the untouched block";
    EXPECT_EQ(sim::GetStateData(kCX, 0x19, 0x85), Bytes(128, 0xA5));

    EXPECT_EQ(DvHIDSetValue(w[kCG].target, 0x18, 0x84, 1), DvErrSizeMismatch) << "this model selects by data only";
    ASSERT_EQ(w[kCG].Write(0x18, {0x86, 0x00}), 0);
    EXPECT_EQ(first(w[kCG].Read(0x19, 128)), 128 * 257);

    const Wire mx = w[kMX];  // the medical model uses 0x72/0x73
    Bytes block;
    EXPECT_FALSE(mx.Supported(0x18));
    EXPECT_EQ(mx.SetValue(0x72, 0x300), DvErrFailed) << "no such block";
    EXPECT_EQ(mx.SetValue(0x72, 0x03), 0);
    EXPECT_EQ(mx.Read(0x73, 129, block), DvErrSizeMismatch);
}

TEST_F(HidLink, EdidSitsOnTheModelsPageWithAValidChecksum) {
    const auto page = [&](const char* serial, uint32_t n) {
        EXPECT_EQ(w[serial].SetValue(0xB9, n), 0);
        const Bytes e = w[serial].Read(0xBA, 256);
        return std::make_pair(Bytes(e.begin(), e.begin() + 8) == Bytes{0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0}, e);
    };
    const auto [found, cx1] = page(kCX, 1);
    EXPECT_TRUE(found);
    EXPECT_EQ(std::accumulate(cx1.begin(), cx1.begin() + 128, 0u) % 256, 0u);
    EXPECT_EQ(cx1[27], 0xA3) << "red x 0.64 in the 10-bit form";
    EXPECT_FALSE(page(kCX, 0).first);
    EXPECT_TRUE(page(kCG, 0).first);
    EXPECT_EQ(w[kCX].SetValue(0xB9, 6), DvErrRefused);
}

TEST_F(HidLink, TagAndFlavorBlocksParseWithProptag) {
    for (const char* s : {kCX, kCG, kMX}) {
        for (const auto& [code, tag] : {std::pair<uint32_t, uint16_t>{0x50, 0x51}, {0xFF0000F1, 1}}) {
            const Bytes block = w[s].Read(code, w[s].Length(code));
            const auto length = static_cast<uint32_t>(block.size());
            uint16_t size = 0;
            ASSERT_EQ(DvpTagParse(block.data(), &length), 0) << s << " 0x" << std::hex << code;
            EXPECT_GT(DvpGetTagDataSize(&tag, &size), 0) << s << " 0x" << std::hex << code;
        }
    }
    DvpReleaseTagData();
}

TEST_F(HidLink, UncheckedDataWriteAnswersSuccessEvenWhenRefused) {
    const uint8_t usb[2] = {1, 0}, fw[8] = {};
    EXPECT_EQ(DvHIDSetDataNoCheckResult(w[kCX].target, 0xFF010073, usb, 2, 0), 0);
    EXPECT_EQ(sim::GetStateData(kCX, 0xFF010073), (Bytes{1, 0}));
    EXPECT_EQ(DvHIDSetData(w[kCX].target, 0x51, fw, 8, 0), DvErrRefused);
    EXPECT_EQ(DvHIDSetDataNoCheckResult(w[kCX].target, 0x51, fw, 8, 0), 0);
    EXPECT_EQ(sim::GetStateData(kCX, 0x51)->at(0), '0') << "and the refused write changed nothing";
}

TEST_F(HidLink, DeviceLockIsReentrantForItsHolder) {
    const uint32_t cx = w[kCX].target;
    EXPECT_EQ(DvHIDSupportsCriticalSection(cx), 1);
    EXPECT_EQ(DvHIDSupportsCriticalSection(0), 0);
    EXPECT_EQ(DvHIDExitCriticalSection(cx), DvErrFailed) << "not held";
    EXPECT_EQ(DvHIDEnterCriticalSection(cx) | DvHIDEnterCriticalSection(cx), 0);
    EXPECT_EQ(DvHIDExitCriticalSection(cx) | DvHIDExitCriticalSection(cx), 0);
    EXPECT_EQ(DvHIDExitCriticalSection(cx), DvErrFailed);
}

}  // namespace
}  // namespace dvc::test
