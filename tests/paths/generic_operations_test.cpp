// Operations on the generic primitives: the shapes of paths/feature_shapes (HID
// path) and tagged transfer (DDC/CI: 128-byte blocks, or 512; HID: combined).
#include <functional>

#include "paths/feature_shapes.hpp"
#include "paths/path_world.hpp"
#include "paths/tagged_transfer.hpp"

namespace dvc::test {
namespace {

using namespace dvc::paths;
// A shape's call on path `p`, with `o` the caller's output (-1 before).
#define CALL(...) [&](VarnMonitorInterface& p, [[maybe_unused]] int32_t& o) -> DvError { return __VA_ARGS__; }

// The call, its result, its output (-1: left alone), what it sent, and a code
// whose value read is refused (its data still given).
using Case = std::tuple<std::function<DvError(VarnMonitorInterface&, int32_t&)>, DvError, int32_t, Strings, uint32_t>;

using FeatureShapes = PathWorld;

TEST_F(FeatureShapes, WhatEachShapeSendsAndAnswers) {
    const uint8_t two[] = {0xAA, 0xBB}, five[5] = {};
    uint8_t raw[8] = {};
    double xy[2] = {0.31269, 0.00004}, wrong[3] = {-0.00001, 0.1, 6.55355}, read[2] = {};
    const Case cases[] = {
        // Value blocks: as much of the first word as the block holds.
        {CALL(BlockValueGet(p, 0xF0, &o)), DvOk, 0x04030201, {"F f0", "D f0#4"}, 0},
        {CALL(BlockValueSet(p, 0xF1, 255)), DvOk, -1, {"F f1", "S f1:ff"}, 0},
        {CALL(BlockValueSet(p, 0xF1, 256)), DvErrInvalidParameter, -1, {"F f1"}, 0},
        {CALL(BlockValueSet(p, 0xF2, -2)), DvOk, -1, {"F f2", "S f2:feffffff0000"}, 0},
        // Fields and items; a write reads the block and writes all of it back.
        {CALL(BlockFieldGet(p, 0xF0, 1, 2, &o)), DvOk, 0x0302, {"F f0", "D f0#4"}, 0},
        {CALL(BlockFieldGet(p, 0xF0, 3, 2, &o)), DvErrNotSupported, -1, {"F f0"}, 0},
        {CALL(BlockFieldSet(p, 0xF0, 1, 2, 0xBEEF)), DvOk, -1, {"F f0", "D f0#4", "S f0:01efbe04"}, 0},
        {CALL(BlockFieldSet(p, 0xF0, 0, 1, 256)), DvErrInvalidParameter, -1, {}, 0},
        {CALL(BlockItemGet(p, 0xF0, 2, 1, &o)), DvOk, 0x0403, {"F f0", "D f0#4"}, 0},
        {CALL(BlockItemGet(p, 0xF0, 2, 2, &o)), DvErrInvalidParameter, -1, {"F f0", "D f0#4"}, 0},
        {CALL(BlockItemSet(p, 0xF0, 1, 3, 9)), DvOk, -1, {"F f0", "D f0#4", "S f0:01020309"}, 0},
        // Raw blocks: the capacity must hold the block; a write is zero-filled to it.
        {CALL(o = 3, BlockRawGet(p, 0xF0, raw, &o)), DvErrSizeMismatch, 4, {"F f0"}, 0},
        {CALL(o = 4, BlockRawGet(p, 0xF0, raw, &o)), DvOk, 4, {"F f0", "D f0#4"}, 0},
        {CALL(BlockRawSet(p, 0xF0, two, 2)), DvOk, -1, {"F f0", "S f0:aabb0000"}, 0},
        {CALL(BlockRawSet(p, 0xF0, five, 4)), DvOk, -1, {"F f0", "S f0:00000000"}, 0},
        {CALL(BlockRawSet(p, 0xF0, five, 5)), DvErrSizeMismatch, -1, {"F f0"}, 0},
        // Fixed blocks, and (x, y) pairs of 16-bit numbers of 0.0001, rounded: no length query.
        {CALL(BlockFixedGet(p, 0xF0, 2, raw + 4)), DvOk, -1, {"D f0#2"}, 0},
        {CALL(BlockXYSet(p, 0x45, 1, xy)), DvOk, -1, {"S 45:370c0000"}, 0},
        {CALL(BlockXYSet(p, 0x45, 1, wrong)), DvErrInvalidParameter, -1, {}, 0},
        {CALL(BlockXYSet(p, 0x45, 1, wrong + 1)), DvErrInvalidParameter, -1, {}, 0},
        {CALL(BlockXYGet(p, 0x47, 1, read)), DvOk, -1, {"D 47#4"}, 0},
        {CALL(BlockValueGet(p, 0xF3, &o)), DvErrNotSupported, -1, {"F f3"}, 0},  // lengths 0, beyond 0x10000, none
        {CALL(BlockFieldGet(p, 0xF4, 0, 1, &o)), DvErrWrongLength, -1, {"F f4"}, 0},
        {CALL(BlockItemGet(p, 0xEE, 1, 0, &o)), DvErrNotSupported, -1, {"F ee"}, 0},
        // Fallback moves on past a missing code; a refusal is an answer, with its data.
        {CALL(ValueGet<Codes<0xEE, 0x70>, ReadAs::Raw>(p, &o)), DvOk, 4, {"R ee", "R 70"}, 0},
        {CALL(ValueGet<Codes<0xE1, 0x70>, ReadAs::Bool>(p, &o)), DvErrRefused, 1, {"R e1"}, 0xE1},
        {CALL(ValueSet<Codes<0xEE, 0xE1>, Switch::ExactlyOne>(p, 2)), DvOk, -1, {"W ee=0", "W e1=0"}, 0},
        // A support answer of "absent" is an answer: only a missing code falls back.
        {CALL(EachSupportCode<Codes<0xE3, 0x70>>(&o, [&](uint32_t c, int32_t* f) { return p.QueryGamma(c, f); })),
         DvOk,
         0,
         {"F e3"},
         0},
        {CALL(EachSupportCode<Codes<0xEE, 0x70>>(&o, [&](uint32_t c, int32_t* f) { return p.QueryGamma(c, f); })),
         DvOk,
         1,
         {"F ee", "F 70"},
         0},
        {CALL(CopyValue(p, 0xE1, 0x70)), DvOk, -1, {"R e1", "W 70=2"}, 0xE1},
    };
    int number = 0;
    for (const auto& [run, result, output, sent, refuse] : cases) {
        SCOPED_TRACE(testing::Message() << "case " << number++);
        dvc::sim::ResetState();
        if (refuse != 0) Fault(Op::GetValue, refuse, 0, 0, 1, FaultKind::RefusedData);
        int32_t out = -1;
        EXPECT_EQ(run(*hid, out), result);
        EXPECT_EQ(out, output);
        EXPECT_EQ(Trace(), sent);
    }
    EXPECT_EQ(Bytes(raw, raw + 8), (Bytes{1, 2, 3, 4, 1, 2, 0, 0}));
    EXPECT_EQ((std::array{read[0], read[1]}), (std::array{0.3127, 0.329}));
}

using Numbers = std::vector<uint32_t>;
constexpr uint32_t kHeader = 0xFF0200C2, k128 = 0xFF0200C4, kCombinedRead = 0xFF0200FD, kCombinedWrite = 0xFF0200FE;
constexpr uint32_t kRecord1 = 0x10001;  // state slot of record 1 of BAK328, the first tag by name
constexpr uint32_t kLost = 0xFFFFFFFF;  // a header that a fault kept from the monitor
constexpr const char* kUse512 = R"({"0xFF0200C2": {"codes": ["0xFF0200C4", "0xFF0200C7"]}})";

class TaggedTransfer : public PathWorld {
protected:
    // The block numbers of the headers written to code `c`, then the log emptied.
    static Numbers Blocks(uint32_t c) {
        Numbers out;
        for (const auto& t : dvc::sim::Transactions())
            if (t.op == Op::SetData && t.code == c) out.push_back(t.data.empty() ? kLost : t.data[8] | t.data[9] << 8);
        dvc::sim::ClearTransactions();
        return out;
    }
    const Bytes pattern = Pattern(1300);
};

// The description must echo the name; CheckTagInfo wants one value at its
// minimum. Without any block code a path moves no tags.
TEST_F(TaggedTransfer, DescriptionAndBlockSize) {
    uint16_t first = 0, second = 0;
    EXPECT_EQ(
        (Results{ReadTagInfo(*hid, "PRM238", &first, &second), CheckTagInfo(*hid, "PRM238", &first, &second, 4, 2),
                 CheckTagInfo(*hid, "PRM238", &first, &second, 4, 1), ReadTagInfo(*hid, "XYZ000", &first, &second)}),
        (Results{DvOk, DvErrNotSupported, DvOk, DvErrFailed}));
    EXPECT_EQ((std::vector<uint32_t>{first, second, TagBlockSize(*ddcci), TagBlockSize(*hid)}),
              (std::vector<uint32_t>{3, 1, 128, 512}));
    EXPECT_EQ(Trace()[0], "S ff0200c2:50524d32333800000000");
    Use(R"({"0xFF0200C2": null})");
    EXPECT_EQ(ReadTag(*ddcci, "BAK328", 0, &first, 1), DvErrNotSupported);
}

// 600 bytes from byte 300: the blocks that hold them, in each mode.
TEST_F(TaggedTransfer, ReadsTheBlocksAroundTheBytesInEachMode) {
    for (const auto& [patch, isHid, headerCode, blocks] :
         {std::tuple{"{}", false, kHeader, Numbers{2, 3, 4, 5, 6, 7}},
          std::tuple{kUse512, false, kHeader, Numbers{0, 1}}, std::tuple{"{}", true, kCombinedRead, Numbers{0, 1}}}) {
        Use(patch);
        dvc::sim::SetStateData(kSerial, kHeader, pattern, kRecord1);
        Bytes out(600);
        VarnMonitorInterface& path = isHid ? static_cast<VarnMonitorInterface&>(*hid) : *ddcci;
        ASSERT_EQ(ReadTag(path, "BAK328", 1, out.data(), 600, 300), DvOk);
        EXPECT_EQ(out, Bytes(pattern.begin() + 300, pattern.begin() + 900));
        EXPECT_EQ(Blocks(headerCode), blocks);
    }
    EXPECT_TRUE(WaitRecorder::pauses.empty());
}

// A failed read starts again from block 0 after a pause of the random number
// % 20 + 1; a combined reply must echo the request's header (50 tries). A write
// resumes with the block that failed and its header (51 tries).
TEST_F(TaggedTransfer, FailuresAreRetried) {
    dvc::sim::SetStateData(kSerial, kHeader, pattern, kRecord1);
    Fault(Op::GetData, k128, DvErrFailed, 1, 2);
    WaitRecorder::nextRandom = 19;
    Bytes out(256);
    ASSERT_EQ(ReadTag(*ddcci, "BAK328", 1, out.data(), 256), DvOk);
    EXPECT_EQ(out, Bytes(pattern.begin(), pattern.begin() + 256));
    EXPECT_EQ(Blocks(kHeader), (Numbers{0, 1, 0, 0, 1}));
    Fault(Op::GetData, kCombinedRead, 0, 0, 0, FaultKind::ShortData);
    out.assign(4, 0xEE);
    EXPECT_EQ(ReadTag(*hid, "BAK328", 1, out.data(), 4), DvErrFailed);  // and leaves the buffer
    EXPECT_EQ(Numbers(WaitRecorder::pauses.begin(), WaitRecorder::pauses.begin() + 3), (Numbers{20, 1, 2}));

    Fault(Op::SetData, k128, DvErrFailed, 3);
    ASSERT_EQ(WriteTag(*ddcci, "BAK328", 0, pattern.data(), 1300), DvOk);
    EXPECT_EQ(Blocks(kHeader), (Numbers{0, 3}));
    Fault(Op::SetData, kCombinedWrite, DvErrFailed, 1);
    ASSERT_EQ(WriteTag(*hid, "BAK328", 1, pattern.data(), 1300), DvOk);
    EXPECT_EQ(Blocks(kCombinedWrite), (Numbers{0, kLost, 1, 2}));
    EXPECT_EQ(dvc::sim::GetStateData(kSerial, kHeader, kRecord1 - 1), pattern);
    EXPECT_EQ(dvc::sim::GetStateData(kSerial, kHeader, kRecord1), pattern);
    Fault(Op::SetData, kHeader, DvErrRefused, 0, 0);
    EXPECT_EQ(WriteTag(*ddcci, "BAK328", 0, pattern.data(), 10), DvErrFailed);
    EXPECT_EQ(Blocks(kHeader), Numbers(51, kLost));
    EXPECT_EQ(WaitRecorder::pauses.size(), 2u + 50u + 2u + 50u);
}

// Wrong arguments send nothing but, for blocks past 16 bits, the block size query.
TEST_F(TaggedTransfer, WrongArguments) {
    uint8_t byte = 0;
    EXPECT_EQ(
        (Results{ReadTag(*ddcci, "BAK328", 0, &byte, 0), ReadTag(*ddcci, nullptr, 0, &byte, 1),
                 ReadTag(*ddcci, "BAK328", 0x10000, &byte, 1), WriteTag(*ddcci, "BAK328", 0, nullptr, 1),
                 WriteTag(*ddcci, "BAK328", 0x10000, &byte, 1), ReadTag(*ddcci, "BAK328", 0, &byte, 1, 128u << 16),
                 WriteTag(*ddcci, "BAK328", 0, &byte, (128u << 16) + 1)}),
        Results(7, DvErrInvalidParameter));
    for (const std::string& sent : Trace()) EXPECT_TRUE(sent[0] == '?' || sent[0] == 'F') << sent;
}

}  // namespace
}  // namespace dvc::test
