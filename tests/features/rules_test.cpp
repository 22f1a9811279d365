// How operations ask a monitor's paths: the five rules and the folding of
// the older exports, on monitors reached over HID (first) and DDC/CI, with
// the first path made to fail or refuse.
#include <gtest/gtest.h>

#include <functional>

#include "libdvc/libdvc.h"
#include "paths/feature_codes.hpp"
#include "support/sim_world.hpp"

namespace dvc::test {
namespace {

using namespace dvc::codes;
using dvc::sim::FaultKind;
using dvc::sim::Link;
using dvc::sim::Op;

struct Case {
    const char* what;
    WorldMonitor monitor;
    Op op;  // faulted on the HID path, for `code`
    uint32_t code;
    FaultKind kind;
    int32_t result;
    std::function<int(const WorldMonitor&)> call;
    int expected;
    bool secondAsked;  // whether the DDC/CI path hears of it
};

int GetOSDLanguage(const WorldMonitor& m) {
    int value = -1;
    return DvCtrlGetOSDLanguage(m.serial, m.model, &value);
}
int GetPower(const WorldMonitor& m) {
    int value = -1;
    return DvCtrlGetPower(m.serial, m.model, &value);
}
int GetRangeGain(const WorldMonitor& m) {
    int high = 0, low = 0;
    return DvCtrlGetRangeGain(m.serial, m.model, &high, &low);
}
int GetRangeClock(const WorldMonitor& m) {
    int high = 0, low = 0;
    return DvCtrlGetRangeClock(m.serial, m.model, &high, &low);
}

const Case kCases[] = {
    {"first answer: a failure goes on", kDual, Op::GetValue, kOSDLanguage, FaultKind::Result, DvErrFailed,
     GetOSDLanguage, DvOk, true},
    {"first answer: a refusal is the answer", kDual, Op::GetValue, kOSDLanguage, FaultKind::RefusedData, 0,
     GetOSDLanguage, DvErrRefused, false},
    {"first success: a refusal goes on", kDual, Op::GetValue, kPower, FaultKind::RefusedData, 0, GetPower, DvOk, true},
    {"any path: a first no goes on", kDual, Op::GetFixedData, kOSDLanguage, FaultKind::Result, DvErrFailed,
     [](const WorldMonitor& m) { return DvCtrlSupportedOSDLanguage(m.serial, m.model); }, 1, true},
    {"out-flag support: a failure goes on", kDual, Op::GetFixedData, kAllKeyLock, FaultKind::Result, DvErrFailed,
     [](const WorldMonitor& m) { return DvCtrlSupportedAllKeyLock(m.serial, m.model); }, 1, true},
    {"first path only: one failing channel fails all", kDual, Op::GetFixedData, kGainGreen, FaultKind::Result,
     DvErrTimeout, GetRangeGain, DvErrFailed, false},
    {"flag kept: a refused support query still gives its flag", kMedical, Op::GetFixedData, kGamma,
     FaultKind::RefusedData, 0, [](const WorldMonitor& m) { return DvCtrlSupportedGamma(m.serial, m.model); }, 1,
     false},
    {"first nonzero: an answer other than 0 ends it", kGrading, Op::SetValue, kColorBanding, FaultKind::RefusedData, 0,
     [](const WorldMonitor& m) { return DvCtrlFixColorBanding(m.serial, m.model); }, DvErrRefused, false},
    {"first nonzero: every path hears a command that succeeds", kGrading, Op::SetValue, kColorBanding, FaultKind::Delay,
     0, [](const WorldMonitor& m) { return DvCtrlFixColorBanding(m.serial, m.model); }, DvOk, true},
};

class Rules : public SimWorld {};

TEST_F(Rules, EachRuleEndsTheSearchWhereItShould) {
    Discover();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        dvc::sim::ClearFaults();
        dvc::sim::FaultRule rule;
        rule.link = Link::HID;
        rule.serial = c.monitor.serial;
        rule.op = c.op;
        rule.code = c.code;
        rule.count = 0;
        rule.kind = c.kind;
        rule.result = c.result;
        dvc::sim::AddFault(rule);
        dvc::sim::ClearTransactions();
        EXPECT_EQ(c.call(c.monitor), c.expected);
        EXPECT_EQ(!Log(Op::GetValue, Link::DDCCI).empty() || !Log(Op::SetValue, Link::DDCCI).empty() ||
                      !Log(Op::GetFixedData, Link::DDCCI).empty() || !Log(Op::IsSupported, Link::DDCCI).empty(),
                  c.secondAsked);
    }
}

TEST_F(Rules, EveryPathFailingGivesTheLastPathsCodeOrTheOlderFold) {
    Discover();
    FailAll(Op::GetValue, Link::HID, DvErrTimeout);
    FailAll(Op::GetValue, Link::DDCCI, DvErrInvalidParameter);
    EXPECT_EQ(GetOSDLanguage(kDual), DvErrInvalidParameter) << "the last path's code";
    // The older range exports fold any failure into DvErrFailed, and an
    // absent feature into DvErrNotSupported.
    FailAll(Op::GetFixedData, Link::DDCCI, DvErrTimeout);
    EXPECT_EQ(GetRangeClock(kOffice), DvErrFailed);
    dvc::sim::ClearFaults();
    EXPECT_EQ(GetRangeClock(kOffice), DvOk);
    EXPECT_EQ(GetRangeClock(kDual), DvErrFailed) << "no clock: every path fails";
}

// The HID path answers for the volume and the blue gain, but reports them
// absent.
TEST_F(Rules, AnAnswerThatReportsTheFeatureAbsent) {
    DiscoverJson(R"({"monitors": [{"serial": "21409001", "profile": "CX2740", "links": {"ddcci": true, "hid": true},
                   "features": {"0xB0": {"hid": {"flag": 0}}, "0x8C": {"hid": {"flag": 0}}}}]})");
    int high = 0, low = 0;
    EXPECT_EQ(DvCtrlGetRangeAudioVolume(kDual.serial, kDual.model, &high, &low), DvErrNotSupported)
        << "an older range folds an absent feature into DvErrNotSupported";
    EXPECT_EQ(DvCtrlSupportedAudioVolume(kDual.serial, kDual.model), 0);
    EXPECT_EQ(DvCtrlGetRangeGain(kDual.serial, kDual.model, &high, &low), DvErrFailed)
        << "the first path alone, and every channel must be there";
    EXPECT_EQ(DvCtrlSupportedGain(kDual.serial, kDual.model), 0);
}

TEST_F(Rules, AMonitorWithoutPathsAnswersWithTheFailureOfItsClass) {
    SeedMonitors({{"SER00001", "BARE"}});
    int value = 0;
    EXPECT_EQ(DvCtrlGetOSDLanguage("SER00001", "BARE", &value), DvErrFailed);
    EXPECT_EQ(DvCtrlSupportedOSDLanguage("SER00001", "BARE"), 0);
    EXPECT_EQ(DvCtrlSupportedAllKeyLock("SER00001", "BARE"), 0);
    EXPECT_EQ(DvCtrlGetRangeGain("SER00001", "BARE", &value, &value), DvErrFailed);
}

}  // namespace
}  // namespace dvc::test
