// proptag through its C functions: which blocks the parser accepts, what it
// reads back from them, and which block is current.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "proptag/block_writer.hpp"
#include "proptag/proptag.h"

namespace dvc::test {
namespace {

using proptag::BlockWriter;
using Bytes = std::vector<uint8_t>;

int32_t Parse(const Bytes& block) {
    const auto length = static_cast<uint32_t>(block.size());
    return DvpTagParse(block.data(), &length);
}

// The item's bytes through a buffer of its exact size; nullopt when any
// read fails or disagrees with the size reported.
std::optional<Bytes> Read(uint16_t tag) {
    uint16_t size = 0;
    if (DvpGetTagDataSize(&tag, &size) < 0) return std::nullopt;
    Bytes data(size + 1u);  // never empty, so data() is never null
    uint16_t capacity = size;
    if (DvpGetTagData(&tag, data.data(), &capacity) != size || capacity != size) return std::nullopt;
    data.resize(size);
    return data;
}

class Proptag : public ::testing::Test {
protected:
    void TearDown() override { DvpReleaseTagData(); }
};

TEST_F(Proptag, RoundTripsItemsAndANewBlockReplacesTheCurrentOne) {
    BlockWriter writer;
    writer.Integer(0x50, 0x0A0B0C0D).Integer(0x02, 0x1234, 2).Words(0xFFFF, {3840, 2160}).Bytes(0, {});
    Bytes block = writer.Bytes(0x57, {9, 8, 7}).Build();
    block[3] = 0x5A;  // the reserved byte is not checked
    BlockWriter::Reseal(block);
    ASSERT_EQ(Parse(block), PROPTAG_OK);
    std::fill(block.begin(), block.end(), 0);  // the block was copied
    EXPECT_EQ(Read(0x50), (Bytes{0x0D, 0x0C, 0x0B, 0x0A}));
    EXPECT_EQ(Read(0x02), (Bytes{0x34, 0x12}));
    EXPECT_EQ(Read(0xFFFF), (Bytes{0x00, 0x0F, 0x70, 0x08}));
    EXPECT_EQ(Read(0x0000), Bytes{});
    EXPECT_EQ(Read(0x57), (Bytes{9, 8, 7}));

    ASSERT_EQ(Parse(BlockWriter().Bytes(0x10, {7}).Build()), PROPTAG_OK);
    EXPECT_EQ(Read(0x57), std::nullopt);
    EXPECT_EQ(Read(0x10), Bytes{7});
}

TEST_F(Proptag, AcceptsTheSmallestAndLargestBlocksAndNoLength) {
    ASSERT_EQ(Parse(BlockWriter().Build()), PROPTAG_OK);
    EXPECT_EQ(Read(0), std::nullopt);
    Bytes data(0xFFFF - 12);  // 6 header + 4 item header + data + 2 checksum = 0xFFFF bytes
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 7);
    ASSERT_EQ(Parse(BlockWriter().Bytes(0x42, data).Build()), PROPTAG_OK);
    EXPECT_EQ(Read(0x42), data);
    const Bytes largest = data;
    data.push_back(0);
    EXPECT_EQ(Parse(BlockWriter().Bytes(0x43, data).Build()), PROPTAG_ERR_LENGTH);

    const Bytes block = BlockWriter().Integer(0x02, 0x01020304).Bytes(0x57, {1, 2, 3}).Build();
    for (uint32_t length = 0; length < block.size(); ++length)
        EXPECT_LT(DvpTagParse(block.data(), &length), 0) << "truncated to " << length;
    for (const uint32_t length : {0x10000u, 0x7FFFFFFFu, 0xFFFFFFFFu})  // ASan sees any read beyond
        EXPECT_EQ(DvpTagParse(block.data(), &length), PROPTAG_ERR_LENGTH);
    const uint32_t length = 8;
    EXPECT_EQ(DvpTagParse(nullptr, &length), PROPTAG_ERR_INVALID_PARAMETER);
    EXPECT_EQ(DvpTagParse(block.data(), nullptr), PROPTAG_ERR_INVALID_PARAMETER);
    EXPECT_EQ(Read(0x42), largest) << "no refused block replaced the good one";
}

// The base block: item 0x02 (2 bytes) at offset 6, item 0x57 (3 bytes) at
// offset 12, checksum at 19.
TEST_F(Proptag, MalformedBlocksNameTheRuleBrokenAndKeepThePreviousBlock) {
    const Bytes base = BlockWriter().Integer(0x02, 7, 2).Bytes(0x57, {1, 2, 3}).Build();
    ASSERT_EQ(base.size(), 21u);
    const auto insert = [](size_t n) { return [n](Bytes& b) { b.insert(b.end() - 2, n, 0); }; };
    const struct {
        std::string name;
        std::function<void(Bytes&)> change;
        bool reseal;
        int32_t expected;
    } cases[] = {
        {"no bytes", [](Bytes& b) { b.resize(0); }, false, PROPTAG_ERR_LENGTH},
        {"7 bytes", [](Bytes& b) { b.resize(7); }, false, PROPTAG_ERR_LENGTH},
        {"signature P", [](Bytes& b) { b[0] = 'Q'; }, true, PROPTAG_ERR_BAD_SIGNATURE},
        {"version 2", [](Bytes& b) { b[2] = 2; }, true, PROPTAG_ERR_BAD_SIGNATURE},
        {"checksum", [](Bytes& b) { b[20] ^= 0x01; }, false, PROPTAG_ERR_CHECKSUM},
        {"data past checksum", [](Bytes& b) { b[14] = 4; }, true, PROPTAG_ERR_TRUNCATED},
        {"length wraps", [](Bytes& b) { b[15] = 0xFF; }, true, PROPTAG_ERR_TRUNCATED},
        {"header past checksum", insert(3), true, PROPTAG_ERR_TRUNCATED},
        {"data ends early", [](Bytes& b) { b[14] = 2; }, true, PROPTAG_ERR_TRUNCATED},
        {"extra item", insert(4), true, PROPTAG_ERR_ITEM_COUNT},
        {"count high", [](Bytes& b) { b[4] = 3; }, true, PROPTAG_ERR_ITEM_COUNT},
        {"count low", [](Bytes& b) { b[4] = 1; }, true, PROPTAG_ERR_ITEM_COUNT},
        {"tag twice", [](Bytes& b) { b[12] = 0x02, b[13] = 0; }, true, PROPTAG_ERR_DUPLICATE_TAG},
    };
    ASSERT_EQ(Parse(BlockWriter().Bytes(0x7777, {5}).Build()), PROPTAG_OK);
    for (const auto& c : cases) {
        Bytes block = base;
        c.change(block);
        if (c.reseal) BlockWriter::Reseal(block);
        EXPECT_EQ(Parse(block), c.expected) << c.name;
        EXPECT_EQ(Read(0x7777), Bytes{5}) << c.name << ": a refused block must keep the previous one";
    }
}

TEST_F(Proptag, AShortBufferGetsTheFirstBytesAndTheFullLengthAndAFailedReadWritesNothing) {
    const uint16_t tag = 0x3B, absent = 0x3C;
    ASSERT_EQ(Parse(BlockWriter().Bytes(tag, {1, 2, 3, 4, 5}).Build()), PROPTAG_OK);
    for (uint16_t capacity : {0, 2, 5, 6}) {
        Bytes buffer(6, 0xEE), expected(6, 0xEE);
        uint16_t size = capacity;
        for (uint8_t i = 0; i < std::min<uint16_t>(capacity, 5); ++i) expected[i] = i + 1;
        EXPECT_EQ(DvpGetTagData(&tag, buffer.data(), &size), 5);
        EXPECT_EQ(size, std::min<uint16_t>(capacity, 5));
        EXPECT_EQ(buffer, expected) << capacity;
    }
    Bytes buffer(8, 0xEE);
    uint16_t size = 8;
    for (const int32_t r : {DvpGetTagDataSize(&absent, &size), DvpGetTagData(&absent, buffer.data(), &size)})
        EXPECT_EQ(r, PROPTAG_ERR_NOT_FOUND);
    for (const int32_t r : {DvpGetTagDataSize(nullptr, &size), DvpGetTagDataSize(&tag, nullptr),
                            DvpGetTagData(nullptr, buffer.data(), &size), DvpGetTagData(&tag, nullptr, &size),
                            DvpGetTagData(&tag, buffer.data(), nullptr)})
        EXPECT_EQ(r, PROPTAG_ERR_INVALID_PARAMETER);
    DvpReleaseTagData();
    DvpReleaseTagData();  // a second release is harmless
    for (const int32_t r : {DvpGetTagDataSize(&tag, &size), DvpGetTagData(&tag, buffer.data(), &size)})
        EXPECT_EQ(r, PROPTAG_ERR_NO_BLOCK);
    EXPECT_EQ(size, 8);
    EXPECT_EQ(buffer, Bytes(8, 0xEE));
}

}  // namespace
}  // namespace dvc::test
