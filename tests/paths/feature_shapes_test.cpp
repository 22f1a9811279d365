// The shapes of paths/feature_shapes on the HID path: for each, what it sends,
// what it answers and what it hands back.
#include "paths/feature_shapes.hpp"

#include <functional>

#include "paths/path_world.hpp"

namespace dvc::test {
namespace {

using namespace dvc::paths;
using Run = std::function<DvError(VarnMonitorInterface&, int32_t&)>;
// A shape's call on path `p`, with `o` the caller's output (-1 before).
#define CALL(...) [&](VarnMonitorInterface& p, [[maybe_unused]] int32_t& o) -> DvError { return __VA_ARGS__; }

struct Case {
    Run run;
    DvError result;
    int32_t out;          // -1: left alone
    Strings sent;         // as PathWorld::Trace shows it
    uint32_t refuse = 0;  // a value read of this code is refused, its data still given
};

using FeatureShapes = PathWorld;

TEST_F(FeatureShapes, WhatEachShapeSendsAndAnswers) {
    const uint8_t two[] = {0xAA, 0xBB}, five[5] = {};
    uint8_t raw[8] = {};
    const Case cases[] = {
        // Value blocks: as much of the first word as the block holds.
        {CALL(BlockValueGet(p, 0xF0, &o)), DvOk, 0x04030201, {"F f0", "D f0#4"}},
        {CALL(BlockValueSet(p, 0xF1, 255)), DvOk, -1, {"F f1", "S f1:ff"}},
        {CALL(BlockValueSet(p, 0xF1, 256)), DvErrInvalidParameter, -1, {"F f1"}},
        {CALL(BlockValueSet(p, 0xF2, -2)), DvOk, -1, {"F f2", "S f2:feffffff0000"}},
        // Fields and items; a write reads the block and writes all of it back.
        {CALL(BlockFieldGet(p, 0xF0, 1, 2, &o)), DvOk, 0x0302, {"F f0", "D f0#4"}},
        {CALL(BlockFieldGet(p, 0xF0, 3, 2, &o)), DvErrNotSupported, -1, {"F f0"}},
        {CALL(BlockFieldSet(p, 0xF0, 1, 2, 0xBEEF)), DvOk, -1, {"F f0", "D f0#4", "S f0:01efbe04"}},
        {CALL(BlockFieldSet(p, 0xF0, 0, 1, 256)), DvErrInvalidParameter, -1, {}},
        {CALL(BlockItemGet(p, 0xF0, 2, 1, &o)), DvOk, 0x0403, {"F f0", "D f0#4"}},
        {CALL(BlockItemGet(p, 0xF0, 2, 2, &o)), DvErrInvalidParameter, -1, {"F f0", "D f0#4"}},
        {CALL(BlockItemSet(p, 0xF0, 1, 3, 9)), DvOk, -1, {"F f0", "D f0#4", "S f0:01020309"}},
        // Raw blocks: the capacity must hold the block; a write is zero-filled to it.
        {CALL(o = 3, BlockRawGet(p, 0xF0, raw, &o)), DvErrSizeMismatch, 4, {"F f0"}},
        {CALL(o = 8, BlockRawGet(p, 0xF0, raw, &o)), DvOk, 4, {"F f0", "D f0#4"}},
        {CALL(BlockRawSet(p, 0xF0, two, 2)), DvOk, -1, {"F f0", "S f0:aabb0000"}},
        {CALL(BlockRawSet(p, 0xF0, five, 5)), DvErrSizeMismatch, -1, {"F f0"}},
        // Fixed blocks: the feature's length, no query.
        {CALL(BlockFixedGet(p, 0xF0, 2, raw + 4)), DvOk, -1, {"D f0#2"}},
        {CALL(BlockFixedSet(p, 0xF1, 1, two)), DvOk, -1, {"S f1:aa"}},
        // Lengths of 0, beyond 0x10000, of a block that is not there.
        {CALL(BlockValueGet(p, 0xF3, &o)), DvErrNotSupported, -1, {"F f3"}},
        {CALL(BlockFieldGet(p, 0xF4, 0, 1, &o)), DvErrWrongLength, -1, {"F f4"}},
        {CALL(BlockItemGet(p, 0xEE, 1, 0, &o)), DvErrNotSupported, -1, {"F ee"}},
        // Fallback moves on past a missing code; a refusal is an answer, with its data.
        {CALL(ValueGet<Codes<0xEE, 0x70>, ReadAs::Raw>(p, &o)), DvOk, 4, {"R ee", "R 70"}},
        {CALL(ValueGet<Codes<0xE1, 0x70>, ReadAs::Bool>(p, &o)), DvErrRefused, 1, {"R e1"}, 0xE1},
        {CALL(ValueSet<Codes<0xEE, 0xE1>, Switch::ExactlyOne>(p, 2)), DvOk, -1, {"W ee=0", "W e1=0"}},
        {CALL(EachSupportCode<Codes<0xE3, 0x70>>(&o, [&](uint32_t c, int32_t* f) { return p.QueryGamma(c, f); })), DvOk,
         1, {"F e3", "F 70"}},
        {CALL(CopyValue(p, 0xE1, 0x70)), DvOk, -1, {"R e1", "W 70=2"}, 0xE1},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(testing::Message() << "case " << i);
        dvcsim::ResetState();
        if (cases[i].refuse != 0) Fault(dvcsim::Op::GetValue, cases[i].refuse, 0, 0, 1, dvcsim::FaultKind::RefusedData);
        int32_t out = -1;
        EXPECT_EQ(cases[i].run(*hid, out), cases[i].result);
        EXPECT_EQ(out, cases[i].out);
        EXPECT_EQ(Trace(), cases[i].sent);
    }
    EXPECT_EQ(Bytes(raw, raw + 8), (Bytes{1, 2, 3, 4, 1, 2, 0, 0}));
}

// Pairs of 16-bit numbers of 0.0001, x before y, rounded to the nearest.
TEST_F(FeatureShapes, ChromaticityPairs) {
    double xy[2] = {0.31269, 0.00004};
    ASSERT_EQ(BlockXYSet(*hid, 0x45, 1, xy), DvOk);
    for (const double wrong : {-0.00001, 6.55355}) {
        xy[1] = wrong;
        EXPECT_EQ(BlockXYSet(*hid, 0x45, 1, xy), DvErrInvalidParameter);
    }
    ASSERT_EQ(BlockXYGet(*hid, 0x47, 1, xy), DvOk);
    EXPECT_EQ((std::array{xy[0], xy[1]}), (std::array{0.3127, 0.329}));
    EXPECT_EQ(Trace(), (Strings{"S 45:370c0000", "D 47#4"}));
}

}  // namespace
}  // namespace dvc::test
