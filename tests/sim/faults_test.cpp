// Scripted faults: which call they hit, how often, and what they do to the
// answer.
#include <ddclink/ddclink.h>
#include <hidlink/hidlink.h>

#include "sim_fixture.hpp"

namespace {

using namespace dvc::test;
using dvc::sim::FaultKind;
using dvc::sim::FaultRule;
using dvc::sim::Link;
using dvc::sim::Op;

class Faults : public WorldTest {
protected:
    void SetUp() override {
        Activate();
        ASSERT_EQ(DvDDCCISetCommunicationType(0), 0);
        ASSERT_EQ(DvDDCCIFind(), 4);
    }
    void TearDown() override {
        DvDDCCIRelease();
        DvHIDRelease();
        WorldTest::TearDown();
    }
    static int32_t Read(uint32_t code, uint32_t* v, uint32_t index = 0) { return DvDDCCIGetValue(index, code, v); }
};

TEST_F(Faults, ResultFaultHitsTheNthMatchingCallForItsCount) {
    FaultRule rule;
    rule.link = Link::DDCCI;
    rule.op = Op::GetValue;
    rule.code = 0x88;
    rule.skip = 1;   // the second call ...
    rule.count = 2;  // ... and the third
    rule.result = static_cast<int32_t>(0x80000013u);
    uint32_t id = dvc::sim::AddFault(rule);
    uint32_t v = 0;
    EXPECT_EQ(Read(0x89, &v), 0);  // another code does not count
    EXPECT_EQ(Read(0x88, &v), 0);
    v = 1234;
    EXPECT_EQ(Read(0x88, &v), rule.result);
    EXPECT_EQ(v, 1234u);  // the caller's value is untouched
    EXPECT_EQ(Read(0x88, &v), rule.result);
    EXPECT_EQ(Read(0x88, &v), 0);
    EXPECT_EQ(dvc::sim::FaultHits(id), 2u);
    EXPECT_EQ(dvc::sim::Counters(Link::DDCCI).faults_injected, 2u);
    dvc::sim::RemoveFault(id);
}

TEST_F(Faults, SerialNarrowsAFaultToOneMonitor) {
    FaultRule rule;
    rule.op = Op::GetValue;
    rule.serial = kOF2;
    rule.count = 0;  // every call
    dvc::sim::AddFault(rule);
    uint32_t v = 0;
    EXPECT_EQ(Read(0x88, &v, 1), 0);
    EXPECT_EQ(Read(0x88, &v, 2), DvErrFailed);
    EXPECT_EQ(Read(0x89, &v, 2), DvErrFailed);
}

TEST_F(Faults, ProbabilityFaultsRepeatForTheSameSeed) {
    auto pattern = [] {
        dvc::sim::ClearFaults();
        dvc::sim::SeedFaults(42);
        FaultRule rule;
        rule.op = Op::GetValue;
        rule.count = 0;
        rule.probability = 0.3;
        dvc::sim::AddFault(rule);
        std::string out;
        uint32_t v = 0;
        for (int i = 0; i < 64; ++i) out += Read(0x88, &v) == 0 ? '.' : 'x';
        return out;
    };
    std::string a = pattern(), b = pattern();
    EXPECT_EQ(a, b);
    auto hits = std::count(a.begin(), a.end(), 'x');
    EXPECT_GT(hits, 5);
    EXPECT_LT(hits, 40);
}

TEST_F(Faults, DataFaultsShortenGarbleOrRefuseTheAnswer) {
    uint32_t length = 0;
    ASSERT_EQ(DvDDCCIGetFixedData(0, 0x11, nullptr, nullptr, &length), 0);
    std::string clean(length, '\0');
    ASSERT_EQ(DvDDCCIGetData(0, 0x11, clean.data(), length), 0);

    FaultRule rule;
    rule.op = Op::GetData;
    rule.code = 0x11;
    rule.kind = FaultKind::ShortData;
    rule.keep_bytes = 5;
    dvc::sim::AddFault(rule);
    std::string got(length, 'z');
    EXPECT_EQ(DvDDCCIGetData(0, 0x11, got.data(), length), 0);
    EXPECT_EQ(got.substr(0, 5), clean.substr(0, 5));
    EXPECT_EQ(got.substr(5), std::string(length - 5, '\0'));

    rule.kind = FaultKind::GarbageData;
    dvc::sim::AddFault(rule);
    EXPECT_EQ(DvDDCCIGetData(0, 0x11, got.data(), length), 0);
    EXPECT_NE(got, clean);

    rule.kind = FaultKind::RefusedData;
    dvc::sim::AddFault(rule);
    got.assign(length, 'z');
    EXPECT_EQ(DvDDCCIGetData(0, 0x11, got.data(), length), DvErrRefused);
    EXPECT_EQ(got, clean);  // refused, but the data are there

    EXPECT_EQ(DvDDCCIGetData(0, 0x11, got.data(), length), 0);  // every rule was used up
}

TEST_F(Faults, RefusedWriteStillReachesTheMonitor) {
    FaultRule rule;
    rule.op = Op::SetValue;
    rule.kind = FaultKind::RefusedData;
    dvc::sim::AddFault(rule);
    uint32_t v = 12;
    EXPECT_EQ(DvDDCCISetValue(0, 0x88, &v), DvErrRefused);
    EXPECT_EQ(dvc::sim::GetStateValue(kCX, 0x88), 12u);
}

TEST_F(Faults, HidFaultsLeaveDdcAlone) {
    ASSERT_EQ(DvHIDFind(), 3);
    uint32_t h = 0;
    ASSERT_EQ(DvHIDRetrieve(0, &h), 0);
    FaultRule rule;
    rule.link = Link::HID;
    rule.op = Op::GetValue;
    rule.count = 0;
    rule.result = DvErrNotSupported;
    dvc::sim::AddFault(rule);
    uint32_t v = 0;
    EXPECT_EQ(DvHIDGetValue(h, 0x88, &v), DvErrNotSupported);
    EXPECT_EQ(Read(0x88, &v), 0);
}

}  // namespace
