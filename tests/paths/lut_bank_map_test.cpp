#include "paths/lut_bank_map.hpp"

#include <gtest/gtest.h>

using dvc::paths::LutFirstBlock;

// Bank 0 is bank 1 moved up by 0x80 for every table, table 10 included.
TEST(LutBankMap, BankZeroIsBankOneMovedUp) {
    EXPECT_EQ(LutFirstBlock(1, 5), 0x28);
    for (uint32_t table = 0; table <= 10; ++table) {
        ASSERT_TRUE(LutFirstBlock(1, table));
        EXPECT_EQ(*LutFirstBlock(0, table), *LutFirstBlock(1, table) + 0x80) << "table " << table;
    }
}

TEST(LutBankMap, UnknownBankOrTableHasNoBlocks) {
    EXPECT_FALSE(LutFirstBlock(2, 0));
    EXPECT_FALSE(LutFirstBlock(0, 11));
    EXPECT_FALSE(LutFirstBlock(0xFFFFFFFFu, 0xFFFFFFFFu));
}
