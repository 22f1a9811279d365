// Tagged storage over the transports' C ABI: descriptions, the block
// arithmetic of 128-byte, 512-byte and combined transfers, headers that
// carry on over several blocks, records and unknown tags.
#include "sim_fixture.hpp"

namespace dvc::test {
namespace {

constexpr uint32_t kHeader = 0xFF0200C2, kDescription = 0xFF0200C3, kBlock128 = 0xFF0200C4, kBlock512 = 0xFF0200C7,
                   kCombinedRead = 0xFF0200FD, kCombinedWrite = 0xFF0200FE;

// A request header {name, record, block}, zero-padded to `size`.
Bytes Header(const std::string& name, uint16_t record, uint16_t block, std::size_t size = 10) {
    Bytes h(name.begin(), name.end());
    h.resize(6, 0);
    for (uint16_t v : {record, block}) h.insert(h.end(), {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)});
    h.resize(size, 0);
    return h;
}

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Pattern(std::size_t n, uint8_t seed) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>(seed + i * 7);
    return b;
}

Bytes Slice(const Bytes& b, std::size_t from, std::size_t n) { return Bytes(b.begin() + from, b.begin() + from + n); }

// Record r of the i-th tag (by name) of a monitor's tagged storage.
uint32_t Slot(uint32_t index, uint32_t record) { return (index + 1) << 16 | record; }
Bytes Record(const char* serial, uint32_t slot) { return sim::GetStateData(serial, kHeader, slot).value_or(Bytes{}); }

class TaggedStorage : public WorldTest {
protected:
    void SetUp() override { Open(); }
};

TEST_F(TaggedStorage, DescriptionsEchoKnownTagsOnlyAndEachModelHasItsBlockCodes) {
    const Wire cx = Ddc(0);
    ASSERT_EQ(cx.Write(kHeader, Header("PRM238", 0, 0)), 0);
    EXPECT_EQ(cx.Read(kDescription, 16), Header("PRM238", 3, 1, 16)) << "name, then the two description values";
    ASSERT_EQ(cx.Write(kHeader, Header("BAK328", 0, 0)), 0);
    EXPECT_EQ(cx.Read(kDescription, 10), Header("BAK328", 1024, 1)) << "by default the item's size, and present";
    ASSERT_EQ(cx.Write(kHeader, Header("AIC652", 0, 0)), 0) << "a header is taken whatever it names";
    EXPECT_EQ(Slice(cx.Read(kDescription, 16), 0, 6), Bytes(6, 0xFF)) << "this model keeps no calibration data";
    Bytes reply;
    EXPECT_EQ(cx.Read(kDescription, 17, reply), DvErrSizeMismatch);
    EXPECT_EQ(cx.Write(kHeader, Bytes(9, 'A')), DvErrSizeMismatch);
    EXPECT_EQ(Ddc(1).Write(kHeader, Header("PRM238", 0, 0)), DvErrNotSupported) << "the office model has no tags";

    const std::pair<Wire, std::vector<uint32_t>> models[] = {  // lengths on the 128, 512, combined read, write codes
        {Hid(kCX), {128, 0, 0, 0}}, {Hid(kCG), {0, 512, 522, 522}}, {Ddc(3), {128, 0, 522, 0}}};
    for (const auto& [wire, lengths] : models) {
        std::vector<uint32_t> got;
        for (uint32_t code : {kBlock128, kBlock512, kCombinedRead, kCombinedWrite}) got.push_back(wire.Length(code));
        EXPECT_EQ(got, lengths);
    }
}

TEST_F(TaggedStorage, BlocksFollowTheHeaderOneAfterAnother) {
    const Wire cx = Hid(kCX);
    const Bytes stored = Record(kCX, Slot(1, 0));  // BAK328, the second tag by name: a 1024-byte key/value store
    ASSERT_EQ(stored.size(), 1024u);
    ASSERT_EQ(cx.Write(kHeader, Header("BAK328", 0, 0)), 0);
    const Bytes first = cx.Read(kBlock128, 128);
    EXPECT_EQ(first, Slice(stored, 0, 128));
    EXPECT_EQ(cx.Read(kBlock128, 128), Slice(stored, 128, 128)) << "the next block without a new header";
    // The store as the host reads it: "APP\0", the sum of the payload's
    // little-endian words, records of {key length, key, value length, value}.
    const std::string key = "asset-owner", value = "Desk 12";
    const Bytes record = Cat({{11}, Bytes(key.begin(), key.end()), {7, 0}, Bytes(value.begin(), value.end())});
    EXPECT_EQ(Slice(first, 0, 4), Bytes({'A', 'P', 'P', 0}));
    EXPECT_EQ(Slice(first, 6, record.size()), record);
    uint32_t sum = 0;
    for (std::size_t i = 6; i < stored.size(); i += 2) sum += stored[i] | stored[i + 1] << 8;
    EXPECT_EQ(first[4] | first[5] << 8, static_cast<int>(sum & 0xFFFF));

    ASSERT_EQ(cx.Write(kHeader, Header("BAK328", 0, 7)), 0);
    EXPECT_EQ(cx.Read(kBlock128, 128), Slice(stored, 896, 128)) << "the last block of the record";
    Bytes past;
    EXPECT_EQ(cx.Read(kBlock128, 128, past), DvErrFailed) << "the block after it starts past the end";
    for (const Bytes& nothing : {Header("BAK328", 1, 0), Header("NOSUCH", 0, 0)}) {  // one record only; no such tag
        ASSERT_EQ(cx.Write(kHeader, nothing), 0);
        EXPECT_EQ(cx.Read(kBlock128, 128, past), DvErrFailed);
    }
}

TEST_F(TaggedStorage, WritesFillTheFollowingBlocksOfWritableRecords) {
    const Wire cx = Ddc(0);
    ASSERT_EQ(cx.Write(kHeader, Header("BAK196", 0, 2)), 0);
    ASSERT_EQ(cx.Write(kBlock128, Bytes(128, 0xA0)), 0);
    EXPECT_EQ(cx.Write(kBlock128, Bytes(127, 0xEE)), DvErrSizeMismatch) << "a short block moves nothing";
    ASSERT_EQ(cx.Write(kBlock128, Bytes(128, 0xA1)), 0);
    EXPECT_EQ(cx.Write(kBlock128, Bytes(128, 0xA2)), DvErrFailed) << "block 4 starts past the 512-byte store";
    EXPECT_EQ(Record(kCX, Slot(0, 0)), Cat({Bytes(256, 0), Bytes(128, 0xA0), Bytes(128, 0xA1)}));
    const Wire cxHid = Hid(kCX);
    ASSERT_EQ(cxHid.Write(kHeader, Header("BAK196", 0, 3)), 0);
    EXPECT_EQ(cxHid.Read(kBlock128, 128), Bytes(128, 0xA1)) << "the other link reads what this one wrote";
    ASSERT_EQ(cx.Write(kHeader, Header("VER000", 1, 0)), 0);
    EXPECT_EQ(cx.Write(kBlock128, Bytes(128, 1)), DvErrRefused) << "version records are read-only";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(cx.Read(kBlock128, 128).data())), "USB hub 02.11");
}

TEST_F(TaggedStorage, CombinedTransfersCarryTheirOwnHeader) {
    const Wire cg = Hid(kCG);
    const Bytes content = Pattern(4096, 11);  // record 2 of AIC652, the third tag after AIC500 and AIC651
    ASSERT_TRUE(sim::SetStateData(kCG, kHeader, content, Slot(2, 2)));
    ASSERT_EQ(cg.Write(kCombinedRead, Header("AIC652", 2, 1, 522)), 0);
    for (int again = 0; again < 2; ++again)  // reading again answers the same block
        EXPECT_EQ(cg.Read(kCombinedRead, 522), Cat({Header("AIC652", 2, 1), Slice(content, 512, 512)}));
    EXPECT_EQ(cg.Write(kCombinedRead, Bytes(521, 0)), DvErrSizeMismatch);
    for (const Bytes& bad : {Header("ABC123", 0, 0, 522), Header("AIC652", 2, 8, 522), Header("AIC652", 4, 0, 522)}) {
        ASSERT_EQ(cg.Write(kCombinedRead, bad), 0);
        EXPECT_EQ(Slice(cg.Read(kCombinedRead, 522), 0, 6), Bytes(6, 0xFF)) << "a reply for nothing echoes nothing";
    }

    const Bytes data = Pattern(512, 40);
    ASSERT_EQ(cg.Write(kCombinedWrite, Cat({Header("BAK196", 0, 1), data})), 0);
    const Bytes stored = Record(kCG, Slot(3, 0));  // AIC500, AIC651, AIC652, BAK196
    EXPECT_EQ(Slice(stored, 0, 4), Bytes({'A', 'P', 'P', 0})) << "block 0 kept";
    EXPECT_EQ(Slice(stored, 512, 512), data);
    EXPECT_EQ(cg.Write(kCombinedWrite, Header("VER000", 0, 0, 522)), DvErrRefused);
    EXPECT_EQ(cg.Write(kCombinedWrite, Header("BAK196", 0, 2, 522)), DvErrFailed) << "past the end";
    EXPECT_EQ(cg.Write(kCombinedWrite, Bytes(10, 0)), DvErrSizeMismatch);

    const Wire cgDdc = Ddc(3);  // 128-byte block 6 is the third quarter of combined block 1
    ASSERT_EQ(cgDdc.Write(kHeader, Header("BAK196", 0, 6)), 0);
    ASSERT_EQ(cgDdc.Write(kBlock128, Bytes(128, 0x77)), 0);
    ASSERT_EQ(cgDdc.Write(kCombinedRead, Header("BAK196", 0, 1, 522)), 0);
    EXPECT_EQ(Slice(cgDdc.Read(kCombinedRead, 522), 10, 512),
              Cat({Slice(data, 0, 256), Bytes(128, 0x77), Slice(data, 384, 128)}));
}

// A record whose size is not a whole number of blocks.
TEST_F(TaggedStorage, TheLastBlockIsCutAtTheRecordsEnd) {
    ASSERT_TRUE(sim::ActivateWorldJson(R"({"monitors": [{"serial": "TAG00001", "model": "TAGGED", "links": {"hid": true}, "profile": "t"}],
        "profiles": {"t": {"features": {"0xFF0200C2": {"kind": "tagged", "codes": ["0xFF0200C4", "0xFF0200C7"],
        "tags": {"TST001": {"size": 200, "records": 2, "data": {"1": {"text": "second"}}}}}}}}})"));
    ASSERT_EQ(DvHIDFind(), 1);
    const Wire w = Hid("TAG00001");
    ASSERT_EQ(w.Write(kHeader, Header("TST001", 0, 0)), 0);
    EXPECT_EQ(w.Read(kDescription, 10), Header("TST001", 200, 1)) << "the description defaults to {size, 1}";
    ASSERT_EQ(w.Write(kHeader, Header("TST001", 0, 1)), 0);
    ASSERT_EQ(w.Write(kBlock128, Bytes(128, 0xC3)), 0);
    const Bytes stored = Cat({Bytes(128, 0), Bytes(72, 0xC3)});
    EXPECT_EQ(sim::GetStateData("TAG00001", kHeader, Slot(0, 0)), stored) << "padding past the record is dropped";
    ASSERT_EQ(w.Write(kHeader, Header("TST001", 0, 0)), 0);
    EXPECT_EQ(w.Read(kBlock512, 512), Cat({stored, Bytes(312, 0)})) << "zero past the record";
    Bytes past;
    EXPECT_EQ(w.Read(kBlock512, 512, past), DvErrFailed) << "block 1 of 512 starts past 200 bytes";
    ASSERT_EQ(w.Write(kHeader, Header("TST001", 1, 0)), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(w.Read(kBlock128, 128).data())), "second");
}

}  // namespace
}  // namespace dvc::test
