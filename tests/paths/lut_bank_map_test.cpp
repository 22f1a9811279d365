#include "paths/lut_bank_map.hpp"

#include <gtest/gtest.h>

using dvc::paths::LutFirstBlock;

TEST(LutBankMap, KnownTablesOfBothBanks) {
    EXPECT_EQ(LutFirstBlock(0, 0), 0x80);
    EXPECT_EQ(LutFirstBlock(0, 5), 0xA8);
    EXPECT_EQ(LutFirstBlock(0, 7), 0xB0);
    EXPECT_EQ(LutFirstBlock(1, 0), 0x00);
    EXPECT_EQ(LutFirstBlock(1, 5), 0x28);
    EXPECT_EQ(LutFirstBlock(1, 10), 0x0C);
}

TEST(LutBankMap, SharedTablesShareTheirBlocks) {
    for (uint32_t bank = 0; bank < 2; ++bank) {
        EXPECT_EQ(LutFirstBlock(bank, 4), LutFirstBlock(bank, 1));
        EXPECT_EQ(LutFirstBlock(bank, 8), LutFirstBlock(bank, 1));
        EXPECT_EQ(LutFirstBlock(bank, 9), LutFirstBlock(bank, 2));
        EXPECT_EQ(LutFirstBlock(bank, 10), LutFirstBlock(bank, 3));
    }
}

TEST(LutBankMap, BankZeroIsBankOneMovedUp) {
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
