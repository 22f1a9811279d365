// Tagged storage over the transports' C ABI: descriptions, the block
// arithmetic of 128-byte, 512-byte and combined transfers, headers that
// carry on over several blocks, records and unknown tags. (Records are
// ordinary state cells: the state file keeps them like any other.)
#include <string>

#include "sim_fixture.hpp"
#include "wire.hpp"

namespace {

using namespace dvc::test;

constexpr uint32_t kHeader = 0xFF0200C2, kDescription = 0xFF0200C3, kBlock128 = 0xFF0200C4, kBlock512 = 0xFF0200C7,
                   kCombinedRead = 0xFF0200FD, kCombinedWrite = 0xFF0200FE;

Bytes Header(const std::string& name, uint16_t record, uint16_t block) {
    Bytes h(name.begin(), name.end());
    h.resize(6, 0);
    h.insert(h.end(), {static_cast<uint8_t>(record), static_cast<uint8_t>(record >> 8), static_cast<uint8_t>(block),
                       static_cast<uint8_t>(block >> 8)});
    return h;
}

Bytes Pattern(std::size_t n, uint8_t seed) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>(seed + i * 7);
    return b;
}

Bytes Slice(const Bytes& b, std::size_t from, std::size_t n) { return Bytes(b.begin() + from, b.begin() + from + n); }

// Record r of the i-th tag (by name) of a monitor's tagged storage.
uint32_t Slot(uint32_t index, uint32_t record) { return (index + 1) << 16 | record; }

class TaggedStorage : public WorldTest {
protected:
    void SetUp() override {
        Activate();
        ASSERT_EQ(DvDDCCISetCommunicationType(0), 0);
        ASSERT_EQ(DvDDCCIFind(), 4);  // CX2740, two OF2210, CG3180
        ASSERT_EQ(DvHIDFind(), 3);
    }
    void TearDown() override {
        DvHIDRelease();
        DvDDCCIRelease();
        WorldTest::TearDown();
    }
    static Wire Ddc(uint32_t index) { return Wire{false, index}; }
    static Wire Hid(const char* serial) { return Wire{true, HidHandleOf(serial)}; }
    static Bytes Record(const char* serial, uint32_t slot) { return dvc::sim::GetStateData(serial, kHeader, slot).value_or(Bytes{}); }
};

TEST_F(TaggedStorage, DescriptionEchoesKnownTagsOnly) {
    const Wire cx = Ddc(0);
    ASSERT_EQ(cx.Write(kHeader, Header("PRM238", 0, 0)), 0);
    Bytes reply = cx.Read(kDescription, 16);
    EXPECT_EQ(std::string(reply.begin(), reply.begin() + 6), "PRM238");
    EXPECT_EQ(reply[6] | reply[7] << 8, 3);
    EXPECT_EQ(reply[8] | reply[9] << 8, 1);

    ASSERT_EQ(cx.Write(kHeader, Header("BAK328", 0, 0)), 0);
    reply = cx.Read(kDescription, 10);  // a shorter read takes the front
    EXPECT_EQ(reply[6] | reply[7] << 8, 1024) << "the size of the item";
    EXPECT_EQ(reply[8] | reply[9] << 8, 1) << "present";

    ASSERT_EQ(cx.Write(kHeader, Header("AIC652", 0, 0)), 0) << "a header is taken whatever it names";
    reply = cx.Read(kDescription, 16);
    EXPECT_NE(std::string(reply.begin(), reply.begin() + 6), "AIC652") << "this model keeps no calibration data";

    Bytes too_long;
    EXPECT_EQ(cx.Read(kDescription, 17, too_long), DvErrSizeMismatch);
    EXPECT_EQ(cx.Write(kHeader, Bytes(9, 'A')), DvErrSizeMismatch);
    EXPECT_EQ(Ddc(1).Write(kHeader, Header("PRM238", 0, 0)), DvErrNotSupported) << "the office model has no tags";
}

TEST_F(TaggedStorage, SmallBlocksFollowTheHeaderOneAfterAnother) {
    const Wire cx = Hid(kCX);
    EXPECT_TRUE(cx.Supported(kBlock128));
    EXPECT_FALSE(cx.Supported(kBlock512));
    EXPECT_FALSE(cx.Supported(kCombinedRead));
    EXPECT_FALSE(cx.Supported(kCombinedWrite));
    EXPECT_EQ(cx.Length(kBlock128), 128u);

    // BAK328 is the second tag by name: a key/value store of 1024 bytes.
    const Bytes stored = Record(kCX, Slot(1, 0));
    ASSERT_EQ(stored.size(), 1024u);
    ASSERT_EQ(cx.Write(kHeader, Header("BAK328", 0, 0)), 0);
    Bytes first, second;
    ASSERT_EQ(cx.Read(kBlock128, 128, first), 0);
    ASSERT_EQ(cx.Read(kBlock128, 128, second), 0) << "the next block without a new header";
    EXPECT_EQ(first, Slice(stored, 0, 128));
    EXPECT_EQ(second, Slice(stored, 128, 128));

    // The store as the host reads it: signature, sum of the payload's
    // little-endian words, records of {key length, key, value length, value}.
    EXPECT_EQ(std::string(first.begin(), first.begin() + 4), std::string("APP\0", 4));
    const std::string record = "\x0B" "asset-owner" "\x07\x00" "Desk 12";
    EXPECT_EQ(std::string(first.begin() + 6, first.begin() + 6 + static_cast<long>(record.size())), record);
    uint32_t sum = 0;
    for (std::size_t i = 6; i < stored.size(); i += 2) sum += stored[i] | stored[i + 1] << 8;
    EXPECT_EQ(first[4] | first[5] << 8, static_cast<int>(sum & 0xFFFF));

    ASSERT_EQ(cx.Write(kHeader, Header("BAK328", 0, 7)), 0);
    EXPECT_EQ(cx.Read(kBlock128, 128), Slice(stored, 896, 128)) << "the last block of the record";
    Bytes past;
    EXPECT_EQ(cx.Read(kBlock128, 128, past), DvErrFailed) << "the block after it starts past the end";
    ASSERT_EQ(cx.Write(kHeader, Header("BAK328", 1, 0)), 0);
    EXPECT_EQ(cx.Read(kBlock128, 128, past), DvErrFailed) << "the store has one record";
    ASSERT_EQ(cx.Write(kHeader, Header("NOSUCH", 0, 0)), 0);
    EXPECT_EQ(cx.Read(kBlock128, 128, past), DvErrFailed);
}

TEST_F(TaggedStorage, WritesAfterOneHeaderFillTheFollowingBlocks) {
    const Wire cx = Ddc(0);
    ASSERT_EQ(cx.Write(kHeader, Header("BAK196", 0, 2)), 0);
    ASSERT_EQ(cx.Write(kBlock128, Bytes(128, 0xA0)), 0);
    EXPECT_EQ(cx.Write(kBlock128, Bytes(127, 0xEE)), DvErrSizeMismatch) << "a short block moves nothing";
    ASSERT_EQ(cx.Write(kBlock128, Bytes(128, 0xA1)), 0);
    EXPECT_EQ(cx.Write(kBlock128, Bytes(128, 0xA2)), DvErrFailed) << "block 4 starts past the 512-byte store";

    const Bytes stored = Record(kCX, Slot(0, 0));
    ASSERT_EQ(stored.size(), 512u);
    EXPECT_EQ(Slice(stored, 0, 256), Bytes(256, 0));
    EXPECT_EQ(Slice(stored, 256, 128), Bytes(128, 0xA0));
    EXPECT_EQ(Slice(stored, 384, 128), Bytes(128, 0xA1));

    const Wire cxHid = Hid(kCX);
    ASSERT_EQ(cxHid.Write(kHeader, Header("BAK196", 0, 3)), 0);
    EXPECT_EQ(cxHid.Read(kBlock128, 128), Bytes(128, 0xA1)) << "the other link reads what this one wrote";
    ASSERT_EQ(cx.Write(kHeader, Header("VER000", 1, 0)), 0);
    EXPECT_EQ(cx.Write(kBlock128, Bytes(128, 1)), DvErrRefused) << "version records are read-only";
    const Bytes version = cx.Read(kBlock128, 128);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(version.data())), "USB hub 02.11");
}

TEST_F(TaggedStorage, BlockNumbersCountInTheDataCodesOwnSize) {
    ASSERT_EQ(DvDDCCISetCommunicationType(1), 0);
    ASSERT_EQ(DvDDCCIFind(), 2);  // CG3180, MX2420
    const Wire mx = Ddc(1);
    EXPECT_TRUE(mx.Supported(kBlock128));
    EXPECT_TRUE(mx.Supported(kBlock512));
    EXPECT_EQ(mx.Length(kBlock512), 512u);

    // AIC652 is the first tag by name; record 1 of 2048 bytes.
    const Bytes content = Pattern(2048, 3);
    ASSERT_TRUE(dvc::sim::SetStateData(kMX, kHeader, content, Slot(0, 1)));
    ASSERT_EQ(mx.Write(kHeader, Header("AIC652", 1, 1)), 0);
    EXPECT_EQ(mx.Read(kBlock512, 512), Slice(content, 512, 512));
    EXPECT_EQ(mx.Read(kBlock512, 512), Slice(content, 1024, 512));
    ASSERT_EQ(mx.Write(kHeader, Header("AIC652", 1, 1)), 0);
    EXPECT_EQ(mx.Read(kBlock128, 128), Slice(content, 128, 128));
    ASSERT_EQ(mx.Write(kHeader, Header("AIC652", 1, 3)), 0);
    ASSERT_EQ(mx.Write(kBlock512, Bytes(512, 0x5A)), 0);
    EXPECT_EQ(Slice(Record(kMX, Slot(0, 1)), 1536, 512), Bytes(512, 0x5A));
    EXPECT_EQ(Slice(Record(kMX, Slot(0, 0)), 1536, 512), Bytes(512, 0)) << "record 0 untouched";
    ASSERT_EQ(mx.Write(kHeader, Header("AIC652", 2, 0)), 0);
    Bytes none;
    EXPECT_EQ(mx.Read(kBlock512, 512, none), DvErrFailed) << "two records only";

    const Wire mxHid = Hid(kMX);
    EXPECT_FALSE(mxHid.Supported(kBlock128)) << "HID moves 512-byte blocks only";
    EXPECT_TRUE(mxHid.Supported(kBlock512));
}

TEST_F(TaggedStorage, CombinedReadEchoesTheHeaderWithItsBlock) {
    const Wire cg = Hid(kCG);
    EXPECT_TRUE(cg.Supported(kCombinedRead));
    EXPECT_TRUE(cg.Supported(kCombinedWrite));
    EXPECT_FALSE(cg.Supported(kBlock128));
    EXPECT_EQ(cg.Length(kCombinedRead), 522u);

    // AIC652 is the third tag by name (after AIC500, AIC651); record 2 of 4096 bytes.
    const Bytes content = Pattern(4096, 11);
    ASSERT_TRUE(dvc::sim::SetStateData(kCG, kHeader, content, Slot(2, 2)));
    Bytes request = Header("AIC652", 2, 1);
    request.resize(522, 0);
    ASSERT_EQ(cg.Write(kCombinedRead, request), 0);
    Bytes reply;
    ASSERT_EQ(cg.Read(kCombinedRead, 522, reply), 0);
    EXPECT_EQ(Slice(reply, 0, 10), Header("AIC652", 2, 1));
    EXPECT_EQ(Slice(reply, 10, 512), Slice(content, 512, 512));
    ASSERT_EQ(cg.Read(kCombinedRead, 522, reply), 0);
    EXPECT_EQ(Slice(reply, 0, 10), Header("AIC652", 2, 1)) << "reading again answers the same block";

    EXPECT_EQ(cg.Write(kCombinedRead, Bytes(521, 0)), DvErrSizeMismatch);
    for (const Bytes& bad : {Header("ABC123", 0, 0), Header("AIC652", 2, 8), Header("AIC652", 4, 0)}) {
        request = bad;
        request.resize(522, 0);
        ASSERT_EQ(cg.Write(kCombinedRead, request), 0);
        ASSERT_EQ(cg.Read(kCombinedRead, 522, reply), 0);
        EXPECT_NE(Slice(reply, 0, 6), Slice(bad, 0, 6)) << "a reply for nothing echoes nothing";
    }
}

TEST_F(TaggedStorage, CombinedWritesCarryTheirOwnHeader) {
    const Wire cg = Hid(kCG);
    Bytes block = Header("BAK196", 0, 1);
    const Bytes data = Pattern(512, 40);
    block.insert(block.end(), data.begin(), data.end());
    ASSERT_EQ(cg.Write(kCombinedWrite, block), 0);
    const Bytes stored = Record(kCG, Slot(3, 0));  // AIC500, AIC651, AIC652, BAK196
    ASSERT_EQ(stored.size(), 1024u);
    EXPECT_EQ(Slice(stored, 512, 512), data);
    EXPECT_EQ(std::string(stored.begin(), stored.begin() + 4), std::string("APP\0", 4)) << "block 0 kept";

    block = Header("VER000", 0, 0);
    block.resize(522, 0);
    EXPECT_EQ(cg.Write(kCombinedWrite, block), DvErrRefused);
    block = Header("BAK196", 0, 2);
    block.resize(522, 0);
    EXPECT_EQ(cg.Write(kCombinedWrite, block), DvErrFailed) << "past the end";
    EXPECT_EQ(cg.Write(kCombinedWrite, Bytes(10, 0)), DvErrSizeMismatch);

    // Over DDC/CI the same model reads combined blocks but writes 128-byte ones.
    const Wire cgDdc = Ddc(3);
    EXPECT_TRUE(cgDdc.Supported(kCombinedRead));
    EXPECT_FALSE(cgDdc.Supported(kCombinedWrite));
    EXPECT_TRUE(cgDdc.Supported(kBlock128));
    EXPECT_FALSE(cgDdc.Supported(kBlock512));
    ASSERT_EQ(cgDdc.Write(kHeader, Header("BAK196", 0, 6)), 0);
    ASSERT_EQ(cgDdc.Write(kBlock128, Bytes(128, 0x77)), 0);
    Bytes request = Header("BAK196", 0, 1);
    request.resize(522, 0);
    ASSERT_EQ(cgDdc.Write(kCombinedRead, request), 0);
    const Bytes reply = cgDdc.Read(kCombinedRead, 522);
    EXPECT_EQ(Slice(reply, 10, 256), Slice(data, 0, 256));
    EXPECT_EQ(Slice(reply, 10 + 256, 128), Bytes(128, 0x77)) << "128-byte block 6 is the third quarter of block 1";
    EXPECT_EQ(Slice(reply, 10 + 384, 128), Slice(data, 384, 128));
}

// A record whose size is not a whole number of blocks, on every block code.
TEST(TaggedStorageEdges, TheLastBlockIsCutAtTheRecordsEnd) {
    ASSERT_TRUE(dvc::sim::ActivateWorldJson(R"({"monitors": [{"serial": "TAG00001", "model": "TAGGED",
        "links": {"hid": true}, "profile": "t"}], "profiles": {"t": {"features": {
        "0xFF0200C2": {"kind": "tagged", "codes": ["0xFF0200C4", "0xFF0200C7", "0xFF0200FD", "0xFF0200FE"],
                       "tags": {"TST001": {"size": 200, "records": 2, "data": {"1": {"text": "second"}}}}}}}}})"));
    ASSERT_EQ(DvHIDFind(), 1);
    const Wire w{true, HidHandleOf("TAG00001")};
    ASSERT_EQ(w.Write(kHeader, Header("TST001", 0, 0)), 0);
    Bytes reply = w.Read(kDescription, 16);
    EXPECT_EQ(reply[6] | reply[7] << 8, 200) << "the description defaults to {size, 1}";
    EXPECT_EQ(reply[8], 1);

    ASSERT_EQ(w.Write(kHeader, Header("TST001", 0, 1)), 0);
    ASSERT_EQ(w.Write(kBlock128, Bytes(128, 0xC3)), 0);
    Bytes stored = dvc::sim::GetStateData("TAG00001", kHeader, Slot(0, 0)).value();
    ASSERT_EQ(stored.size(), 200u) << "padding past the record is dropped";
    EXPECT_EQ(Slice(stored, 128, 72), Bytes(72, 0xC3));

    ASSERT_EQ(w.Write(kHeader, Header("TST001", 0, 0)), 0);
    Bytes big;
    ASSERT_EQ(w.Read(kBlock512, 512, big), 0);
    EXPECT_EQ(Slice(big, 128, 72), Bytes(72, 0xC3));
    EXPECT_EQ(Slice(big, 200, 312), Bytes(312, 0)) << "zero past the record";
    EXPECT_EQ(w.Read(kBlock512, 512, big), DvErrFailed) << "block 1 of 512 starts past 200 bytes";

    ASSERT_EQ(w.Write(kHeader, Header("TST001", 1, 0)), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(w.Read(kBlock128, 128).data())), "second");
    DvHIDRelease();
    dvc::sim::DeactivateWorld();
}

TEST(TaggedStorageEdges, BadDescriptionsAreRefusedWithTheirPlace) {
    const struct {
        const char* tags;
        const char* needle;
    } cases[] = {
        {R"("codes": ["0xFF0200C4"], "tags": {"SHORT": {"size": 8}})", "tags.SHORT"},
        {R"("codes": ["0xFF0200C4"], "tags": {"TST001": {"size": 4, "data": {"0": [1, 2, 3, 4, 5]}}})", "data.0"},
        {R"("codes": ["0xFF0200C4"], "tags": {"TST001": {"size": 8, "records": 1, "data": {"1": [1]}}})", "data.1"},
        {R"("codes": ["0xFF0200C4"], "tags": {"TST001": {"size": 10, "key_values": {"k": {"text": "longer"}}}})", "key_values"},
        {R"("codes": ["0xFF0200C3"], "tags": {})", "codes"},
        {R"("tags": {})", "codes"},
        {R"("codes": ["0xFF0200C4"], "tags": {"TST001": {"records": 2}})", "size"},
    };
    for (const auto& c : cases) {
        const std::string world = std::string(R"({"monitors": [{"serial": "TAG00002", "profile": "p", "links": {"hid": true}}],
            "profiles": {"p": {"model": "BAD", "features": {"0xFF0200C2": {"kind": "tagged", )") + c.tags + "}}}}}";
        const auto status = dvc::sim::ActivateWorldJson(world);
        EXPECT_FALSE(status.ok) << c.tags;
        EXPECT_NE(status.message.find(c.needle), std::string::npos) << status.message;
    }
}

}  // namespace
