// The transaction log, the per-link counters and scripted faults: which
// call a fault hits, how often, and what it does to the answer.
#include <chrono>

#include "sim_fixture.hpp"

namespace dvc::test {
namespace {

using sim::FaultKind;
using sim::Link;
using sim::Op;

class Instrumentation : public WorldTest {
protected:
    void SetUp() override {  // every call reaches the log: the transports keep no answers
        setenv("DVC_LINK_CACHE", "off", 1);
        Open();
        sim::ClearTransactions();
        sim::ResetCounters();
    }
    void TearDown() override {
        WorldTest::TearDown();
        unsetenv("DVC_LINK_CACHE");
    }
    // A rule for `op` on any link, monitor and code; `count` 0 is every call.
    static sim::FaultRule Rule(Op op, FaultKind kind = FaultKind::Result, uint32_t count = 1) {
        sim::FaultRule rule;
        rule.op = op, rule.kind = kind, rule.count = count;
        return rule;
    }
    static int32_t Read(uint32_t index, uint32_t code = 0x88) {
        uint32_t v = 0;
        return DvDDCCIGetValue(index, code, &v);
    }
};

TEST_F(Instrumentation, EachCallIsRecordedWithWhatMovedAndCountedOnItsLink) {
    uint32_t v = 55, length = 0;
    char id[8];
    DvDDCCISetValue(3, 0x88, &v);
    DvDDCCIGetValue(3, 0x88, &v);
    DvDDCCIGetFixedData(0, 0x11, nullptr, nullptr, &length);
    DvDDCCIGetData(0, 0x11, id, 8);
    DvDDCCISetData(0, 0x11, "XXXXXXXX", 8);
    DvDDCCIIsSupported(1, 0x70);
    DvDDCCIGetValue(7, 0x88, &v);
    const char* expected[] = {
        "DDC/CI SetValue target=0x3 code=0x88 value=0x37 size=0 option=0 result=0x00000000 serial=23100077",
        "DDC/CI GetValue target=0x3 code=0x88 value=0x37 size=0 option=0 result=0x00000000 serial=23100077",
        "DDC/CI GetFixedData target=0x0 code=0x11 value=0x12 size=0 option=0 result=0x00000000 serial=21409001",
        "DDC/CI GetData target=0x0 code=0x11 value=0x0 size=8 option=0 result=0x00000000 serial=21409001"
        " data=3231343039303031",
        "DDC/CI SetData target=0x0 code=0x11 value=0x0 size=8 option=0 result=0x80000006 serial=21409001"
        " data=5858585858585858",
        "DDC/CI IsSupported target=0x1 code=0x70 value=0x0 size=0 option=0 result=0x00000000 serial=17200455",
        "DDC/CI GetValue target=0x7 code=0x88 value=0x0 size=0 option=0 result=0x80000000",
    };
    const auto log = sim::Transactions();
    ASSERT_EQ(log.size(), std::size(expected));
    for (std::size_t i = 0; i < log.size(); ++i) EXPECT_EQ(sim::Describe(log[i]), expected[i]);

    ASSERT_EQ(DvHIDGetValue(HidHandleOf(kCX), 0x88, &v), 0);  // an identification read, then this one
    const sim::Timing timing = sim::GetTiming();
    EXPECT_FALSE(timing.enabled) << "link time is counted, not slept";
    EXPECT_EQ(sim::Counters(Link::DDCCI).link_time, 3 * timing.ddcci_reply + 2 * timing.ddcci_post_write);
    EXPECT_EQ(sim::Counters(Link::HID).link_time, 2 * timing.hid_reply);
    const std::string line = "DDC/CI calls 7  reads 5  writes 2  failures 1  refusals 1  bytes in 8 out 8  faults 0";
    EXPECT_NE(sim::Summary().find(line + "  link time 220.000 ms"), std::string::npos) << sim::Summary();
}

TEST_F(Instrumentation, AResultFaultHitsTheNthMatchingCallForItsCount) {
    sim::FaultRule rule = Rule(Op::GetValue, FaultKind::Result, 2);
    rule.link = Link::DDCCI, rule.code = 0x88, rule.result = DvErrTimeout;
    rule.skip = 1;  // the second and third calls
    const uint32_t id = sim::AddFault(rule);
    uint32_t v = 1234;
    const int32_t expected[] = {0, 0, DvErrTimeout, DvErrTimeout, 0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Read(0, i == 0 ? 0x89 : 0x88), expected[i]) << i;  // 0x89 does not count
    EXPECT_EQ(sim::Transactions()[2].result, DvErrTimeout);
    EXPECT_EQ(sim::FaultHits(id), 2u);
    EXPECT_EQ(sim::Counters(Link::DDCCI).faults_injected, 2u);
    sim::AddFault(Rule(Op::GetValue));
    EXPECT_EQ(DvDDCCIGetValue(0, 0x88, &v), DvErrFailed);
    EXPECT_EQ(v, 1234u) << "the caller's value is untouched";
    sim::RemoveFault(id);
    EXPECT_EQ(sim::FaultHits(id), 0u);
}

TEST_F(Instrumentation, SerialAndLinkNarrowAFault) {
    sim::FaultRule rule = Rule(Op::GetValue, FaultKind::Result, 0);
    rule.serial = kOF2;
    sim::AddFault(rule);
    EXPECT_EQ(Read(1), 0);
    EXPECT_EQ(Read(2), DvErrFailed);
    EXPECT_EQ(Read(2, 0x89), DvErrFailed) << "any code";

    sim::ClearFaults();
    rule = Rule(Op::GetValue, FaultKind::Result, 0);
    rule.link = Link::HID, rule.result = DvErrNotSupported;
    sim::AddFault(rule);
    uint32_t v = 0;
    EXPECT_EQ(DvHIDGetValue(HidHandleOf(kCX), 0x88, &v), DvErrNotSupported);
    EXPECT_EQ(Read(0), 0);
}

TEST_F(Instrumentation, ProbabilityFaultsRepeatForTheSameSeed) {
    const auto pattern = [] {
        sim::ClearFaults();
        sim::SeedFaults(42);
        sim::FaultRule rule = Rule(Op::GetValue, FaultKind::Result, 0);
        rule.probability = 0.3;
        sim::AddFault(rule);
        std::string out;
        for (int i = 0; i < 64; ++i) out += Read(0) == 0 ? '.' : 'x';
        return out;
    };
    const std::string a = pattern();
    EXPECT_EQ(pattern(), a);
    EXPECT_GT(std::count(a.begin(), a.end(), 'x'), 5) << a;
    EXPECT_LT(std::count(a.begin(), a.end(), 'x'), 40) << a;
}

TEST_F(Instrumentation, DataFaultsShortenGarbleRefuseOrDelayTheAnswer) {
    const Wire cx = Ddc(0);
    const Bytes clean = cx.Read(0x11, 18);
    sim::FaultRule rule = Rule(Op::GetData);
    rule.keep_bytes = 5;
    for (FaultKind kind : {FaultKind::ShortData, FaultKind::GarbageData, FaultKind::RefusedData}) {
        rule.kind = kind;
        sim::AddFault(rule);
    }
    Bytes got, cut(clean.begin(), clean.begin() + 5);
    cut.resize(18, 0);
    EXPECT_EQ(cx.Read(0x11, 18, got), 0);
    EXPECT_EQ(got, cut) << "cut short after 5 bytes";
    EXPECT_EQ(cx.Read(0x11, 18, got), 0);
    EXPECT_NE(got, clean) << "garbled";
    EXPECT_EQ(cx.Read(0x11, 18, got), DvErrRefused);
    EXPECT_EQ(got, clean) << "refused, but the data are there";
    EXPECT_EQ(cx.Read(0x11, 18), clean) << "every rule was used up";

    sim::AddFault(Rule(Op::SetValue, FaultKind::RefusedData));
    EXPECT_EQ(cx.SetValue(0x88, 12), DvErrRefused);
    EXPECT_EQ(sim::GetStateValue(kCX, 0x88), 12u) << "a refused write still reaches the monitor";

    rule = Rule(Op::GetValue, FaultKind::Delay);
    rule.delay = std::chrono::milliseconds(30);
    sim::AddFault(rule);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(cx.Value(0x88), 12u);
    EXPECT_GE(std::chrono::steady_clock::now() - start, rule.delay);
    EXPECT_EQ(sim::Counters(Link::DDCCI).faults_injected, 5u);
}

}  // namespace
}  // namespace dvc::test
