// Tagged transfer on the virtual monitor's tagged storage: 128-byte blocks on
// DDC/CI, combined 512-byte blocks on HID, 512-byte blocks when the DDC/CI
// link has them too.
#include "paths/tagged_transfer.hpp"

#include "paths/path_world.hpp"

namespace dvc::test {
namespace {

using dvcsim::Op;
using dvc::paths::ReadTag;
using dvc::paths::WriteTag;
constexpr uint32_t kHeader = 0xFF0200C2, k128 = 0xFF0200C4, kCombinedRead = 0xFF0200FD, kCombinedWrite = 0xFF0200FE;
constexpr uint32_t kRecord1 = 0x10001;  // record 1 of BAK328, the first tag by name
constexpr const char* kUse512 = R"({"0xFF0200C2": {"codes": ["0xFF0200C4", "0xFF0200C7"]}})";

class TaggedTransfer : public PathWorld {
protected:
    void SetUp() override {
        PathWorld::SetUp();
        for (size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<uint8_t>(i * 7 + i / 256);
    }
    // The block numbers of the headers sent on `code` (kLost for one that a
    // fault kept from the monitor), then the log emptied.
    static constexpr uint32_t kLost = 0xFFFFFFFF;
    static std::vector<uint32_t> Blocks(uint32_t code) {
        std::vector<uint32_t> blocks;
        for (const auto& t : dvcsim::Transactions()) {
            if (t.op != Op::SetData || t.code != code) continue;
            blocks.push_back(t.data.size() < 10 ? kLost : t.data[8] | t.data[9] << 8);
        }
        dvcsim::ClearTransactions();
        return blocks;
    }
    Bytes pattern = Bytes(1300);
};

TEST_F(TaggedTransfer, BlockSizeAndDescription) {
    uint16_t first = 0, second = 0;
    ASSERT_EQ(paths::ReadTagInfo(*hid, "PRM238", &first, &second), DvOk);
    EXPECT_EQ(first * 10 + second, 31);
    EXPECT_EQ(paths::CheckTagInfo(*hid, "PRM238", &first, &second, 4, 2), DvErrNotSupported);
    EXPECT_EQ(paths::CheckTagInfo(*hid, "PRM238", &first, &second, 4, 1), DvOk);
    EXPECT_EQ(paths::ReadTagInfo(*hid, "XYZ000", &first, &second), DvErrFailed);  // no echo of the name
    EXPECT_EQ(Trace()[0], "S ff0200c2:50524d32333800000000");
    EXPECT_EQ(paths::TagBlockSize(*ddcci), 128u);
    EXPECT_EQ(paths::TagBlockSize(*hid), 512u);
    Use(kUse512);
    EXPECT_EQ(paths::TagBlockSize(*ddcci), 512u);
    Use(R"({"0xFF0200C2": null})");
    uint8_t byte = 0;
    EXPECT_EQ(paths::TagBlockSize(*ddcci), 0u);
    EXPECT_EQ(ReadTag(*ddcci, "BAK328", 0, &byte, 1), DvErrNotSupported);
}

TEST_F(TaggedTransfer, ReadsTheBlocksAroundTheBytesInEachMode) {
    struct Mode {
        const char* patch;
        bool isHid;
        uint32_t headerCode;
        std::vector<uint32_t> blocks;  // 600 bytes from byte 300
    };
    for (const Mode& mode : {Mode{"{}", false, kHeader, {2, 3, 4, 5, 6, 7}}, Mode{kUse512, false, kHeader, {0, 1}},
                             Mode{"{}", true, kCombinedRead, {0, 1}}}) {
        Use(mode.patch);
        dvcsim::SetStateData(kSerial, kHeader, pattern, kRecord1);
        Bytes out(600);
        ASSERT_EQ(ReadTag(mode.isHid ? static_cast<VarnMonitorInterface&>(*hid) : *ddcci, "BAK328", 1, out.data(), 600, 300),
                  DvOk);
        EXPECT_EQ(out, Bytes(pattern.begin() + 300, pattern.begin() + 900));
        EXPECT_EQ(Blocks(mode.headerCode), mode.blocks);
    }
    EXPECT_TRUE(WaitRecorder::pauses.empty());
}

TEST_F(TaggedTransfer, FailedReadsAreRetriedAfterShortPauses) {
    dvcsim::SetStateData(kSerial, kHeader, pattern, kRecord1);
    Fault(Op::GetData, k128, DvErrFailed, 1, 2);
    WaitRecorder::nextRandom = 19;
    Bytes out(256);
    ASSERT_EQ(ReadTag(*ddcci, "BAK328", 1, out.data(), 256), DvOk);
    EXPECT_EQ(out, Bytes(pattern.begin(), pattern.begin() + 256));
    EXPECT_EQ(WaitRecorder::pauses, (std::vector<uint32_t>{20, 1}));  // the random number % 20 + 1
    EXPECT_EQ(Blocks(kHeader), (std::vector<uint32_t>{0, 1, 0, 0, 1}));

    // A combined reply whose header is not the request's is no answer.
    Fault(Op::GetData, kCombinedRead, 0, 0, 0, dvcsim::FaultKind::ShortData);
    out.assign(4, 0xEE);
    EXPECT_EQ(ReadTag(*hid, "BAK328", 1, out.data(), 4), DvErrFailed);
    EXPECT_EQ(out, Bytes(4, 0xEE));
    EXPECT_EQ(WaitRecorder::pauses.size(), 2u + 50u);
}

TEST_F(TaggedTransfer, FailedWritesResumeAtTheFailedBlock) {
    Fault(Op::SetData, k128, DvErrFailed, 3);  // block 3 of 11
    ASSERT_EQ(WriteTag(*ddcci, "BAK328", 1, pattern.data(), 1300), DvOk);
    EXPECT_EQ(Blocks(kHeader), (std::vector<uint32_t>{0, 3}));
    EXPECT_EQ(StoredData(kHeader, kRecord1), pattern);

    Fault(Op::SetData, kCombinedWrite, DvErrFailed, 1);
    ASSERT_EQ(WriteTag(*hid, "BAK328", 0, pattern.data(), 1300), DvOk);
    EXPECT_EQ(Blocks(kCombinedWrite), (std::vector<uint32_t>{0, kLost, 1, 2}));
    EXPECT_EQ(StoredData(kHeader, 0x10000), pattern);
    EXPECT_EQ(WaitRecorder::pauses.size(), 2u);

    Fault(Op::SetData, kHeader, DvErrRefused, 0, 0);
    EXPECT_EQ(WriteTag(*ddcci, "BAK328", 0, pattern.data(), 10), DvErrFailed);
    EXPECT_EQ(Blocks(kHeader), std::vector<uint32_t>(51, kLost));
    EXPECT_EQ(WaitRecorder::pauses.size(), 2u + 50u);
}

TEST_F(TaggedTransfer, WrongArgumentsSendNothing) {
    uint8_t byte = 0;
    EXPECT_EQ(ReadTag(*ddcci, "BAK328", 0, &byte, 0), DvErrInvalidParameter);
    EXPECT_EQ(ReadTag(*ddcci, nullptr, 0, &byte, 1), DvErrInvalidParameter);
    EXPECT_EQ(ReadTag(*ddcci, "BAK328", 0x10000, &byte, 1), DvErrInvalidParameter);
    EXPECT_EQ(WriteTag(*ddcci, "BAK328", 0, nullptr, 1), DvErrInvalidParameter);
    EXPECT_EQ(WriteTag(*ddcci, "BAK328", 0x10000, &byte, 1), DvErrInvalidParameter);
    EXPECT_TRUE(Trace().empty());
    // Block numbers past 16 bits: asked only which block size to use.
    EXPECT_EQ(ReadTag(*ddcci, "BAK328", 0, &byte, 1, 128u * 0x10000), DvErrInvalidParameter);
    EXPECT_EQ(WriteTag(*ddcci, "BAK328", 0, &byte, 128u * 0x10000 + 1), DvErrInvalidParameter);
    EXPECT_TRUE(Blocks(kHeader).empty());
}

}  // namespace
}  // namespace dvc::test
