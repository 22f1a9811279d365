#include "paths/identification_block.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using dvc::paths::SplitIdentificationBlock;

namespace {
std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }
}  // namespace

TEST(IdentificationBlock, SerialIsFirstEightBytesAndModelTheRestTrimmed) {
    const auto pair = SplitIdentificationBlock(Bytes(std::string("ABCDEFGH12345  \0\0", 17)));
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->serial, "ABCDEFGH");
    EXPECT_EQ(pair->model, "12345");
}

TEST(IdentificationBlock, ExactlyEightBytesGiveAnEmptyModel) {
    const auto pair = SplitIdentificationBlock(Bytes("ABCDEFGH"));
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->serial, "ABCDEFGH");
    EXPECT_EQ(pair->model, "");
}

TEST(IdentificationBlock, ShorterThanEightBytesNamesNothing) {
    EXPECT_FALSE(SplitIdentificationBlock(Bytes("ABCDEFG")));
    EXPECT_FALSE(SplitIdentificationBlock({}));
}

TEST(IdentificationBlock, InnerBlanksStayButPaddingOfEitherKindGoes) {
    const auto spaces = SplitIdentificationBlock(Bytes("00000001CG 279X    "));
    const auto nuls = SplitIdentificationBlock(Bytes(std::string("00000001CG 279X\0\0\0\0", 19)));
    const auto mixed = SplitIdentificationBlock(Bytes(std::string("00000001CG 279X \0 \0", 19)));
    ASSERT_TRUE(spaces && nuls && mixed);
    EXPECT_EQ(spaces->model, "CG 279X");
    EXPECT_EQ(nuls->model, spaces->model);
    EXPECT_EQ(mixed->model, spaces->model);
}

// The names travel as C strings: a host could never name the part behind
// a NUL, so neither is kept.
TEST(IdentificationBlock, NamesEndAtTheirFirstNul) {
    const auto pair = SplitIdentificationBlock(Bytes(std::string("1234\0\0\0\0AB\0CD", 13)));
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->serial, "1234");
    EXPECT_EQ(pair->model, "AB");
}
