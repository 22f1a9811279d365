// Exports about the library itself and its result codes.
#include <gtest/gtest.h>

#include <tuple>

#include "libdvc/dvc_errors.h"
#include "libdvc/libdvc.h"

TEST(LibraryExports, VersionAndStringSizeNeedNoMonitor) {
    EXPECT_EQ(DvCtrlVersion(), 0x01440000u);
    EXPECT_EQ(DvCtrlGetOSDDisplayFirmwareVersionsStringSize(3), 18);
    EXPECT_EQ(DvCtrlGetOSDDisplayFirmwareVersionsStringSize(0), 0);
}

TEST(ErrorNames, EveryListedValueHasItsNameAndTextAndOthersAreUnknown) {
#define DVC_LISTED(name, value, text) {#name, static_cast<int32_t>(value), text},
    const std::tuple<const char*, int32_t, const char*> listed[] = {DVC_ERROR_LIST(DVC_LISTED)};
#undef DVC_LISTED
    for (const auto& [name, code, text] : listed) {
        EXPECT_STREQ(DvErrorName(code), name);
        EXPECT_STREQ(DvErrorText(code), text);
        EXPECT_TRUE(code < 0 || code == DvOk) << name << ": failures are negative";
    }
    for (const uint32_t unknown : {0x80000008u, 0x8000000Cu, 0xFFFFFFFFu}) {
        EXPECT_STREQ(DvErrorName(static_cast<int32_t>(unknown)), "DvErrUnknown");
        EXPECT_STREQ(DvErrorText(static_cast<int32_t>(unknown)), "Unknown error.");
    }
    EXPECT_STREQ(DvErrorName(3), "DvOk");
    EXPECT_STREQ(DvErrorText(3), "Success.");
}
