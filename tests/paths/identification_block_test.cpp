#include "paths/identification_block.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::string Split(const std::string& block) {
    const std::vector<uint8_t> bytes(block.begin(), block.end());
    const auto pair = dvc::paths::SplitIdentificationBlock(bytes);
    return pair ? pair->serial + "|" + pair->model : "none";
}
}  // namespace

TEST(IdentificationBlock, SerialIsEightBytesAndModelLosesItsPadding) {
    EXPECT_EQ(Split(std::string("ABCDEFGH12345  \0\0", 17)), "ABCDEFGH|12345");
    EXPECT_EQ(Split(std::string("00000001CG 279X \0 \0", 19)), "00000001|CG 279X");
    EXPECT_EQ(Split("ABCDEFGH"), "ABCDEFGH|");
}

TEST(IdentificationBlock, ShorterThanEightBytesNamesNothing) {
    EXPECT_EQ(Split("ABCDEFG"), "none");
    EXPECT_EQ(Split(""), "none");
}

// The names travel as C strings: a host could never name what follows a
// NUL, so neither name keeps it.
TEST(IdentificationBlock, NamesEndAtTheirFirstNul) {
    EXPECT_EQ(Split(std::string("1234\0\0\0\0AB\0CD", 13)), "1234|AB");
}
