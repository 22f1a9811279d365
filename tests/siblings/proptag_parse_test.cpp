// Which blocks the parser accepts, and what it reads back from them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "proptag/block_writer.hpp"
#include "proptag_access.hpp"

namespace {

using dvc::proptag::BlockWriter;
using dvc::test::Parse;
using dvc::test::Read;
using Bytes = std::vector<uint8_t>;

class ProptagParse : public ::testing::Test {
protected:
    void SetUp() override { DvpReleaseTagData(); }
    void TearDown() override { DvpReleaseTagData(); }
};

TEST_F(ProptagParse, RoundTripsItemsInAnyOrder) {
    const Bytes block = BlockWriter()
                            .Integer(0x50, 0x0A0B0C0D)
                            .Integer(0x02, 0x1234, 2)
                            .Words(0xFFFF, {3840, 2160})
                            .Bytes(0x0000, {})
                            .Bytes(0x57, {9, 8, 7})
                            .Build();
    ASSERT_EQ(Parse(block), PROPTAG_OK);
    EXPECT_EQ(Read(0x50), (Bytes{0x0D, 0x0C, 0x0B, 0x0A}));
    EXPECT_EQ(Read(0x02), (Bytes{0x34, 0x12}));
    EXPECT_EQ(Read(0xFFFF), (Bytes{0x00, 0x0F, 0x70, 0x08}));
    EXPECT_EQ(Read(0x0000), Bytes{});
    EXPECT_EQ(Read(0x57), (Bytes{9, 8, 7}));
    uint16_t size = 77;
    const uint16_t absent = 0x51;
    EXPECT_EQ(DvpGetTagDataSize(&absent, &size), PROPTAG_ERR_NOT_FOUND);
    EXPECT_EQ(size, 77);
}

TEST_F(ProptagParse, AcceptsTheSmallestAndLargestBlocks) {
    ASSERT_EQ(Parse(BlockWriter().Build()), PROPTAG_OK);
    EXPECT_EQ(Read(0), std::nullopt);

    // 6 header + 4 item header + data + 2 checksum = 0xFFFF bytes.
    Bytes data(0xFFFF - 12);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 7);
    ASSERT_EQ(Parse(BlockWriter().Bytes(0x42, data).Build()), PROPTAG_OK);
    EXPECT_EQ(Read(0x42), data);

    data.push_back(0);
    EXPECT_EQ(Parse(BlockWriter().Bytes(0x43, data).Build()), PROPTAG_ERR_LENGTH);
    EXPECT_EQ(Read(0x42)->size(), data.size() - 1) << "the refused block replaced the good one";
}

// The base block: item 0x02 (2 bytes) at offset 6, item 0x57 (3 bytes) at
// offset 12, checksum at 19.
struct Malformed {
    std::string name;
    std::function<void(Bytes&)> change;
    bool reseal;
    int32_t expected;
};

TEST_F(ProptagParse, MalformedBlocksNameTheRuleBroken) {
    const Bytes base = BlockWriter().Integer(0x02, 7, 2).Bytes(0x57, {1, 2, 3}).Build();
    ASSERT_EQ(base.size(), 21u);
    const auto insertBeforeChecksum = [](Bytes& b, size_t n) { b.insert(b.end() - 2, n, 0); };
    const std::vector<Malformed> cases = {
        {"no bytes", [](Bytes& b) { b.resize(0); }, false, PROPTAG_ERR_LENGTH},
        {"7 bytes", [](Bytes& b) { b.resize(7); }, false, PROPTAG_ERR_LENGTH},
        {"signature P", [](Bytes& b) { b[0] = 'Q'; }, true, PROPTAG_ERR_BAD_SIGNATURE},
        {"signature T", [](Bytes& b) { b[1] = 't'; }, true, PROPTAG_ERR_BAD_SIGNATURE},
        {"version 2", [](Bytes& b) { b[2] = 2; }, true, PROPTAG_ERR_BAD_SIGNATURE},
        {"checksum", [](Bytes& b) { b[20] ^= 0x01; }, false, PROPTAG_ERR_CHECKSUM},
        {"data byte", [](Bytes& b) { b[17] ^= 0x80; }, false, PROPTAG_ERR_CHECKSUM},
        {"data past checksum", [](Bytes& b) { b[14] = 4; }, true, PROPTAG_ERR_TRUNCATED},
        {"length wraps", [](Bytes& b) { b[15] = 0xFF; }, true, PROPTAG_ERR_TRUNCATED},
        {"header past checksum", [&](Bytes& b) { insertBeforeChecksum(b, 3); }, true,
         PROPTAG_ERR_TRUNCATED},
        {"data ends early", [](Bytes& b) { b[14] = 2; }, true, PROPTAG_ERR_TRUNCATED},
        {"extra item", [&](Bytes& b) { insertBeforeChecksum(b, 4); }, true, PROPTAG_ERR_ITEM_COUNT},
        {"count high", [](Bytes& b) { b[4] = 3; }, true, PROPTAG_ERR_ITEM_COUNT},
        {"count low", [](Bytes& b) { b[4] = 1; }, true, PROPTAG_ERR_ITEM_COUNT},
        {"count high byte", [](Bytes& b) { b[5] = 1; }, true, PROPTAG_ERR_ITEM_COUNT},
        {"tag twice", [](Bytes& b) { b[12] = 0x02; b[13] = 0; }, true, PROPTAG_ERR_DUPLICATE_TAG},
    };
    const Bytes reference = BlockWriter().Bytes(0x7777, {5}).Build();
    for (const Malformed& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(Parse(reference), PROPTAG_OK);
        Bytes block = base;
        c.change(block);
        if (c.reseal) BlockWriter::Reseal(block);
        EXPECT_EQ(Parse(block), c.expected);
        EXPECT_EQ(Read(0x7777), Bytes{5}) << "a refused block must keep the previous one";
        EXPECT_EQ(Read(0x02), std::nullopt);
    }
}

TEST_F(ProptagParse, ReservedByteIsNotChecked) {
    Bytes block = BlockWriter().Integer(0x02, 7, 2).Build();
    block[3] = 0x5A;
    BlockWriter::Reseal(block);
    ASSERT_EQ(Parse(block), PROPTAG_OK);
    EXPECT_EQ(Read(0x02), (Bytes{7, 0}));
}

TEST_F(ProptagParse, RefusesEveryTruncation) {
    const Bytes block = BlockWriter().Integer(0x02, 0x01020304).Bytes(0x57, {1, 2, 3}).Build();
    for (uint32_t length = 0; length < block.size(); ++length) {
        EXPECT_LT(DvpTagParse(block.data(), &length), 0) << "length " << length;
    }
}

TEST_F(ProptagParse, NeverReadsPastAnOversizedLength) {
    const Bytes block = BlockWriter().Build();  // 8 bytes; ASan sees any read beyond
    for (const uint32_t length : {0x10000u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        EXPECT_EQ(DvpTagParse(block.data(), &length), PROPTAG_ERR_LENGTH);
    }
    const uint32_t length = 8;
    EXPECT_EQ(DvpTagParse(nullptr, &length), PROPTAG_ERR_INVALID_PARAMETER);
    EXPECT_EQ(DvpTagParse(block.data(), nullptr), PROPTAG_ERR_INVALID_PARAMETER);
}

}  // namespace
