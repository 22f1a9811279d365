// Exports about the library itself, its monitor list and its result codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "libdvc/dvc_errors.h"
#include "libdvc/libdvc.h"
#include "support/registry_seam.hpp"

namespace {
class LibraryExports : public ::testing::Test {
protected:
    void TearDown() override { dvc::test::ResetLibrary(); }
};
}  // namespace

TEST_F(LibraryExports, VersionAndStringSizeNeedNoMonitor) {
    dvc::test::ResetLibrary();
    EXPECT_EQ(DvCtrlVersion(), 0x01440000u);
    EXPECT_EQ(DvCtrlGetOSDDisplayFirmwareVersionsStringSize(3), 18);
    EXPECT_EQ(DvCtrlGetOSDDisplayFirmwareVersionsStringSize(0), 0);
    EXPECT_EQ(DvCtrlGetNumMonitors(), 0);
}

// Registry order: byte order of the serial number, then of the model name;
// a prefix sorts first and 0xE9 above ASCII. Copies are exactly 9 and 17
// bytes, cut so that the last one is a NUL.
TEST_F(LibraryExports, SerialProductWalksTheRegistryInKeyOrderWithFixedSizeCopies) {
    dvc::test::SeedMonitors({{"B0000001", "Zed"}, {"A0000002", "Model"}, {"A0000002", "Mod"},
                             {"\xE9" "0000000", "M"}, {"A0000001", "ABCDEFGHIJKLMNOPQ"}, {"A00000012", "Z"}});
    ASSERT_EQ(DvCtrlGetNumMonitors(), 6);
    const char* expected[][2] = {{"A0000001", "ABCDEFGHIJKLMNOP"}, {"A0000001", "Z"}, {"A0000002", "Mod"},
                                 {"A0000002", "Model"}, {"B0000001", "Zed"}, {"\xE9" "0000000", "M"}};
    for (int i = 0; i < 6; ++i) {
        char serial[12], model[20];
        std::memset(serial, 'x', sizeof serial);
        std::memset(model, 'x', sizeof model);
        ASSERT_EQ(DvCtrlGetSerialProduct(i, serial, model), DvOk);
        EXPECT_STREQ(serial, expected[i][0]) << i;
        EXPECT_STREQ(model, expected[i][1]) << i;
        EXPECT_EQ(std::count(serial, serial + 9, '\0'), 9 - std::strlen(serial)) << "not padded with NULs";
        EXPECT_EQ(std::count(model, model + 17, '\0'), 17 - std::strlen(model)) << "not padded with NULs";
        EXPECT_EQ(serial[9], 'x') << "wrote past 9 bytes";
        EXPECT_EQ(model[17], 'x') << "wrote past 17 bytes";
    }
    char serial[9] = "unset", model[17] = "unset";
    EXPECT_EQ(DvCtrlGetSerialProduct(6, serial, model), DvErrFailed);
    EXPECT_EQ(DvCtrlGetSerialProduct(-1, serial, model), DvErrFailed);
    EXPECT_EQ(DvCtrlGetSerialProduct(0, nullptr, model), DvErrFailed);
    EXPECT_EQ(DvCtrlGetSerialProduct(0, serial, nullptr), DvErrFailed);
    EXPECT_STREQ(serial, "unset");
    EXPECT_STREQ(model, "unset");
}

TEST(ErrorNames, EveryListedValueHasItsNameAndTextAndOthersAreUnknown) {
    struct Listed {
        const char* name;
        uint32_t value;
        const char* text;
    };
#define DVC_LISTED(name, value, text) Listed{#name, value, text},
    const Listed listed[] = {DVC_ERROR_LIST(DVC_LISTED)};
#undef DVC_LISTED
    for (const auto& e : listed) {
        const auto code = static_cast<int32_t>(e.value);
        EXPECT_STREQ(DvErrorName(code), e.name);
        EXPECT_STREQ(DvErrorText(code), e.text);
        EXPECT_TRUE(code < 0 || e.value == 0u) << e.name << ": failures are negative";
    }
    for (const uint32_t unknown : {0x80000008u, 0x8000000Cu, 0xFFFFFFFFu}) {
        EXPECT_STREQ(DvErrorName(static_cast<int32_t>(unknown)), "DvErrUnknown");
        EXPECT_STREQ(DvErrorText(static_cast<int32_t>(unknown)), "Unknown error.");
    }
    EXPECT_STREQ(DvErrorName(3), "DvOk");
    EXPECT_STREQ(DvErrorText(3), "Success.");
}
