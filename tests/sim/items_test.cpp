// Items of the built-in models that answer more than a stored value, over
// the transports' C ABI. Tagged storage: descriptions, the block arithmetic
// of 128-byte, 512-byte and combined transfers, headers that carry on over
// several blocks, records and unknown tags. Output segments behind a select
// code, the colour reset pulse and its direction, the signal description
// block, and settings kept per colour mode. (The library reads each model's
// tags in its own block mode in library_items_test.cpp.)
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

class Items : public WorldTest {
protected:
    void SetUp() override { Open(); }
    const Wire cx = Ddc(0), cg = Ddc(3);
};

TEST_F(Items, TaggedDescriptionsEchoKnownTagsOnly) {
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
}

TEST_F(Items, TaggedBlocksFollowTheHeaderOneAfterAnother) {
    const Wire hid = Hid(kCX);
    const Bytes stored = Record(kCX, Slot(1, 0));  // BAK328, the second tag by name: a 1024-byte key/value store
    ASSERT_EQ(stored.size(), 1024u);
    ASSERT_EQ(hid.Write(kHeader, Header("BAK328", 0, 0)), 0);
    const Bytes first = hid.Read(kBlock128, 128);
    EXPECT_EQ(first, Slice(stored, 0, 128));
    EXPECT_EQ(hid.Read(kBlock128, 128), Slice(stored, 128, 128)) << "the next block without a new header";
    // The store as the host reads it: "APP\0", the sum of the payload's
    // little-endian words, records of {key length, key, value length, value}.
    const std::string key = "asset-owner", value = "Desk 12";
    const Bytes record = Cat({{11}, Bytes(key.begin(), key.end()), {7, 0}, Bytes(value.begin(), value.end())});
    EXPECT_EQ(Slice(first, 0, 4), Bytes({'A', 'P', 'P', 0}));
    EXPECT_EQ(Slice(first, 6, record.size()), record);
    uint32_t sum = 0;
    for (std::size_t i = 6; i < stored.size(); i += 2) sum += stored[i] | stored[i + 1] << 8;
    EXPECT_EQ(first[4] | first[5] << 8, static_cast<int>(sum & 0xFFFF));

    ASSERT_EQ(hid.Write(kHeader, Header("BAK328", 0, 7)), 0);
    EXPECT_EQ(hid.Read(kBlock128, 128), Slice(stored, 896, 128)) << "the last block of the record";
    Bytes past;
    EXPECT_EQ(hid.Read(kBlock128, 128, past), DvErrFailed) << "the block after it starts past the end";
    for (const Bytes& nothing : {Header("BAK328", 1, 0), Header("NOSUCH", 0, 0)}) {  // one record only; no such tag
        ASSERT_EQ(hid.Write(kHeader, nothing), 0);
        EXPECT_EQ(hid.Read(kBlock128, 128, past), DvErrFailed);
    }
}

TEST_F(Items, TaggedCombinedTransfersCarryTheirOwnHeader) {
    const Wire hid = Hid(kCG);
    const Bytes content = Pattern(4096, 11);  // record 2 of AIC652, the third tag after AIC500 and AIC651
    ASSERT_TRUE(sim::SetStateData(kCG, kHeader, content, Slot(2, 2)));
    ASSERT_EQ(hid.Write(kCombinedRead, Header("AIC652", 2, 1, 522)), 0);
    for (int again = 0; again < 2; ++again)  // reading again answers the same block
        EXPECT_EQ(hid.Read(kCombinedRead, 522), Cat({Header("AIC652", 2, 1), Slice(content, 512, 512)}));
    EXPECT_EQ(hid.Write(kCombinedRead, Bytes(521, 0)), DvErrSizeMismatch);
    for (const Bytes& bad : {Header("ABC123", 0, 0, 522), Header("AIC652", 2, 8, 522), Header("AIC652", 4, 0, 522)}) {
        ASSERT_EQ(hid.Write(kCombinedRead, bad), 0);
        EXPECT_EQ(Slice(hid.Read(kCombinedRead, 522), 0, 6), Bytes(6, 0xFF)) << "a reply for nothing echoes nothing";
    }

    const Bytes data = Pattern(512, 40);
    ASSERT_EQ(hid.Write(kCombinedWrite, Cat({Header("BAK196", 0, 1), data})), 0);
    const Bytes stored = Record(kCG, Slot(4, 0));  // AIC500, AIC651, AIC652, AIC955, BAK196
    EXPECT_EQ(Slice(stored, 0, 4), Bytes({'A', 'P', 'P', 0})) << "block 0 kept";
    EXPECT_EQ(Slice(stored, 512, 512), data);
    EXPECT_EQ(hid.Write(kCombinedWrite, Header("VER000", 0, 0, 522)), DvErrRefused);
    EXPECT_EQ(hid.Write(kCombinedWrite, Header("BAK196", 0, 2, 522)), DvErrFailed) << "past the end";
    EXPECT_EQ(hid.Write(kCombinedWrite, Bytes(10, 0)), DvErrSizeMismatch);

    // Over DDC/CI, 128-byte block 6 is the third quarter of combined block 1.
    ASSERT_EQ(cg.Write(kHeader, Header("BAK196", 0, 6)), 0);
    ASSERT_EQ(cg.Write(kBlock128, Bytes(128, 0x77)), 0);
    ASSERT_EQ(cg.Write(kCombinedRead, Header("BAK196", 0, 1, 522)), 0);
    EXPECT_EQ(Slice(cg.Read(kCombinedRead, 522), 10, 512),
              Cat({Slice(data, 0, 256), Bytes(128, 0x77), Slice(data, 384, 128)}));
}

// A record whose size is not a whole number of blocks.
TEST_F(Items, TaggedLastBlockIsCutAtTheRecordsEnd) {
    ASSERT_TRUE(sim::ActivateWorldJson(R"({"monitors": [{"serial": "TAG00001", "model": "TAGGED", "profile": "t",
        "links": {"hid": true}}],
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

constexpr uint32_t kSegmentSelect = 0xFF010103, kSegmentConstant = 0xFF010104, kSegmentProperty = 0xFF010105;
constexpr uint32_t kColourReset = 0xFF0100CF, kPriority = 0xFF010069, kGainRed = 0x8A;

Bytes U16(std::initializer_list<uint16_t> values, std::size_t length) {
    Bytes b;
    for (uint16_t v : values) b.insert(b.end(), {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)});
    b.resize(length, 0);
    return b;
}

TEST_F(Items, OutputSegmentsSelectTheirRecords) {
    int32_t count = 0;
    uint32_t length = 0;
    ASSERT_TRUE(cg.Fixed(kSegmentSelect, count, length));
    EXPECT_EQ(count, 2) << "the select code's maximum is the segment count";
    EXPECT_EQ(cg.Length(kSegmentProperty), 12u);

    ASSERT_EQ(cg.SetValue(kSegmentSelect, 1), 0);
    EXPECT_EQ(cg.Read(kSegmentProperty, 12), (Bytes{128, 7, 0, 0, 128, 7, 112, 8, 1, 1, 0, 1}));
    EXPECT_EQ(cg.Read(kSegmentConstant, 12), U16({0, 0, 3840, 2160, 1}, 12));
    ASSERT_EQ(cg.Write(kSegmentProperty, Bytes(12, 9)), 0);
    ASSERT_EQ(cg.SetValue(kSegmentSelect, 0), 0);
    EXPECT_EQ(cg.Read(kSegmentProperty, 12), U16({0, 0, 1920, 2160, 1}, 12)) << "segment 0 kept its own record";
    ASSERT_EQ(cg.SetValue(kSegmentSelect, 1), 0);
    EXPECT_EQ(cg.Read(kSegmentProperty, 12), Bytes(12, 9));
    EXPECT_EQ(cg.SetValue(kSegmentSelect, 2), DvErrRefused);
}

// A per-mode setting follows the mode code; its block holds every mode's.
TEST_F(Items, PerModeSettingsFollowTheCurrentMode) {
    constexpr uint32_t kMode = 0xFF0000F3, kFlavor = 0xFF0000F2;
    EXPECT_EQ(cx.Length(kFlavor), 6u) << "one byte per mode";
    ASSERT_EQ(cx.SetValue(kMode, 2), 0);
    EXPECT_EQ(cx.Value(kFlavor), 2u);
    ASSERT_EQ(cx.SetValue(kFlavor, 4), 0);
    EXPECT_EQ(cx.SetValue(kFlavor, 5), DvErrRefused) << "beyond the maximum";
    ASSERT_EQ(cx.SetValue(kMode, 0), 0);
    EXPECT_EQ(cx.Value(kFlavor), 1u);
    EXPECT_EQ(cx.Read(kFlavor, 6), (Bytes{1, 2, 4, 3, 4, 4}));
}

TEST_F(Items, ColourResetRunsOnlyOnAPulseInItsDirection) {
    ASSERT_EQ(cg.SetValue(kGainRed, 100), 0);
    ASSERT_EQ(cg.SetValue(kColourReset, 0), 0);  // idle while the priority is 0
    ASSERT_EQ(cg.SetValue(kColourReset, 1), 0);
    EXPECT_EQ(cg.Value(kColourReset), 1u) << "the level reads back";
    EXPECT_EQ(cg.Value(kGainRed), 100u) << "a rise alone resets nothing";
    ASSERT_EQ(cg.SetValue(kColourReset, 0), 0);
    EXPECT_EQ(cg.Value(kGainRed), 255u);
    EXPECT_EQ(sim::GetStateValue(kCG, kColourReset, 1), 1u) << "one pulse counted";

    // Priority 2 turns the pulse round: 0, then back to 1.
    ASSERT_EQ(cg.SetValue(kPriority, 2), 0);
    ASSERT_EQ(cg.SetValue(kGainRed, 90), 0);
    ASSERT_EQ(cg.SetValue(kColourReset, 1), 0);
    ASSERT_EQ(cg.SetValue(kColourReset, 0), 0);
    EXPECT_EQ(cg.Value(kGainRed), 90u) << "1 then 0 is no pulse under priority 2";
    ASSERT_EQ(cg.SetValue(kColourReset, 1), 0);
    EXPECT_EQ(cg.Value(kGainRed), 255u);
    EXPECT_EQ(cg.SetValue(kColourReset, 2), DvErrRefused);
    EXPECT_FALSE(cx.Supported(kColourReset));
}

TEST_F(Items, SignalDescriptionEncodesTheInputsFrames) {
    // Colour grading over HDMI: YCbCr 4:2:2, 10 bits, BT.2020, HLG.
    const Bytes g = Hid(kCG).Read(0xFF01010A, 128);
    EXPECT_EQ(g[0] | g[1] << 8, 0x0401);
    EXPECT_EQ(g[18] & 0x0F, 5) << "10 bits per component";
    EXPECT_EQ(Bytes(g.begin() + 34, g.begin() + 42), (Bytes{2, 2, 13, 0x30, 0xE8, 0x60, 96, 0x00}))
        << "AVI: Y=1, C=3 with EC=6, limited range";
    EXPECT_EQ(Bytes(g.begin() + 79, g.begin() + 86), (Bytes{7, 1, 26, 3, 0, 0x48, 0x8A})) << "DRM: HLG; red x 0.708";
    EXPECT_EQ(cx.Write(0xFF01010A, g), DvErrRefused);
}

}  // namespace
}  // namespace dvc::test
