// ddclink's and hidlink's C ABI against the default world's virtual
// monitors, and what the two links of one monitor share.
#include <map>
#include <numeric>
#include <set>
#include <tuple>

#include "sim_fixture.hpp"

namespace dvc::test {
namespace {

class Links : public WorldTest {
protected:
    void SetUp() override {
        Open();
        for (const char* s : {kCX, kCG, kMX}) ASSERT_NE((hid[s] = Hid(s)).target, 0u) << s;
    }
    static std::string Text(const Bytes& b) { return std::string(b.begin(), b.end()); }
    static std::string Identification(const Wire& w, uint32_t length) { return Text(w.Read(0x11, length)); }
    std::map<std::string, Wire> hid;
};

TEST_F(Links, EachListHoldsItsMonitorsWithThisLinksIdentification) {
    EXPECT_EQ(Identification(Ddc(0), 18), std::string("21409001CX2740  \0\0", 18));
    EXPECT_EQ(Identification(Ddc(1), Ddc(1).Length(0x11)), "17200455OF2210          ");
    EXPECT_EQ(Identification(Ddc(2), 8) + Identification(Ddc(3), 8), std::string(kOF2) + kCG);
    EXPECT_EQ(Identification(hid[kCX], 22), std::string("21409001CX2740\0\0\0\0\0\0\0\0", 22));
    EXPECT_EQ(Identification(hid[kMX], hid[kMX].Length(0x11)), "22050012MX2420 ");
    Bytes too_long;
    EXPECT_EQ(Ddc(0).Read(0x11, 64, too_long), DvErrSizeMismatch);
    EXPECT_EQ(Ddc(0).Write(0x11, Bytes(8, 'X')), DvErrRefused);
    EXPECT_EQ(std::set<uint32_t>({hid[kCX].target, hid[kCG].target, hid[kMX].target}).size(), 3u);
    uint32_t handle = 77;
    EXPECT_EQ(DvHIDRetrieve(3, &handle), DvErrInvalidParameter);
    EXPECT_EQ(handle, 77u);
    EXPECT_EQ(DvHIDRetrieve(0, nullptr), DvErrInvalidParameter);

    ASSERT_EQ(DvDDCCISetCommunicationType(1), 0);
    ASSERT_EQ(DvDDCCIFind(), 2);
    EXPECT_EQ(Identification(Ddc(0), 8) + Identification(Ddc(1), 8), std::string(kCG) + kMX);
    EXPECT_EQ(DvDDCCISetCommunicationType(2), DvErrInvalidParameter);
    EXPECT_EQ(DvDDCCISetCommunicationType(-1), DvErrInvalidParameter);
}

TEST_F(Links, ValuesKeepToTheirRangeAndEachMonitorToItsOwnState) {
    int32_t max = -1, min = -1, flag = 5;
    uint32_t length = 99, v = 7, w = 33;
    EXPECT_EQ(DvDDCCIGetFixedData(1, 0xB5, &max, &min, &length), 0);
    EXPECT_EQ(std::tie(max, min, length), std::make_tuple(100, 0, 0u));
    EXPECT_EQ(DvDDCCIGetFixedData(0, 0x88, nullptr, nullptr, nullptr), 0) << "every out pointer may be null";
    EXPECT_EQ(DvDDCCIGetValue(0, 0x88, nullptr), 0);
    EXPECT_EQ(DvDDCCISetValue(1, 0x88, &w), 0);
    EXPECT_EQ(Ddc(1).Value(0x88), 33u);
    EXPECT_EQ(Ddc(2).Value(0x88), 80u) << "the other OF2210 keeps its own state";
    for (const auto& [code, value] : {std::pair{0x88u, 101u}, {0x24u, 3u}, {0x13u, 0u}})  // range, list, read-only
        EXPECT_EQ(DvDDCCISetValue(1, code, &value), DvErrRefused) << std::hex << code;
    EXPECT_EQ(sim::GetStateValue(kOF1, 0x88), 33u);
    EXPECT_EQ(DvDDCCISetValue(1, 0x88, nullptr), DvErrInvalidParameter);

    EXPECT_EQ(DvDDCCIGetValue(1, 0x70, &v), DvErrNotSupported) << "the office model has gamma on 0x24 only";
    EXPECT_EQ(DvHIDGetFixedData(hid[kCX].target, 0xFFFF0001, &max, nullptr, &flag, nullptr), DvErrNotSupported);
    EXPECT_EQ(std::tie(v, max, flag), std::make_tuple(7u, 100, 0)) << "a failed call clears only the flag";
    EXPECT_EQ(hid[kCX].SetValue(0xB8, 1), DvErrNotSupported) << "the mutex lives on DDC/CI";
    for (const auto& [index, code, supported] :
         {std::tuple{1u, 0x24u, true}, {1u, 0x70u, false}, {1u, 0x50u, false}, {0u, 0x50u, true}, {0u, 0x18u, false}})
        EXPECT_EQ(Ddc(index).Supported(code), supported) << index << " 0x" << std::hex << code;  // 0x18: HID only
}

TEST_F(Links, UnknownTargetsAndReleasedListsFail) {
    uint32_t v = 0;
    EXPECT_EQ(Ddc(4).SetValue(0x88, 1), DvErrFailed);
    EXPECT_EQ(DvDDCCIIsSupported(4, 0x88), 0);
    for (uint32_t unknown : {0u, 0xDEADu}) EXPECT_EQ(DvHIDGetValue(unknown, 0x88, &v), DvErrFailed);
    EXPECT_EQ(DvDDCCIRelease(), 0);
    EXPECT_EQ(DvHIDRelease(), 0);
    EXPECT_EQ(Ddc(0).SetValue(0x88, 1), DvErrFailed);
    EXPECT_EQ(hid[kCX].SetValue(0x88, 1), DvErrFailed);
    EXPECT_EQ(DvDDCCIFind(), 4);
    EXPECT_EQ(DvHIDFind(), 3);
    EXPECT_EQ(Ddc(0).SetValue(0x88, 1), 0);
    EXPECT_EQ(hid[kCX].SetValue(0x88, 1), 0) << "a monitor keeps its handle within a world";
}

TEST_F(Links, BothLinksOfOneMonitorShareItsState) {
    const Wire& cx = hid[kCX];
    ASSERT_EQ(cx.SetValue(0x88, 42), 0);
    EXPECT_EQ(Ddc(0).Value(0x88), 42u);
    ASSERT_EQ(Ddc(0).SetValue(0x71, 0x0A00), 0);
    EXPECT_EQ(cx.Read(0x71, 2), (Bytes{0x00, 0x0A})) << "HID sees the port as a 16-bit field";
    ASSERT_EQ(cx.Write(0x71, {0x00, 0x03}), 0);
    EXPECT_EQ(Ddc(0).Value(0x71), 0x0300u);
    const Bytes usage = cx.Read(0x13, 4);
    EXPECT_EQ(Bytes(usage.begin(), usage.begin() + 3), (Bytes{0xB0, 0x1F, 17})) << "usage time: hours 8112, minutes";
}

TEST_F(Links, DataBlocksPolledStatesAndRequestReplies) {
    const Wire cx = Ddc(0);
    Bytes tag = cx.Read(0x12, 17);
    EXPECT_EQ(Text(Bytes(tag.begin() + 1, tag.begin() + 11)), "ASSET-0001");
    tag[0] = 0;
    EXPECT_EQ(cx.Write(0x12, Bytes(16, 0)), DvErrSizeMismatch);
    EXPECT_EQ(cx.Write(0x12, tag), 0);
    EXPECT_EQ(sim::GetStateData(kCX, 0x12), tag);
    EXPECT_EQ(DvDDCCIGetData(0, 0x12, nullptr, 17), DvErrInvalidParameter);
    EXPECT_EQ(DvDDCCISetData(0, 0x12, nullptr, 17), DvErrInvalidParameter);
    EXPECT_EQ(DvDDCCIGetData(0, 0x12, tag.data(), 0xFFFFFFFFu), DvErrSizeMismatch);

    ASSERT_EQ(Ddc(1).SetValue(0x3, 4), 0);  // runs the auto adjust: busy for three reads
    for (uint32_t expected : {2u, 2u, 2u, 6u, 6u}) EXPECT_EQ(Ddc(1).Value(0x3), expected);

    EXPECT_EQ(cx.Read(0xFF01006F, 3)[0], 0xFF) << "nothing asked yet";
    for (const auto& [key, reply] : {std::pair{0, 0x1234}, {3, 711}, {9, 0xFF}}) {  // 9: an unknown key
        ASSERT_EQ(cx.Write(0xFF01006F, {static_cast<uint8_t>(key), 0, 0}), 0);
        const Bytes b = cx.Read(0xFF01006F, 3);
        EXPECT_EQ(key == 9 ? b[0] : b[1] | b[2] << 8, reply) << key;
    }
    EXPECT_EQ(cx.Write(0xFF01006F, {9, 0}), DvErrSizeMismatch);
}

TEST_F(Links, LutBlocksAreSelectedByValueOrByTwoByteDataWrite) {
    const auto first = [](const Bytes& b) { return b[0] | b[1] << 8; };
    const Wire &cx = hid[kCX], &cg = hid[kCG], &mx = hid[kMX];
    ASSERT_EQ(DvHIDSetValue(cx.target, 0x18, 0x85, 1), 0);
    EXPECT_EQ(first(cx.Read(0x19, 128)), 544) << "second quarter of an identity table in exponent words (entry 64)";
    ASSERT_EQ(DvHIDSetData(cx.target, 0x19, Bytes(128, 0xA5).data(), 128, 1), 0);
    ASSERT_EQ(DvHIDSetValue(cx.target, 0x18, 0x84, 1), 0);
    EXPECT_EQ(cx.Read(0x19, 128)[2], 0x91) << "entry 1 of the untouched block: 0x0E91, three doublings";
    EXPECT_EQ(sim::GetStateData(kCX, 0x19, 0x85), Bytes(128, 0xA5));
    EXPECT_EQ(DvHIDSetValue(cg.target, 0x18, 0x84, 1), DvErrSizeMismatch) << "this model selects by data only";
    ASSERT_EQ(cg.Write(0x18, {0x86, 0x00}), 0);
    EXPECT_EQ(first(cg.Read(0x19, 128)), 128 * 256) << "an 8.8 identity table";
    Bytes block;
    EXPECT_FALSE(mx.Supported(0x18)) << "the medical model uses 0x72/0x73";
    EXPECT_EQ(mx.SetValue(0x72, 0x300), DvErrFailed) << "no such block";
    EXPECT_EQ(mx.SetValue(0x72, 0x03), 0);
    EXPECT_EQ(mx.Read(0x73, 129, block), DvErrSizeMismatch);
}

TEST_F(Links, EdidSitsOnTheModelsPageWithAValidChecksum) {
    const auto page = [&](const char* serial, uint32_t n) {
        EXPECT_EQ(hid[serial].SetValue(0xB9, n), 0);
        const Bytes e = hid[serial].Read(0xBA, 256);
        return std::make_pair(Bytes(e.begin(), e.begin() + 8) == Bytes{0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0}, e);
    };
    const auto [found, cx1] = page(kCX, 1);
    EXPECT_TRUE(found);
    EXPECT_EQ(std::accumulate(cx1.begin(), cx1.begin() + 128, 0u) % 256, 0u);
    EXPECT_EQ(cx1[27], 0xA3) << "red x 0.64 in the 10-bit form";
    EXPECT_FALSE(page(kCX, 0).first);
    EXPECT_TRUE(page(kCG, 0).first);
    EXPECT_EQ(hid[kCX].SetValue(0xB9, 6), DvErrRefused);
}

TEST_F(Links, UncheckedWritesAnswerSuccessAndTheDeviceLockIsReentrant) {
    const uint32_t cx = hid[kCX].target;
    const uint8_t usb[2] = {1, 0}, fw[8] = {};
    EXPECT_EQ(DvHIDSetDataNoCheckResult(cx, 0xFF010073, usb, 2, 0), 0);
    EXPECT_EQ(sim::GetStateData(kCX, 0xFF010073), (Bytes{1, 0}));
    EXPECT_EQ(DvHIDSetData(cx, 0x51, fw, 8, 0), DvErrRefused);
    EXPECT_EQ(DvHIDSetDataNoCheckResult(cx, 0x51, fw, 8, 0), 0) << "even when refused";
    EXPECT_EQ(sim::GetStateData(kCX, 0x51)->at(0), '0') << "and the refused write changed nothing";

    EXPECT_EQ(DvHIDSupportsCriticalSection(cx), 1);
    EXPECT_EQ(DvHIDSupportsCriticalSection(0), 0);
    EXPECT_EQ(DvHIDExitCriticalSection(cx), DvErrFailed) << "not held";
    EXPECT_EQ(DvHIDEnterCriticalSection(cx) | DvHIDEnterCriticalSection(cx), 0);
    EXPECT_EQ(DvHIDExitCriticalSection(cx) | DvHIDExitCriticalSection(cx), 0);
    EXPECT_EQ(DvHIDExitCriticalSection(cx), DvErrFailed);
}

}  // namespace
}  // namespace dvc::test
