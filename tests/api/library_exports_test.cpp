// Exports about the library and its monitor list.
#include <gtest/gtest.h>

#include <cstring>

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

TEST_F(LibraryExports, SerialProductWalksTheRegistryInKeyOrder) {
    // Byte order, prefix first, serial before model; 0xE9 sorts above ASCII.
    dvc::test::SeedMonitors({{"B0000001", "Zed"}, {"A0000002", "Model"}, {"A0000002", "Mod"},
                             {"\xE9" "0000000", "M"}, {"A0000001", "ABCDEFGHIJKLMNOP"}});
    ASSERT_EQ(DvCtrlGetNumMonitors(), 5);
    const char* expected[][2] = {{"A0000001", "ABCDEFGHIJKLMNOP"}, {"A0000002", "Mod"},
                                 {"A0000002", "Model"}, {"B0000001", "Zed"}, {"\xE9" "0000000", "M"}};
    for (int i = 0; i < 5; ++i) {
        char serial[12], model[20];
        std::memset(serial, 'x', sizeof serial);
        std::memset(model, 'x', sizeof model);
        ASSERT_EQ(DvCtrlGetSerialProduct(i, serial, model), DvOk);
        EXPECT_STREQ(serial, expected[i][0]);
        EXPECT_STREQ(model, expected[i][1]);
        EXPECT_EQ(serial[8], '\0');
        EXPECT_EQ(model[16], '\0');
        EXPECT_EQ(serial[9], 'x') << "wrote past 9 bytes";
        EXPECT_EQ(model[17], 'x') << "wrote past 17 bytes";
    }
}

TEST_F(LibraryExports, SerialProductRejectsBadArgumentsWithoutWriting) {
    dvc::test::SeedMonitors({{"A0000001", "M"}});
    char serial[9] = "unset", model[17] = "unset";
    EXPECT_EQ(DvCtrlGetSerialProduct(1, serial, model), DvErrFailed);
    EXPECT_EQ(DvCtrlGetSerialProduct(-1, serial, model), DvErrFailed);
    EXPECT_EQ(DvCtrlGetSerialProduct(0, nullptr, model), DvErrFailed);
    EXPECT_EQ(DvCtrlGetSerialProduct(0, serial, nullptr), DvErrFailed);
    EXPECT_STREQ(serial, "unset");
    EXPECT_STREQ(model, "unset");
}

TEST(ErrorNames, EveryValueHasItsNameAndOthersAreUnknown) {
    EXPECT_STREQ(DvErrorName(DvErrRefused), "DvErrRefused");
    EXPECT_STREQ(DvErrorName(DvErrWrongLength), "DvErrWrongLength");
    EXPECT_STREQ(DvErrorName(static_cast<int32_t>(0x80000008u)), "DvErrUnknown");
    EXPECT_STREQ(DvErrorName(3), "DvOk");
}
