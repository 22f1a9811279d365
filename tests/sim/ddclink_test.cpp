// ddclink's C ABI against the default world's virtual monitors.
#include <tuple>

#include "sim_fixture.hpp"

namespace dvc::test {
namespace {

class DdcLink : public WorldTest {
protected:
    void SetUp() override { Open(); }
    static std::string Identification(uint32_t index) {
        const Bytes b = Ddc(index).Read(0x11, Ddc(index).Length(0x11));
        return std::string(b.begin(), b.end());
    }
};

TEST_F(DdcLink, EachTypeListsItsMonitorsWithThisLinksIdentification) {
    EXPECT_EQ(Identification(0), std::string("21409001CX2740  \0\0", 18));
    EXPECT_EQ(Identification(1), "17200455OF2210          ");
    EXPECT_EQ(Identification(2).substr(0, 8) + Identification(3).substr(0, 8), std::string(kOF2) + kCG);
    EXPECT_EQ(Ddc(0).Read(0x11, 8), Bytes(kCX, kCX + 8)) << "a shorter read takes the front";
    Bytes too_long;
    EXPECT_EQ(Ddc(0).Read(0x11, 64, too_long), DvErrSizeMismatch);
    EXPECT_EQ(DvDDCCISetData(0, 0x11, "XXXXXXXX", 8), DvErrRefused);

    ASSERT_EQ(DvDDCCISetCommunicationType(1), 0);
    ASSERT_EQ(DvDDCCIFind(), 2);
    EXPECT_EQ(Identification(0).substr(0, 8) + Identification(1).substr(0, 8), std::string(kCG) + kMX);
    EXPECT_EQ(DvDDCCISetCommunicationType(2), DvErrInvalidParameter);
    EXPECT_EQ(DvDDCCISetCommunicationType(-1), DvErrInvalidParameter);
}

TEST_F(DdcLink, ValuesKeepToTheirRangeAndEachMonitorToItsOwnState) {
    int32_t max = -1, min = -1;
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
    EXPECT_EQ(DvDDCCIGetFixedData(1, 0x70, &max, nullptr, nullptr), DvErrNotSupported);
    EXPECT_EQ(std::tie(v, max), std::make_tuple(7u, 100)) << "a failed call leaves the outputs alone";
    for (const auto& [index, code, supported] :
         {std::tuple{1u, 0x24u, true}, {1u, 0x70u, false}, {1u, 0x50u, false}, {0u, 0x50u, true}, {0u, 0x18u, false}})
        EXPECT_EQ(Ddc(index).Supported(code), supported) << index << " 0x" << std::hex << code;  // 0x18: HID only
}

TEST_F(DdcLink, IndicesBeyondTheListOrAfterReleaseFail) {
    EXPECT_EQ(Ddc(4).SetValue(0x88, 1), DvErrFailed);
    EXPECT_EQ(DvDDCCIIsSupported(4, 0x88), 0);
    EXPECT_EQ(DvDDCCIRelease(), 0);
    EXPECT_EQ(Ddc(0).SetValue(0x88, 1), DvErrFailed);
    EXPECT_EQ(DvDDCCIFind(), 4);
    EXPECT_EQ(Ddc(0).SetValue(0x88, 1), 0);
}

TEST_F(DdcLink, DataBlocksKeepTheirLengthAndPolledStatesTheirSequence) {
    Bytes tag = Ddc(0).Read(0x12, 17);
    EXPECT_EQ(std::string(tag.begin() + 1, tag.begin() + 11), "ASSET-0001");
    tag[0] = 0;
    EXPECT_EQ(Ddc(0).Write(0x12, Bytes(16, 0)), DvErrSizeMismatch);
    EXPECT_EQ(Ddc(0).Write(0x12, tag), 0);
    EXPECT_EQ(sim::GetStateData(kCX, 0x12), tag);
    EXPECT_EQ(DvDDCCIGetData(0, 0x12, nullptr, 17), DvErrInvalidParameter);
    EXPECT_EQ(DvDDCCISetData(0, 0x12, nullptr, 17), DvErrInvalidParameter);
    EXPECT_EQ(DvDDCCIGetData(0, 0x12, tag.data(), 0xFFFFFFFFu), DvErrSizeMismatch);

    ASSERT_EQ(Ddc(1).SetValue(0x3, 4), 0);  // runs the auto adjust: busy for three reads
    for (uint32_t expected : {2u, 2u, 2u, 6u, 6u}) EXPECT_EQ(Ddc(1).Value(0x3), expected);
}

TEST_F(DdcLink, RequestReplyAndSlotSelectAnswerForWhatWasLastChosen) {
    const Wire cx = Ddc(0), cg = Ddc(3);
    EXPECT_EQ(cx.Read(0xFF01006F, 3)[0], 0xFF) << "nothing asked yet";
    for (const auto& [key, reply] : {std::pair{0, 0x1234}, {3, 711}, {9, 0xFF}}) {  // 9: an unknown key
        ASSERT_EQ(cx.Write(0xFF01006F, {static_cast<uint8_t>(key), 0, 0}), 0);
        const Bytes b = cx.Read(0xFF01006F, 3);
        EXPECT_EQ(key == 9 ? b[0] : b[1] | b[2] << 8, reply) << key;
    }
    EXPECT_EQ(cx.Write(0xFF01006F, {9, 0}), DvErrSizeMismatch);

    int32_t slots = 0;
    uint32_t length = 0;
    ASSERT_TRUE(cg.Fixed(0xFF0000F7, slots, length));
    EXPECT_EQ(slots, 4);
    ASSERT_EQ(cg.SetValue(0xFF0000F7, 1), 0);
    EXPECT_EQ(cg.Read(0xFF0000F8, 12)[8] | cg.Read(0xFF0000F8, 12)[9] << 8, 1920);
    ASSERT_EQ(cg.SetValue(0xFF0000F7, 2), 0);
    ASSERT_EQ(cg.Write(0xFF0000F8, Bytes(12, 7)), 0);
    EXPECT_EQ(sim::GetStateData(kCG, 0xFF0000F8, 2), Bytes(12, 7));
    EXPECT_EQ(sim::GetStateData(kCG, 0xFF0000F8, 1)->at(0), 1) << "slot 1 kept its own";
    EXPECT_EQ(cg.SetValue(0xFF0000F7, 4), DvErrRefused);
}

}  // namespace
}  // namespace dvc::test
