// Paged reads and resumable writes of tagged items, against a fake path
// that serves the items as a monitor does.
#include "paths/tagged_transfer.hpp"

#include <gtest/gtest.h>

#include <numeric>

#include "paths/fake_path.hpp"
#include "paths/wait_recorder.hpp"

namespace t = dvc::paths::tags;
using dvc::test::FakePath;
using dvc::test::WaitRecorder;

namespace {

std::vector<uint8_t> Pattern(size_t size) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 256);
    return bytes;
}

// Block numbers of the headers a path sent to `code`.
std::vector<uint32_t> HeaderBlocks(const FakePath& path, uint32_t code) {
    std::vector<uint32_t> blocks;
    for (const auto& call : path.CallsOf("WriteData", code)) blocks.push_back(call.bytes[8] | (call.bytes[9] << 8));
    return blocks;
}

class TaggedTransfer : public ::testing::Test {
protected:
    WaitRecorder waits;
    FakePath path;

    void SeparateMode(uint32_t blockSize) {
        const uint32_t code = blockSize == 512 ? t::kBlock512Code : t::kBlock128Code;
        path.Set(code).length = blockSize;
    }
    void CombinedMode() {
        path.Set(t::kCombinedReadCode);
        path.Set(t::kCombinedWriteCode);
    }
};

TEST_F(TaggedTransfer, BlockSizeFollowsTheBestCodeTheMonitorHas) {
    EXPECT_EQ(path.TagBlockSize(), 0u);
    SeparateMode(128);
    EXPECT_EQ(path.TagBlockSize(), 128u);
    SeparateMode(512);
    EXPECT_EQ(path.TagBlockSize(), 512u);
    path.features.erase(t::kBlock512Code);
    path.Set(t::kCombinedReadCode);
    EXPECT_EQ(path.TagBlockSize(), 512u);
    path.features[t::kCombinedReadCode].flag = 0;
    EXPECT_EQ(path.TagBlockSize(), 128u) << "a code reported but flagged absent is not used";
}

TEST_F(TaggedTransfer, OneByteAtOffsetZeroReadsOnlyBlockZero) {
    SeparateMode(128);
    path.tags[{"VER000", 0}] = Pattern(300);
    uint8_t out[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(path.ReadTag("VER000", 0, out, 1), DvOk);
    EXPECT_EQ(HeaderBlocks(path, t::kHeaderCode), std::vector<uint32_t>{0});
    EXPECT_EQ(path.CallsOf("ReadData", t::kBlock128Code).size(), 1u);
    EXPECT_EQ(out[0], Pattern(1)[0]);
    EXPECT_EQ(out[1], 0xEE) << "bytes past the size are not the caller's to lose";
}

TEST_F(TaggedTransfer, ReadAcrossBlocksCopiesFromTheOffset) {
    SeparateMode(128);
    const auto item = Pattern(400);
    path.tags[{"CAL001", 2}] = item;
    std::vector<uint8_t> out(200);
    EXPECT_EQ(path.ReadTag("CAL001", 2, out.data(), 200, 100), DvOk);
    EXPECT_EQ(HeaderBlocks(path, t::kHeaderCode), (std::vector<uint32_t>{0, 1, 2}));
    for (const auto& call : path.CallsOf("WriteData", t::kHeaderCode)) {
        EXPECT_EQ(std::string(call.bytes.begin(), call.bytes.begin() + 6), "CAL001");
        EXPECT_EQ(call.bytes[6], 2);
        EXPECT_EQ(call.bytes[7], 0);
    }
    EXPECT_EQ(out, std::vector<uint8_t>(item.begin() + 100, item.begin() + 300));
}

TEST_F(TaggedTransfer, ReadBeyondTheItemGivesZeros) {
    SeparateMode(512);
    path.tags[{"SHORT0", 0}] = {1, 2, 3};
    std::vector<uint8_t> out(6, 0xEE);
    EXPECT_EQ(path.ReadTag("SHORT0", 0, out.data(), 6), DvOk);
    EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 3, 0, 0, 0}));
}

TEST_F(TaggedTransfer, CombinedReadChecksTheEchoedHeader) {
    CombinedMode();
    const auto item = Pattern(1024);
    path.tags[{"PRM238", 0}] = item;
    std::vector<uint8_t> out(600);
    EXPECT_EQ(path.ReadTag("PRM238", 0, out.data(), 600, 300), DvOk);
    EXPECT_EQ(HeaderBlocks(path, t::kCombinedReadCode), (std::vector<uint32_t>{0, 1}));
    for (const auto& call : path.CallsOf("WriteData", t::kCombinedReadCode)) EXPECT_EQ(call.bytes.size(), 522u);
    EXPECT_EQ(out, std::vector<uint8_t>(item.begin() + 300, item.begin() + 900));
    EXPECT_TRUE(waits.pauses.empty());

    path.echoCombinedHeader = false;
    std::vector<uint8_t> untouched(10, 0xEE);
    EXPECT_EQ(path.ReadTag("PRM238", 0, untouched.data(), 10), DvErrFailed);
    EXPECT_EQ(untouched, std::vector<uint8_t>(10, 0xEE));
    EXPECT_EQ(waits.pauses.size(), 50u) << "each of the 50 failed attempts waits";
}

TEST_F(TaggedTransfer, FailedReadsAreRetriedAfterShortRandomPauses) {
    SeparateMode(128);
    path.tags[{"VER000", 0}] = Pattern(256);
    path.results[{"ReadData", t::kBlock128Code}] = {DvOk, DvErrFailed, DvErrFailed, DvOk, DvOk};
    WaitRecorder::nextRandom = 19;
    std::vector<uint8_t> out(256);
    EXPECT_EQ(path.ReadTag("VER000", 0, out.data(), 256), DvOk);
    EXPECT_EQ(out, Pattern(256));
    EXPECT_EQ(waits.pauses, (std::vector<uint32_t>{20, 1})) << "random % 20 + 1";
    EXPECT_EQ(HeaderBlocks(path, t::kHeaderCode), (std::vector<uint32_t>{0, 1, 0, 0, 1}))
        << "an attempt starts again from the first block";
}

TEST_F(TaggedTransfer, RefusedReadIsAnAnswer) {
    SeparateMode(128);
    path.tags[{"VER000", 0}] = Pattern(8);
    path.results[{"ReadData", t::kBlock128Code}] = {DvErrRefused};
    std::vector<uint8_t> out(8);
    EXPECT_EQ(path.ReadTag("VER000", 0, out.data(), 8), DvErrRefused);
    EXPECT_EQ(out, Pattern(8));
    EXPECT_TRUE(waits.pauses.empty());
}

TEST_F(TaggedTransfer, ReadsThatCannotStartSendNothing) {
    uint8_t out[4] = {};
    EXPECT_EQ(path.ReadTag("VER000", 0, out, 4), DvErrNotSupported) << "no block code at all";
    SeparateMode(128);
    path.calls.clear();
    EXPECT_EQ(path.ReadTag("VER000", 0, out, 0), DvErrInvalidParameter) << "size 0";
    EXPECT_EQ(path.ReadTag(nullptr, 0, out, 4), DvErrInvalidParameter);
    EXPECT_EQ(path.ReadTag("VER000", 0, nullptr, 4), DvErrInvalidParameter);
    EXPECT_EQ(path.ReadTag("VER000", 0x10000, out, 4), DvErrInvalidParameter) << "record past 16 bits";
    EXPECT_TRUE(path.calls.empty());
    EXPECT_EQ(path.ReadTag("VER000", 0, out, 4, 0xFFFFFFFF), DvErrInvalidParameter)
        << "blocks past 16 bits (and a sum past 32 bits)";
    EXPECT_EQ(path.ReadTag("VER000", 0, out, 0xFFFFFFFF, 2), DvErrInvalidParameter);
    EXPECT_TRUE(path.CallsOf("WriteData", t::kHeaderCode).empty());
}

TEST_F(TaggedTransfer, LongerDataReportIsCutToTheBlock) {
    SeparateMode(128);
    path.features[t::kBlock128Code].length = 200;
    path.tags[{"VER000", 0}] = Pattern(256);
    std::vector<uint8_t> out(256);
    EXPECT_EQ(path.ReadTag("VER000", 0, out.data(), 256), DvOk);
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 128), std::vector<uint8_t>(Pattern(128)));
    path.features[t::kBlock128Code].length = 0x20000;
    EXPECT_EQ(path.ReadTag("VER000", 0, out.data(), 1), DvErrWrongLength);
}

TEST_F(TaggedTransfer, CombinedWriteOfWholeBlockAndOneMore) {
    CombinedMode();
    const auto item = Pattern(513);
    EXPECT_EQ(path.WriteTag("BAK328", 0, item.data(), 512), DvOk);
    EXPECT_EQ(path.CallsOf("WriteData", t::kCombinedWriteCode).size(), 1u);
    path.calls.clear();
    path.tags.clear();
    EXPECT_EQ(path.WriteTag("BAK328", 0, item.data(), 513), DvOk);
    const auto writes = path.CallsOf("WriteData", t::kCombinedWriteCode);
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(HeaderBlocks(path, t::kCombinedWriteCode), (std::vector<uint32_t>{0, 1}));
    EXPECT_EQ(writes[1].bytes.size(), 522u);
    EXPECT_EQ(writes[1].bytes[10], item[512]);
    EXPECT_EQ(writes[1].bytes[11], 0) << "the tail block is zero-filled";
    EXPECT_TRUE(path.CallsOf("WriteData", t::kHeaderCode).empty());
}

TEST_F(TaggedTransfer, SeparateWriteResumesWithTheHeaderOfTheFailedBlock) {
    SeparateMode(128);
    const auto item = Pattern(128 * 5 + 10);
    // Blocks 0 to 2 go through, block 3 fails once.
    path.results[{"WriteData", t::kBlock128Code}] = {DvOk, DvOk, DvOk, DvErrFailed};
    EXPECT_EQ(path.WriteTag("AIC652", 7, item.data(), static_cast<uint32_t>(item.size())), DvOk);
    EXPECT_EQ(HeaderBlocks(path, t::kHeaderCode), (std::vector<uint32_t>{0, 3}));
    EXPECT_EQ(path.CallsOf("WriteData", t::kBlock128Code).size(), 4u + 3u);
    EXPECT_EQ(waits.pauses.size(), 1u);
    auto stored = path.tags[{"AIC652", 7}];
    ASSERT_EQ(stored.size(), 128u * 6);
    EXPECT_EQ(std::vector<uint8_t>(stored.begin(), stored.begin() + static_cast<long>(item.size())), item);
}

TEST_F(TaggedTransfer, FailedTailIsResentAlone) {
    SeparateMode(512);
    const auto item = Pattern(700);
    path.results[{"WriteData", t::kBlock512Code}] = {DvOk, DvErrFailed};
    EXPECT_EQ(path.WriteTag("AIC651", 0, item.data(), 700), DvOk);
    EXPECT_EQ(HeaderBlocks(path, t::kHeaderCode), (std::vector<uint32_t>{0, 1}));
    const auto writes = path.CallsOf("WriteData", t::kBlock512Code);
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[2].bytes.size(), 512u);
    EXPECT_EQ(writes[2].bytes[187], item[699]);
}

TEST_F(TaggedTransfer, RefusedHeaderStopsATryAndWritesGiveUpAfter51) {
    SeparateMode(128);
    const auto item = Pattern(10);
    path.results[{"WriteData", t::kHeaderCode}] = std::deque<DvError>(60, DvErrRefused);
    EXPECT_EQ(path.WriteTag("AIC500", 0, item.data(), 10), DvErrFailed);
    EXPECT_EQ(path.CallsOf("WriteData", t::kHeaderCode).size(), 51u);
    EXPECT_TRUE(path.CallsOf("WriteData", t::kBlock128Code).empty());
    EXPECT_EQ(waits.pauses.size(), 50u);
    for (uint32_t pause : waits.pauses) {
        EXPECT_GE(pause, 1u);
        EXPECT_LE(pause, 20u);
    }
}

TEST_F(TaggedTransfer, WritesThatCannotStartSendNothing) {
    SeparateMode(128);
    uint8_t byte = 1;
    EXPECT_EQ(path.WriteTag(nullptr, 0, &byte, 1), DvErrInvalidParameter);
    EXPECT_EQ(path.WriteTag("AIC500", 0, nullptr, 1), DvErrInvalidParameter);
    EXPECT_EQ(path.WriteTag("AIC500", 0x10000, &byte, 1), DvErrInvalidParameter);
    // 2^16 + 1 blocks of 128 bytes: the last number would not fit.
    EXPECT_EQ(path.WriteTag("AIC500", 0, &byte, 128u * 0x10000 + 1), DvErrInvalidParameter);
    EXPECT_TRUE(path.CallsOf("WriteData", t::kHeaderCode).empty());
}

TEST_F(TaggedTransfer, DescriptionMustEchoTheName) {
    path.descriptions["PRM238"] = {3, 1};
    uint16_t first = 0, second = 0;
    EXPECT_EQ(path.ReadTagInfo("PRM238", &first, &second), DvOk);
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, 1);
    const auto headers = path.CallsOf("WriteData", t::kHeaderCode);
    ASSERT_EQ(headers.size(), 1u);
    EXPECT_EQ(headers[0].bytes, (std::vector<uint8_t>{'P', 'R', 'M', '2', '3', '8', 0, 0, 0, 0}));

    first = second = 77;
    EXPECT_EQ(path.ReadTagInfo("VER000", &first, &second), DvErrFailed) << "no echo";
    EXPECT_EQ(first, 77);
    EXPECT_EQ(path.ReadTagInfo("VER000", nullptr, &second), DvErrInvalidParameter);
}

TEST_F(TaggedTransfer, CheckTagInfoNeedsOneValueAtItsMinimum) {
    path.descriptions["BAK328"] = {1, 0};
    uint16_t first = 0, second = 0;
    EXPECT_EQ(path.CheckTagInfo("BAK328", &first, &second, 2, 1), DvErrNotSupported);
    path.descriptions["BAK328"] = {2, 0};
    EXPECT_EQ(path.CheckTagInfo("BAK328", &first, &second, 2, 1), DvOk);
    path.descriptions["BAK328"] = {0, 1};
    EXPECT_EQ(path.CheckTagInfo("BAK328", &first, &second, 2, 1), DvOk);
    EXPECT_EQ(path.CheckTagInfo("NONE00", &first, &second, 0, 0), DvErrFailed);
}

}  // namespace
