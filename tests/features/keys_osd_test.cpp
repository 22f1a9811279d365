// The centre cross marker and the key push counter through their exports.
#include <functional>

#include "features/handwritten.hpp"
#include "libdvc/libdvc.h"
#include "paths/feature_codes.hpp"
#include "support/wait_recorder.hpp"

namespace dvc::test {
namespace {

using namespace dvc::codes;

class KeysOsd : public SimWorld {
protected:
    WaitRecorder waits;
};

TEST_F(KeysOsd, MarkerAndKeyCountsEndToEnd) {
    Discover();
    const char* s = kGrading.serial;
    const char* m = kGrading.model;
    int count = -1;
    ExpectRefusedFirst({
        {"a negative key", [&] { return DvCtrlGetKeyPushCount(s, m, -1, &count); }},
        {"a key beyond a byte", [&] { return DvCtrlGetKeyPushCount(s, m, 256, &count); }},
        {"no count", [&] { return DvCtrlGetKeyPushCount(s, m, 0, nullptr); }},
    });
    EXPECT_EQ(DvCtrlShowCenterCrossMarker(s, m), DvOk);
    EXPECT_EQ(Stored(kGrading, kCenterCrossMarker), 0x7Fu);
    EXPECT_EQ(DvCtrlHideCenterCrossMarker(s, m), DvOk);
    EXPECT_EQ(Stored(kGrading, kCenterCrossMarker), 0u);
    EXPECT_EQ(waits.pauses, std::vector<uint32_t>{200}) << "shown, then a pause for it to appear";
    EXPECT_EQ(DvCtrlGetKeyPushCount(s, m, 1, &count), DvOk);
    EXPECT_GE(count, 0);
    EXPECT_EQ(DvCtrlHideCenterCrossMarker(kOffice.serial, kOffice.model), DvErrFailed) << "no marker";
}

TEST_F(KeysOsd, KeysPatchesAnalyzerAndVersionsEndToEnd) {
    Discover();
    const char* cs = kDual.serial;
    const char* cm = kDual.model;
    int key = -1;
    EXPECT_EQ(DvCtrlEnumVirtualKey(cs, cm, 3, &key), DvOk);
    EXPECT_EQ(key, 3);
    EXPECT_EQ(DvCtrlEnumVirtualKey(cs, cm, 16, &key), DvErrNoMoreItems) << "16 front keys";
    EXPECT_EQ(DvCtrlShowIndicatorOSD(cs, cm), DvOk);
    EXPECT_EQ(Writes().back().code, kVirtualKey);
    int keys[4] = {}, count = 0;
    EXPECT_EQ(DvCtrlGetAvailableDsCustomKeyLock(cs, cm, keys, 4, &count), DvOk);
    EXPECT_EQ(std::vector<int>(keys, keys + count), std::vector<int>({0, 1, 4}));
    EXPECT_EQ(DvCtrlSupportedDsCustomKeyLock(cs, cm), 1);
    EXPECT_EQ(DvCtrlSupportedDsCustomKeyLock(kGrading.serial, kGrading.model), 0);

    const char* gs = kGrading.serial;
    const char* gm = kGrading.model;
    const struct {
        std::function<DvError()> call;
        std::vector<uint8_t> block;
    } patches[] = {
        {[&] { return DvCtrlShowColorPatch(gs, gm, 10, 20, 30); }, {2, 10, 20, 30}},
        {[&] { return DvCtrlShowColorPatchFixed(gs, gm, 5); }, {1, 5, 0, 0}},
        {[&] { return DvCtrlHideColorPatch(gs, gm); }, {0, 0, 0, 0}},
    };
    for (const auto& p : patches) {
        EXPECT_EQ(p.call(), DvOk);
        EXPECT_EQ(Writes().back().code, kColorPatchFixed);
        EXPECT_EQ(Writes().back().data, p.block);
    }
    ExpectRefusedFirst({{"a component beyond a byte", [&] { return DvCtrlShowColorPatch(gs, gm, 0, 256, 0); }}});
    int bits = 0;
    EXPECT_EQ(DvCtrlGetColorPatchBitDepth(gs, gm, &bits), DvOk);
    EXPECT_EQ(DvCtrlGetColorPatchBitDepth(cs, cm, &bits), DvErrNotSupported);

    const char* ms = kMedical.serial;
    const char* mm = kMedical.model;
    DvPixelErrorAnalyzerInfo info{};
    EXPECT_EQ(DvCtrlStartPixelErrorAnalyzer(ms, mm), DvOk);
    EXPECT_EQ(DvCtrlGetPixelErrorAnalyzerInfo(ms, mm, &info), DvOk);
    EXPECT_EQ(info.running, 1);
    EXPECT_EQ(DvCtrlStopPixelErrorAnalyzer(ms, mm), DvOk);
    EXPECT_EQ(Writes().back().data.at(0), 0) << "target given back";

    EXPECT_EQ(DvCtrlGetOSDDisplayFirmwareVersionsCount(cs, cm), 2);
    char text[12] = {};
    ASSERT_EQ(DvCtrlGetOSDDisplayFirmwareVersionsStringSize(2), static_cast<int>(sizeof text));
    EXPECT_EQ(DvCtrlGetOSDDisplayFirmwareVersionsString(cs, cm, text, 2), DvOk);
    EXPECT_STREQ(text, "01042 00211");
}

}  // namespace
}  // namespace dvc::test
