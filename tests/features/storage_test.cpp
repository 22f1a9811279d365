// Storage inside the monitor through its exports: the asset tag, the
// key/value block codec and the two stores, the raw items.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "features/handwritten.hpp"
#include "libdvc/libdvc.h"
#include "paths/storage_kv_codec.hpp"

namespace dvc::test {
namespace {

namespace kv = dvc::paths::kv;
using Bytes = std::vector<uint8_t>;

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

TEST_F(Storage, TagTextIdentifierAndUsageTime) {
    Discover();
    const char* s = kGrading.serial;
    const char* m = kGrading.model;
    ASSERT_EQ(DvCtrlSetAssetTag(s, m, "Bay 4"), DvOk);
    char text[65] = {};
    ASSERT_EQ(DvCtrlGetAssetTag(s, m, text, sizeof text), DvOk);
    EXPECT_STREQ(text, "Bay 4");
    int shown = 0;
    ASSERT_EQ(DvCtrlGetEnableAssetTag(s, m, &shown), DvOk);
    EXPECT_EQ(shown, 1) << "setting the text keeps the flag";
    EXPECT_EQ(DvCtrlGetUDISize(s, m), 0) << "never set";
    const std::string udi(64, 'u');
    ASSERT_EQ(DvCtrlSetUDI(s, m, udi.c_str()), DvOk);
    EXPECT_EQ(DvCtrlGetUDISize(s, m), 65);
    ASSERT_EQ(DvCtrlGetUDI(s, m, text, sizeof text), DvOk);
    EXPECT_EQ(text, udi);
    ExpectRefusedFirst({
        {"tag too long", [&] { return DvCtrlSetAssetTag(s, m, "seventeen chars!!"); }},
        {"identifier too long", [&] { return DvCtrlSetUDI(s, m, (udi + "u").c_str()); }},
        {"no room", [&] { return DvCtrlGetUDI(s, m, text, 0); }, DvErrSizeMismatch},
        {"no minutes",
         [&] {
             int h = 0;
             return DvCtrlGetUsageTime(s, m, &h, nullptr);
         }},
    });
    int hours = 0, minutes = 0;
    ASSERT_EQ(DvCtrlGetUsageTime(s, m, &hours, &minutes), DvOk);
    EXPECT_EQ(std::pair(hours, minutes), std::pair(8112, 17)) << "the 5-byte block";
    ASSERT_EQ(DvCtrlGetUsageTime(kOffice.serial, kOffice.model, &hours, &minutes), DvOk);
    EXPECT_EQ(std::pair(hours, minutes), std::pair(23871, 42)) << "the older code on a monitor without the block";
}

// A block of `size` bytes: signature, checksum of `payload`, payload.
Bytes Block(Bytes payload, size_t size) {
    payload.resize(size - 6, 0);
    const uint16_t sum = kv::Checksum(payload);
    Bytes block{'A', 'P', 'P', 0, static_cast<uint8_t>(sum), static_cast<uint8_t>(sum >> 8)};
    block.insert(block.end(), payload.begin(), payload.end());
    return block;
}

TEST(StorageCodec, OneRecordLaysOutAsTheWorkedExample) {
    Bytes block(20);
    ASSERT_EQ(kv::Encode({{"abc", {1, 2}}}, block), DvOk);
    EXPECT_EQ(block, (Bytes{'A', 'P', 'P', 0, 0x68, 0xC6, 3, 'a', 'b', 'c', 2, 0, 1, 2, 0, 0, 0, 0, 0, 0}));
    kv::Map map;
    ASSERT_EQ(kv::Decode(block, map), DvOk);
    EXPECT_EQ(map, (kv::Map{{"abc", {1, 2}}}));
}

TEST(StorageCodec, DecodeRefusesWhatTheBlockCannotHold) {
    const Bytes abc{3, 'a', 'b', 'c', 2, 0, 1, 2};
    Bytes badSum = Block(abc, 20);
    badSum[4] ^= 1;
    Bytes badSignature = Block(abc, 20);
    badSignature[3] = 'X';
    const struct {
        const char* what;
        Bytes block;
        DvError expected;
    } cases[] = {
        {"last record ends at the payload's end", Block(abc, 6 + abc.size()), DvErrDataTruncated},
        {"no room behind the terminator", Block(abc, 6 + abc.size() + 3), DvErrDataTruncated},
        {"value runs past the end", Block({1, 'k', 0x40, 0, 7}, 20), DvErrDataTruncated},
        {"value of length 0", Block({1, 'k', 0, 0, 0, 0, 0, 0}, 20), DvErrFailed},
        {"checksum", badSum, DvErrChecksum},
        {"signature", badSignature, DvErrBadSignature},
        {"shorter than a signature", Bytes{'A', 'P'}, DvErrBadSignature},
        {"no payload", Block({}, 6), DvErrDataTruncated},
    };
    for (const auto& c : cases) {
        kv::Map map{{"kept", {9}}};
        EXPECT_EQ(kv::Decode(c.block, map), c.expected) << c.what;
        EXPECT_EQ(map.size(), 1u) << c.what << ": the map is replaced only on success";
    }
    kv::Map map;
    ASSERT_EQ(kv::Decode(Block({1, 'k', 1, 0, 5, 1, 'k', 1, 0, 6}, 20), map), DvOk);
    EXPECT_EQ(map, (kv::Map{{"k", {6}}})) << "a later duplicate replaces the earlier";
}

TEST(StorageCodec, EncodeSendsNothingThatWouldNotReadBack) {
    Bytes block(17, 0xEE);  // 11 bytes of payload: "abc" needs 8 and 4 behind it
    EXPECT_EQ(kv::Encode({{"abc", {1, 2}}}, block), DvErrDataTruncated);
    EXPECT_EQ(block, Bytes(17, 0));
    block.resize(18);
    EXPECT_EQ(kv::Encode({{"abc", {1, 2}}}, block), DvOk);
    EXPECT_EQ(kv::Encode({{"", {1}}}, block), DvErrInvalidParameter);
}

// The stores on the virtual monitors.
std::string Text(const uint8_t* data, int size) { return std::string(reinterpret_cast<const char*>(data), size); }

TEST_F(Storage, SdkStoreGetReportsLengthCopiesAndMissesQuietly) {
    Discover();
    const char* s = kGrading.serial;
    const char* m = kGrading.model;
    uint8_t buffer[32] = {};
    int size = 0;
    ExpectRefusedFirst({
        {"no size", [&] { return DvCtrlFSGetSDKDataForKey(s, m, "lut-set", buffer, nullptr); }},
        {"no key", [&] { return DvCtrlFSGetSDKDataForKey(s, m, nullptr, buffer, &size); }},
        {"empty key", [&] { return DvCtrlFSGetSDKDataForKey(s, m, "", buffer, &size); }},
        {"long key", [&] { return DvCtrlFSSetSDKDataForKey(s, m, std::string(256, 'k').c_str(), buffer, 1); }},
    });
    ASSERT_EQ(DvCtrlFSGetSDKDataForKey(s, m, "grading-suite", nullptr, &size), DvOk);
    EXPECT_EQ(size, 7) << "a null buffer asks for the length";
    size = 1;
    ASSERT_EQ(DvCtrlFSGetSDKDataForKey(s, m, "grading-suite", buffer, &size), DvOk);
    EXPECT_EQ(size, 1);
    EXPECT_EQ(buffer[0], 'S');
    size = sizeof buffer;
    ASSERT_EQ(DvCtrlFSGetSDKDataForKey(s, m, "grading-suite", buffer, &size), DvOk);
    EXPECT_EQ(Text(buffer, size), "Suite B");
    size = 5;
    EXPECT_EQ(DvCtrlFSGetSDKDataForKey(s, m, "absent", buffer, &size), DvOk);
    EXPECT_EQ(size, 0);
    EXPECT_NE(DvCtrlFSSupportedSDKData(s, m), 0);
    EXPECT_EQ(DvCtrlFSSupportedSDKData(kOffice.serial, kOffice.model), 0);
    EXPECT_EQ(DvCtrlFSGetSDKDataForKey(kOffice.serial, kOffice.model, "k", buffer, &size), DvErrNotSupported);
    EXPECT_EQ(size, 0);
}

TEST_F(Storage, SdkStoreSetKeepsOtherKeysRemovesAndResets) {
    Discover();
    const char* s = kGrading.serial;
    const char* m = kGrading.model;
    const uint8_t owner[] = {'O', 'p', 's'};
    ASSERT_EQ(DvCtrlFSSetSDKDataForKey(s, m, "owner", owner, sizeof owner), DvOk);
    uint8_t buffer[16] = {};
    int size = sizeof buffer;
    ASSERT_EQ(DvCtrlFSGetSDKDataForKey(s, m, "owner", buffer, &size), DvOk);
    EXPECT_EQ(Text(buffer, size), "Ops");
    size = sizeof buffer;
    ASSERT_EQ(DvCtrlFSGetSDKDataForKey(s, m, "lut-set", buffer, &size), DvOk);
    EXPECT_EQ(size, 1) << "earlier keys stay";

    ASSERT_EQ(DvCtrlFSSetSDKDataForKey(s, m, "owner", owner, 0), DvOk);
    size = sizeof buffer;
    ASSERT_EQ(DvCtrlFSGetSDKDataForKey(s, m, "owner", buffer, &size), DvOk);
    EXPECT_EQ(size, 0) << "size 0 removes the key";

    ASSERT_EQ(DvCtrlFSResetSDKData(s, m), DvOk);
    size = sizeof buffer;
    ASSERT_EQ(DvCtrlFSGetSDKDataForKey(s, m, "lut-set", buffer, &size), DvOk);
    EXPECT_EQ(size, 0) << "a reset store reads as empty";
}

TEST_F(Storage, DamagedStoreIsRepairedAndFullStoreLeftAlone) {
    Discover();
    const uint8_t value[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    uint8_t buffer[16] = {};
    int size = sizeof buffer;
    // The application store of the CX2740 has never been written.
    const char* s = kDual.serial;
    const char* m = kDual.model;
    EXPECT_EQ(DvCtrlPrivateFSGetApplicationDataForKey(s, m, "k", buffer, &size), DvErrBadSignature);
    ASSERT_EQ(DvCtrlPrivateFSSetApplicationDataForKey(s, m, "k", value, 2), DvOk);
    size = sizeof buffer;
    ASSERT_EQ(DvCtrlPrivateFSGetApplicationDataForKey(s, m, "k", buffer, &size), DvOk);
    EXPECT_EQ(size, 2);

    // The MX2420's is 24 bytes: one short key fits, a second does not.
    s = kMedical.serial;
    m = kMedical.model;
    ASSERT_EQ(DvCtrlPrivateFSSetApplicationDataForKey(s, m, "a", value, 4), DvOk);
    dvc::sim::ClearTransactions();
    EXPECT_EQ(DvCtrlPrivateFSSetApplicationDataForKey(s, m, "b", value, sizeof value), DvErrDataTruncated);
    for (const auto& write : Writes()) EXPECT_EQ(write.code, 0xFF0200C2u) << "only request headers, no block";
    size = sizeof buffer;
    ASSERT_EQ(DvCtrlPrivateFSGetApplicationDataForKey(s, m, "a", buffer, &size), DvOk);
    EXPECT_EQ(size, 4) << "the monitor's copy is untouched";
}

TEST_F(Storage, RawItemsMoveBytesUnchanged) {
    Discover();
    const char* s = kGrading.serial;
    const char* m = kGrading.model;
    int size = 0;
    int support = 0;
    ASSERT_EQ(DvCtrlFSGetCalDataSize(s, m, &size, &support), DvOk);
    EXPECT_EQ(size, 4096);
    EXPECT_GT(support, 0);
    ASSERT_EQ(DvCtrlFSGetEGDSize(s, m, &size, &support), DvOk);
    EXPECT_EQ(size, 1024);

    std::array<uint8_t, 4> head{};
    ASSERT_EQ(DvCtrlFSGetCalDataData(s, m, 0, head.data(), 4), DvOk);
    EXPECT_EQ(head, (std::array<uint8_t, 4>{0xE0, 0x2E, 0x37, 0x0C})) << "12000 and 3127, little-endian";
    ASSERT_EQ(DvCtrlFSGetCalDataDataWithOffset(s, m, 0, head.data(), 2, 2), DvOk);
    EXPECT_EQ(head[0], 0x37);

    std::vector<uint8_t> table(1536);
    for (size_t i = 0; i < table.size(); ++i) table[i] = static_cast<uint8_t>(i * 7);
    ASSERT_EQ(DvCtrlFSSetRearGamma(s, m, 0, table.data(), static_cast<int>(table.size())), DvOk);
    std::vector<uint8_t> back(table.size());
    ASSERT_EQ(DvCtrlFSGetRearGamma(s, m, 0, back.data(), static_cast<int>(back.size())), DvOk);
    EXPECT_EQ(back, table);

    std::array<uint8_t, 8> hours{};
    ASSERT_EQ(DvCtrlFSGetUsageTimeEachBrightness(s, m, 0, hours.data(), 8), DvOk);
    EXPECT_EQ(hours[0] | hours[1] << 8, 310);
    EXPECT_NE(DvCtrlFSSupportedRearGammaMono(s, m), 0);
    EXPECT_NE(DvCtrlFSSupportedUsageTimeEachBrightness(s, m), 0);
    EXPECT_EQ(DvCtrlFSSupportedRearGamma(kMedical.serial, kMedical.model), 0);

    ExpectRefusedFirst({
        {"no size", [&] { return DvCtrlFSGetCalDataSize(s, m, nullptr, &support); }},
        {"no buffer", [&] { return DvCtrlFSGetEGDData(s, m, 0, nullptr, 4); }},
        {"no length", [&] { return DvCtrlFSSetEGDData(s, m, 0, head.data(), 0); }},
        {"negative offset", [&] { return DvCtrlFSGetCalDataDataWithOffset(s, m, 0, head.data(), 1, -1); }},
        {"record past 16 bits", [&] { return DvCtrlFSSetCalDataData(s, m, 0x10000, head.data(), 1); }},
    });
}

}  // namespace
}  // namespace dvc::test
