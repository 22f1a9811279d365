// The words of dvctl's command line as values, and suggestions for
// mistyped names.
#include <gtest/gtest.h>

#include <string>

#include "failure.hpp"
#include "name_suggest.hpp"
#include "value_text.hpp"

namespace {

using namespace dvctl;

TEST(DvctlValues, WholeNumbersInTheirWrittenForms) {
    EXPECT_EQ(ParseInt("42"), 42);
    EXPECT_EQ(ParseInt("-5"), -5);
    EXPECT_EQ(ParseInt("+7"), 7);
    EXPECT_EQ(ParseInt("0x1F"), 31);
    EXPECT_EQ(ParseInt("0X10"), 16);
    EXPECT_EQ(ParseInt("-0x10"), -16);
    EXPECT_EQ(ParseInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt("-2147483648"), -2147483647 - 1);
    // A hex number may spell a 32-bit pattern.
    EXPECT_EQ(ParseInt("0xFFFFFFFF"), -1);
    EXPECT_EQ(ParseInt("0x80000000"), -2147483647 - 1);
    EXPECT_EQ(ParseInt("on"), 1);
    EXPECT_EQ(ParseInt("OFF"), 0);
    EXPECT_EQ(ParseInt("true"), 1);
    EXPECT_EQ(ParseInt("no"), 0);
}

TEST(DvctlValues, NotNumbersAreRefusedNamingTheWord) {
    for (const char* bad : {"", "-", "+", "abc", "12abc", "1.5", "0x", "0xG1", "--3", "+-3", " 3", "2147483648",
                            "-2147483649", "0x100000000", "99999999999999999999999"}) {
        try {
            ParseInt(bad);
            ADD_FAILURE() << "\"" << bad << "\" was taken";
        } catch (const UsageError& e) {
            EXPECT_NE(std::string(e.what()).find(std::string("\"") + bad + "\""), std::string::npos) << e.what();
        }
    }
    EXPECT_DOUBLE_EQ(ParseNumber("0.3127"), 0.3127);
    EXPECT_DOUBLE_EQ(ParseNumber("-1e-3"), -0.001);
    for (const char* bad : {"", "x", "0.3.1", "nan", "inf", "1,5"}) EXPECT_THROW(ParseNumber(bad), UsageError) << bad;
}

TEST(DvctlValues, HexBlocksWithAndWithoutSeparators) {
    const std::vector<uint8_t> expected{0x0a, 0x1b, 0xff};
    EXPECT_EQ(ParseHex("0a1bff"), expected);
    EXPECT_EQ(ParseHex("0A1BFF"), expected);
    EXPECT_EQ(ParseHex("0x0a1bff"), expected);
    EXPECT_EQ(ParseHex("0a:1b:ff"), expected);
    EXPECT_EQ(ParseHex("0a 1b-ff"), expected);
    EXPECT_EQ(Hex(expected), "0a1bff");
    EXPECT_EQ(ParseHex(Hex({0, 1, 128, 255})), (std::vector<uint8_t>{0, 1, 128, 255}));
    // Half a byte, a separator inside a byte, a stray character, nothing.
    for (const char* bad : {"0a1", "0:a1b", "0g", "zz", "", "0x", ":"}) EXPECT_THROW(ParseHex(bad), UsageError) << bad;
}

TEST(DvctlSuggest, EditDistanceCountsASwapAsOneEdit) {
    EXPECT_EQ(EditDistance("", ""), 0u);
    EXPECT_EQ(EditDistance("gain", ""), 4u);
    EXPECT_EQ(EditDistance("gain", "gian"), 1u);
    EXPECT_EQ(EditDistance("clock", "lock"), 1u);
    EXPECT_EQ(EditDistance("kitten", "sitting"), 3u);
    EXPECT_EQ(EditDistance("abc", "cba"), 2u);
}

TEST(DvctlSuggest, CloseNamesComeBeforeNamesThatOnlyContainTheWord) {
    const std::vector<std::string> names{"power", "power-led", "power-save-state", "tower", "clock"};
    EXPECT_EQ(Closest("powr", names, 3), (std::vector<std::string>{"power", "tower"}));
    EXPECT_EQ(Closest("powe", names, 3), (std::vector<std::string>{"power", "tower", "power-led"}));
    EXPECT_EQ(Closest("save", names, 3), (std::vector<std::string>{"power-save-state"}));
    EXPECT_EQ(Closest("power", names, 1), (std::vector<std::string>{"power"}));
    EXPECT_TRUE(Closest("brightness", names, 3).empty());
}

}  // namespace
