// The asset tag through its exports.
#include "features/handwritten.hpp"
#include "libdvc/libdvc.h"

namespace dvc::test {
namespace {

class Storage : public SimWorld {};

TEST_F(Storage, AssetTagTextSizeAndEnable) {
    Discover();
    const char* s = kDual.serial;
    const char* m = kDual.model;
    char text[17] = {};
    ExpectRefusedFirst({
        {"no room", [&] { return DvCtrlGetAssetTag(s, m, text, 0); }, DvErrSizeMismatch},
        {"no buffer", [&] { return DvCtrlGetAssetTag(s, m, nullptr, 5); }},
    });
    ASSERT_EQ(DvCtrlGetAssetTag(s, m, text, sizeof text), DvOk);
    EXPECT_STREQ(text, "ASSET-0001");
    EXPECT_EQ(DvCtrlGetAssetTagSize(s, m), 11) << "the text and its NUL";
    char cut[4] = {'x', 'x', 'x', 'x'};
    ASSERT_EQ(DvCtrlGetAssetTag(s, m, cut, sizeof cut), DvOk);
    EXPECT_STREQ(cut, "ASS") << "cut to fit, NUL-terminated";
    EXPECT_EQ(DvCtrlSetEnableAssetTag(s, m, 0), DvOk);
    EXPECT_EQ(DvCtrlGetAssetTagSize("NOPE0000", "NOPE"), 0);
}

}  // namespace
}  // namespace dvc::test
