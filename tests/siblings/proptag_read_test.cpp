// Reading items of the current block: buffer sizes, absent items and
// which block is current.
#include <gtest/gtest.h>

#include "proptag/block_writer.hpp"
#include "proptag_access.hpp"

namespace {

using dvc::proptag::BlockWriter;
using dvc::test::Parse;
using dvc::test::Read;
using Bytes = std::vector<uint8_t>;

class ProptagRead : public ::testing::Test {
protected:
    void SetUp() override {
        DvpReleaseTagData();
        ASSERT_EQ(Parse(BlockWriter().Bytes(kTag, {1, 2, 3, 4, 5}).Build()), PROPTAG_OK);
    }
    void TearDown() override { DvpReleaseTagData(); }

    static constexpr uint16_t kTag = 0x3B;
};

TEST_F(ProptagRead, ShortBufferGetsTheFirstBytesAndTheFullLength) {
    struct Case {
        uint16_t capacity;
        uint16_t copied;
        Bytes buffer;
    };
    for (const Case& c : {Case{0, 0, {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}},
                          Case{2, 2, {1, 2, 0xEE, 0xEE, 0xEE, 0xEE}},
                          Case{5, 5, {1, 2, 3, 4, 5, 0xEE}},
                          Case{6, 5, {1, 2, 3, 4, 5, 0xEE}}}) {
        SCOPED_TRACE(c.capacity);
        Bytes buffer(6, 0xEE);
        uint16_t size = c.capacity;
        EXPECT_EQ(DvpGetTagData(&kTag, buffer.data(), &size), 5);
        EXPECT_EQ(size, c.copied);
        EXPECT_EQ(buffer, c.buffer);
    }
}

TEST_F(ProptagRead, FailuresWriteNothing) {
    Bytes buffer(8, 0xEE);
    uint16_t size = 8;
    const uint16_t absent = kTag + 1;
    EXPECT_EQ(DvpGetTagDataSize(&absent, &size), PROPTAG_ERR_NOT_FOUND);
    EXPECT_EQ(DvpGetTagData(&absent, buffer.data(), &size), PROPTAG_ERR_NOT_FOUND);
    EXPECT_EQ(DvpGetTagDataSize(nullptr, &size), PROPTAG_ERR_INVALID_PARAMETER);
    EXPECT_EQ(DvpGetTagDataSize(&kTag, nullptr), PROPTAG_ERR_INVALID_PARAMETER);
    EXPECT_EQ(DvpGetTagData(nullptr, buffer.data(), &size), PROPTAG_ERR_INVALID_PARAMETER);
    EXPECT_EQ(DvpGetTagData(&kTag, nullptr, &size), PROPTAG_ERR_INVALID_PARAMETER);
    EXPECT_EQ(DvpGetTagData(&kTag, buffer.data(), nullptr), PROPTAG_ERR_INVALID_PARAMETER);

    DvpReleaseTagData();
    DvpReleaseTagData();  // a second release is harmless
    EXPECT_EQ(DvpGetTagDataSize(&kTag, &size), PROPTAG_ERR_NO_BLOCK);
    EXPECT_EQ(DvpGetTagData(&kTag, buffer.data(), &size), PROPTAG_ERR_NO_BLOCK);
    EXPECT_EQ(size, 8);
    EXPECT_EQ(buffer, Bytes(8, 0xEE));
}

TEST_F(ProptagRead, ANewBlockReplacesTheCurrentOne) {
    ASSERT_EQ(Parse(BlockWriter().Bytes(0x10, {7}).Build()), PROPTAG_OK);
    EXPECT_EQ(Read(kTag), std::nullopt);
    EXPECT_EQ(Read(0x10), Bytes{7});
}

TEST_F(ProptagRead, TheBlockIsCopiedAtParse) {
    Bytes block = BlockWriter().Bytes(0x10, {7, 8}).Build();
    ASSERT_EQ(Parse(block), PROPTAG_OK);
    std::fill(block.begin(), block.end(), 0);
    block.clear();
    block.shrink_to_fit();
    EXPECT_EQ(Read(0x10), (Bytes{7, 8}));
}

}  // namespace
