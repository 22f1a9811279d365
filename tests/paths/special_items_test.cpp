// Per-path operations on blocks, requests and selections: asset tag, key
// push count, image-in-image areas, output segments, USB and target
// selection, reset and save, primaries from controls or EDID.
#include <gtest/gtest.h>

#include <cstring>

#include "libdvc/dvc_modes_inputs.h"
#include "paths/fake_path.hpp"
#include "paths/wait_recorder.hpp"

using dvc::test::FakePath;
using dvc::test::WaitRecorder;

namespace {

constexpr uint32_t kAssetTag = 0x12;

std::vector<uint8_t> AssetBlock(uint8_t enable, const std::string& text) {
    std::vector<uint8_t> block(17, 0);
    block[0] = enable;
    std::memcpy(block.data() + 1, text.data(), std::min<size_t>(text.size(), 16));
    return block;
}

class Items : public ::testing::Test {
protected:
    WaitRecorder waits;
    FakePath path;
};

TEST_F(Items, AssetTagSizeCountsTheTerminator) {
    int size = -1;
    path.Set(kAssetTag).data = AssetBlock(1, "");
    EXPECT_EQ(path.GetAssetTagSize(&size), DvOk);
    EXPECT_EQ(size, 0);
    path.features[kAssetTag].data = AssetBlock(1, "A");
    EXPECT_EQ(path.GetAssetTagSize(&size), DvOk);
    EXPECT_EQ(size, 2);
    path.features[kAssetTag].data = AssetBlock(0, "0123456789ABCDEF");
    EXPECT_EQ(path.GetAssetTagSize(&size), DvOk);
    EXPECT_EQ(size, 17) << "sixteen characters without a terminator in the block";
    for (const auto& call : path.CallsOf("ReadData", kAssetTag)) EXPECT_EQ(call.value, 17u);
    EXPECT_EQ(path.GetAssetTagSize(nullptr), DvErrInvalidParameter);
}

TEST_F(Items, AssetTagCopiesAtMostSizeMinusOne) {
    path.Set(kAssetTag).data = AssetBlock(1, "0123456789ABCDEF");
    char buffer[20];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(path.GetAssetTag(buffer, 5), DvOk);
    EXPECT_STREQ(buffer, "0123");
    EXPECT_EQ(buffer[5], 'x') << "nothing past the given size is touched";
    EXPECT_EQ(path.GetAssetTag(buffer, 20), DvOk);
    EXPECT_STREQ(buffer, "0123456789ABCDEF");

    path.features[kAssetTag].data = AssetBlock(1, std::string("AB\0CD", 5));
    EXPECT_EQ(path.GetAssetTag(buffer, 20), DvOk);
    EXPECT_EQ(std::memcmp(buffer, "AB\0\0\0", 5), 0) << "the text ends at its terminator";

    path.calls.clear();
    EXPECT_EQ(path.GetAssetTag(buffer, 0), DvErrSizeMismatch);
    EXPECT_TRUE(path.calls.empty());

    path.results[{"ReadData", kAssetTag}] = {DvErrFailed};
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(path.GetAssetTag(buffer, 20), DvErrFailed);
    EXPECT_EQ(buffer[0], 'x');
}

TEST_F(Items, EnableAssetTagRewritesTheWholeBlock) {
    path.Set(kAssetTag).data = AssetBlock(0, "DESK-7");
    EXPECT_EQ(path.SetEnableAssetTag(1), DvOk);
    auto writes = path.CallsOf("WriteData", kAssetTag);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].bytes, AssetBlock(1, "DESK-7"));
    EXPECT_EQ(path.SetEnableAssetTag(2), DvOk);
    EXPECT_EQ(path.features[kAssetTag].data, AssetBlock(0, "DESK-7")) << "only 1 enables";

    path.calls.clear();
    path.results[{"ReadData", kAssetTag}] = {DvErrFailed};
    EXPECT_EQ(path.SetEnableAssetTag(1), DvErrFailed);
    EXPECT_TRUE(path.CallsOf("WriteData", kAssetTag).empty()) << "an unread block is not written back";
}

TEST_F(Items, KeyPushCountRequestAndReply) {
    constexpr uint32_t code = 0xFF01006F;
    path.Set(code);
    path.results[{"ReadData", code}] = {};
    int count = 0;
    // The fake answers a read with what was last written; script the reply.
    path.results[{"WriteData", code}] = {DvOk};
    EXPECT_EQ(path.GetKeyPushCount(5, &count), DvOk);
    const auto request = path.CallsOf("WriteData", code);
    ASSERT_EQ(request.size(), 1u);
    EXPECT_EQ(request[0].bytes, (std::vector<uint8_t>{5, 0, 0}));

    path.features[code].data = {0x00, 0x34, 0x12};
    path.results[{"WriteData", code}] = {DvErrRefused};
    // A refused request still leads to the read; the fake then keeps the data.
    EXPECT_EQ(path.GetKeyPushCount(5, &count), DvOk);
    EXPECT_EQ(count, 0x1234);

    path.results[{"WriteData", code}] = {DvErrFailed};
    EXPECT_EQ(path.GetKeyPushCount(5, &count), DvErrFailed);
    path.results[{"WriteData", code}] = {DvErrRefused};
    path.features[code].data = {0xFF, 0x34, 0x12};
    count = 7;
    EXPECT_EQ(path.GetKeyPushCount(9, &count), DvErrFailed) << "0xFF names no key";
    EXPECT_EQ(count, 7);
    EXPECT_EQ(path.GetKeyPushCount(9, nullptr), DvErrInvalidParameter);
}

TEST_F(Items, IISAreaIsBoundedByTheCountAndDecoded) {
    constexpr uint32_t select = 0xFF0000F7, data = 0xFF0000F8;
    path.Set(select).maximum = 2;
    path.Set(data).data = {1, 2, 3, 0xEE, 0x10, 0x00, 0x20, 0x01, 0x80, 0x07, 0x38, 0x04};
    DvIISArea area{};
    EXPECT_EQ(path.GetIISArea(2, &area), DvErrInvalidParameter);
    EXPECT_TRUE(path.CallsOf("WriteValue", select).empty());
    EXPECT_EQ(path.GetIISArea(1, &area), DvOk);
    EXPECT_EQ(path.CallsOf("WriteValue", select)[0].value, 1u);
    EXPECT_EQ(path.CallsOf("ReadData", data)[0].value, 12u);
    EXPECT_EQ(area.setting[0], 1u);
    EXPECT_EQ(area.setting[2], 3u);
    EXPECT_EQ(area.geometry[0], 0x10u);
    EXPECT_EQ(area.geometry[1], 0x120u);
    EXPECT_EQ(area.geometry[2], 0x780u);
    EXPECT_EQ(area.geometry[3], 0x438u);

    // Without a count the index goes to the monitor to judge.
    path.results[{"ReadFixedData", select}] = {DvErrFailed};
    path.results[{"WriteValue", select}] = {DvErrInvalidParameter};
    EXPECT_EQ(path.GetIISArea(9, &area), DvErrInvalidParameter);
    EXPECT_EQ(path.CallsOf("WriteValue", select).back().value, 9u);
}

TEST_F(Items, OutputSegmentRecordsAndTheirKinds) {
    constexpr uint32_t select = 0xFF010103, property = 0xFF010105, constant = 0xFF010104;
    path.Set(select);
    path.Set(property).data = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 1, 0xAA, 0xBB, 1};
    path.Set(constant).data = {0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0};
    DvOutputSegmentProperty record{};
    EXPECT_EQ(path.GetOutputSegmentProperty(3, &record), DvOk);
    EXPECT_EQ(path.CallsOf("WriteValue", select)[0].value, 3u);
    EXPECT_EQ(record.values[0], 0x0201);
    EXPECT_EQ(record.values[3], 0x0807);
    EXPECT_EQ(record.flag, 1);
    EXPECT_EQ(record.bytes[0], 0xAA);
    EXPECT_EQ(record.bytes[1], 0xBB);
    EXPECT_EQ(record.kind, 2);
    EXPECT_EQ(path.GetOutputSegmentPropertyConstant(3, &record), DvOk);
    EXPECT_EQ(record.flag, 0) << "only 1 sets the flag";
    EXPECT_EQ(record.kind, 1);
    path.features[constant].data[11] = 9;
    EXPECT_EQ(path.GetOutputSegmentPropertyConstant(3, &record), DvOk);
    EXPECT_EQ(record.kind, 0);

    path.results[{"WriteValue", select}] = {DvErrFailed};
    path.calls.clear();
    EXPECT_EQ(path.GetOutputSegmentProperty(3, &record), DvErrFailed);
    EXPECT_TRUE(path.CallsOf("ReadData", property).empty());
}

TEST_F(Items, UsbSelectionWritesWithoutWaitingForTheAnswer) {
    constexpr uint32_t code = 0xFF010073;
    EXPECT_EQ(path.SetUSBSelection(1), DvErrNotSupported) << "an unknown code";
    path.Set(code).length = 0;
    EXPECT_EQ(path.SetUSBSelection(1), DvErrNotSupported) << "a usable length of 0";
    path.features[code].length = 4;
    EXPECT_EQ(path.SetUSBSelection(2), DvOk);
    const auto writes = path.CallsOf("WriteDataUnchecked", code);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].bytes, (std::vector<uint8_t>{2, 0, 0, 0}));
    EXPECT_TRUE(path.CallsOf("WriteData", code).empty());
    path.features[code].length = 0x10001;
    EXPECT_EQ(path.SetUSBSelection(2), DvErrWrongLength);
}

TEST_F(Items, ClearingTheTargetSelectionWritesZeros) {
    constexpr uint32_t code = 0xFF010100;
    path.Set(code).length = 6;
    path.features[code].data = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(path.ClearTargetSelection(), DvOk);
    EXPECT_EQ(path.features[code].data, std::vector<uint8_t>(6, 0));
    path.results[{"ReadFixedData", code}] = {DvErrFailed};
    path.calls.clear();
    EXPECT_EQ(path.ClearTargetSelection(), DvErrFailed);
    EXPECT_TRUE(path.CallsOf("WriteData", code).empty());
}

TEST_F(Items, ResetKinds) {
    path.Set(0x52);
    EXPECT_EQ(path.Reset(1, 0), DvOk) << "no reset code: the save code's factory value";
    EXPECT_EQ(path.CallsOf("WriteValue", 0x52)[0].value, 10u);
    EXPECT_TRUE(path.CallsOf("WriteValue", 0x75).empty());

    path.Set(0x75);
    path.calls.clear();
    EXPECT_EQ(path.Reset(1, 0), DvOk);
    EXPECT_EQ(path.CallsOf("WriteValue", 0x75)[0].value, 1u);
    EXPECT_TRUE(path.CallsOf("WriteValue", 0x52).empty());

    path.results[{"WriteValue", 0x75}] = {DvErrRefused};
    path.calls.clear();
    EXPECT_EQ(path.Reset(1, 0), DvOk) << "a refused reset falls back";
    EXPECT_EQ(path.CallsOf("WriteValue", 0x52).size(), 1u);

    path.calls.clear();
    EXPECT_EQ(path.Reset(2, 0), DvOk);
    EXPECT_EQ(path.Reset(6, 0), DvOk);
    EXPECT_EQ(path.CallsOf("WriteValue", 0x75).size(), 2u);
    EXPECT_EQ(path.CallsOf("WriteValue", 0x75)[1].value, 6u);

    path.calls.clear();
    EXPECT_EQ(path.Reset(4, 0), DvErrNotSupported);
    EXPECT_EQ(path.Reset(5, 0), DvErrNotSupported);
    EXPECT_EQ(path.Reset(-1, 0), DvErrInvalidParameter);
    EXPECT_TRUE(path.calls.empty());
}

TEST_F(Items, ColorAdjustmentResetPulsesByPriority) {
    constexpr uint32_t reset = 0xFF0100CF, priority = 0xFF010069;
    EXPECT_EQ(path.Reset(3, 0), DvErrNotSupported);
    path.Set(0xFF0100B0);
    EXPECT_EQ(path.Reset(3, 0), DvErrNotSupported) << "the LUT-kept adjustment is not restored";

    path.Set(reset);
    path.Set(priority).value = 1;
    EXPECT_EQ(path.Reset(3, 0), DvOk);
    std::vector<uint32_t> values;
    for (const auto& call : path.CallsOf("WriteValue", reset)) values.push_back(call.value);
    EXPECT_EQ(values, (std::vector<uint32_t>{1, 0}));
    EXPECT_EQ(waits.pauses, std::vector<uint32_t>{100});

    path.calls.clear();
    path.features[priority].value = 2;
    path.results[{"WriteValue", reset}] = {DvErrFailed, DvErrRefused};
    EXPECT_EQ(path.Reset(3, 0), DvErrRefused) << "the second write decides";
    values.clear();
    for (const auto& call : path.CallsOf("WriteValue", reset)) values.push_back(call.value);
    EXPECT_EQ(values, (std::vector<uint32_t>{0, 1}));
}

TEST_F(Items, SaveKindsAndEachReset) {
    EXPECT_EQ(path.CurrentSave(3, 1), DvErrFailed);
    EXPECT_EQ(path.CurrentSave(-1, 1), DvErrFailed);
    EXPECT_TRUE(path.calls.empty());
    path.CurrentSave(0, 0x12345);
    path.CurrentSave(1, 2);
    path.CurrentSave(2, 3);
    ASSERT_EQ(path.calls.size(), 3u);
    EXPECT_EQ(path.calls[0].code, 0x52u);
    EXPECT_EQ(path.calls[0].value, 0x12345u) << "the path narrows the value";
    EXPECT_EQ(path.calls[1].code, 0x74u);
    EXPECT_EQ(path.calls[2].code, 0x99u);
    path.EachReset(0x20);
    EXPECT_EQ(path.calls.back().op, "WriteResetValue");
    EXPECT_EQ(path.calls.back().code, 0x75u);
    EXPECT_EQ(path.calls.back().value, 0x20u);
}

TEST_F(Items, PrimariesFromTheChromaticityControls) {
    path.chromaticityFlag = 1;
    path.chromaticities = {{0x44, {0.64, 0.33}}, {0x45, {0.30, 0.60}}, {0x47, {0.3127, 0.329}}};
    colour red{}, green{}, blue{}, white{};
    blue.x = 0.5;
    red.X = 7.0;
    EXPECT_EQ(path.GetRGBWChromaticities(&red, &green, &blue, &white), DvOk);
    EXPECT_DOUBLE_EQ(red.x, 0.64);
    EXPECT_DOUBLE_EQ(green.y, 0.60);
    EXPECT_DOUBLE_EQ(white.x, 0.3127);
    EXPECT_DOUBLE_EQ(blue.x, 0.5) << "an unread colour keeps the caller's value";
    EXPECT_DOUBLE_EQ(red.X, 7.0);
    EXPECT_TRUE(path.CallsOf("ReadEDID", 0).empty());
}

TEST_F(Items, PrimariesFromTheEdidTenBitValues) {
    path.edid.assign(256, 0);
    // Low bits: red x 3, red y 2, green x 1, green y 0 | blue x 2, blue y 1, white x 3, white y 3.
    path.edid[25] = 0b11'10'01'00;
    path.edid[26] = 0b10'01'11'11;
    const uint8_t high[8] = {0xA3, 0x54, 0x4C, 0x99, 0x26, 0x0F, 0x50, 0x54};
    std::memcpy(path.edid.data() + 27, high, 8);
    colour red{}, green{}, blue{}, white{};
    red.X = 7.0;
    EXPECT_EQ(path.GetRGBWChromaticities(&red, &green, &blue, &white), DvOk);
    EXPECT_DOUBLE_EQ(red.x, (0xA3 * 4 + 3) / 1024.0);
    EXPECT_DOUBLE_EQ(red.y, (0x54 * 4 + 2) / 1024.0);
    EXPECT_DOUBLE_EQ(green.x, (0x4C * 4 + 1) / 1024.0);
    EXPECT_DOUBLE_EQ(green.y, (0x99 * 4 + 0) / 1024.0);
    EXPECT_DOUBLE_EQ(blue.x, (0x26 * 4 + 2) / 1024.0);
    EXPECT_DOUBLE_EQ(blue.y, (0x0F * 4 + 1) / 1024.0);
    EXPECT_DOUBLE_EQ(white.x, (0x50 * 4 + 3) / 1024.0);
    EXPECT_DOUBLE_EQ(white.y, (0x54 * 4 + 3) / 1024.0);
    EXPECT_DOUBLE_EQ(red.X, 0.0) << "records are cleared first";

    path.edidResult = DvErrNotSupported;
    EXPECT_EQ(path.GetRGBWChromaticities(&red, &green, &blue, &white), DvErrFailed);
    EXPECT_EQ(path.GetRGBWChromaticities(&red, nullptr, &blue, &white), DvErrInvalidParameter);
}

}  // namespace
