// Value primitives of both paths against a virtual monitor, checked by what
// reached the monitor.
#include <unistd.h>

#include <cmath>

#include "paths/path_world.hpp"
#include "platform/process.hpp"

using dvc::test::PathWorld;
using dvcsim::Link;

namespace {
constexpr uint32_t kBrightness = 0x88;
constexpr uint32_t kZeroMaximum = 0x12;
constexpr uint32_t kAbsent = 0x13;
constexpr uint32_t kBlackLevel = 0x92;
constexpr uint32_t kNegativeRange = 0x93;
constexpr uint32_t kSwitch = 0xE1;
constexpr uint32_t kSave = 0x52;
}  // namespace

using RatioWrites = PathWorld;

TEST_F(RatioWrites, DdcciTruncatesAndHidRounds) {
    const double half = 0.5;
    const int useRaw = 0;
    ASSERT_EQ(ddcci->WriteBrightnessRatio(kBrightness, &half, nullptr, &useRaw), DvOk);
    EXPECT_EQ(Stored(kBrightness), 50u);
    ASSERT_EQ(hid->WriteBrightnessRatio(kBrightness, &half, nullptr, &useRaw), DvOk);
    EXPECT_EQ(Stored(kBrightness), 51u);
    ASSERT_EQ(hid->WriteContrastRatio(kBrightness, &half, nullptr, &useRaw), DvOk);
    EXPECT_EQ(Stored(kBrightness), 51u);
}

TEST_F(RatioWrites, RawValueGoesOutUnchanged) {
    const double ignored = 0.9;
    const uint32_t raw = 77;
    const int useRaw = 1;
    EXPECT_EQ(ddcci->WriteContrastRatio(kBrightness, &ignored, &raw, &useRaw), DvOk);
    EXPECT_EQ(Stored(kBrightness), 77u);
    const uint32_t other = 12;
    EXPECT_EQ(hid->WriteBrightnessRatio(kBrightness, &ignored, &other, &useRaw), DvOk);
    EXPECT_EQ(Stored(kBrightness), 12u);
}

TEST_F(RatioWrites, NegativeRatioWritesNothingOnEitherPath) {
    const double negative = -0.1;
    const int useRaw = 0;
    EXPECT_EQ(ddcci->WriteBrightnessRatio(kBrightness, &negative, nullptr, &useRaw), DvErrInvalidParameter);
    EXPECT_EQ(hid->WriteBrightnessRatio(kBrightness, &negative, nullptr, &useRaw), DvErrInvalidParameter);
    EXPECT_EQ(hid->WriteContrastRatio(kBrightness, &negative, nullptr, &useRaw), DvErrInvalidParameter);
    EXPECT_TRUE(Writes(Link::DDCCI).empty());
    EXPECT_TRUE(Writes(Link::HID).empty());
}

TEST_F(RatioWrites, ZeroMaximumAndMissingSupport) {
    const double half = 0.5;
    const int useRaw = 0;
    EXPECT_EQ(ddcci->WriteBrightnessRatio(kZeroMaximum, &half, nullptr, &useRaw), DvErrFailed);
    // The unchecked HID write goes ahead with a maximum of 0 and writes 0.
    EXPECT_EQ(hid->WriteBrightnessRatio(kZeroMaximum, &half, nullptr, &useRaw), DvOk);
    EXPECT_EQ(Stored(kZeroMaximum), 0u);
    EXPECT_EQ(hid->WriteContrastRatio(kAbsent, &half, nullptr, &useRaw), DvErrNotSupported);
    EXPECT_EQ(Stored(kAbsent), 25u);
}

using RatioReads = PathWorld;

TEST_F(RatioReads, BothPathsGiveRawAndRatio) {
    for (VarnMonitorInterface* path : {static_cast<VarnMonitorInterface*>(ddcci), static_cast<VarnMonitorInterface*>(hid)}) {
        double ratio = -1;
        uint32_t raw = 0;
        ASSERT_EQ(path->ReadBrightnessRatio(kBrightness, &ratio, &raw), DvOk);
        EXPECT_EQ(raw, 40u);
        EXPECT_DOUBLE_EQ(ratio, 40.0 / 101.0);
    }
}

TEST_F(RatioReads, ZeroMaximumFailsExceptOnTheLenientHidRead) {
    double ratio = -1;
    uint32_t raw = 0;
    EXPECT_EQ(ddcci->ReadBrightnessRatio(kZeroMaximum, &ratio, &raw), DvErrFailed);
    EXPECT_EQ(ddcci->ReadContrastRatio(kZeroMaximum, &ratio, &raw), DvErrFailed);
    EXPECT_EQ(hid->ReadBrightnessRatio(kZeroMaximum, &ratio, &raw), DvErrFailed);
    EXPECT_EQ(hid->ReadContrastRatio(kZeroMaximum, &ratio, &raw), DvOk);
    EXPECT_EQ(raw, 7u);
    EXPECT_EQ(ratio, -1);
}

TEST_F(RatioReads, MissingSupportIsNotSupportedOrFailedByPath) {
    double ratio = 0;
    uint32_t raw = 0;
    EXPECT_EQ(ddcci->ReadBrightnessRatio(kAbsent, &ratio, &raw), DvErrNotSupported);
    EXPECT_EQ(hid->ReadBrightnessRatio(kAbsent, &ratio, &raw), DvErrFailed);
    EXPECT_EQ(hid->ReadContrastRatio(kAbsent, &ratio, &raw), DvErrNotSupported);
}

using BlackLevel = PathWorld;

TEST_F(BlackLevel, DdcciShowsTheRangeCentredOnZero) {
    int32_t value = 0;
    ASSERT_EQ(ddcci->ReadBlackLevel(kBlackLevel, &value), DvOk);
    EXPECT_EQ(value, 10);
    const int32_t offset = -50;
    ASSERT_EQ(ddcci->WriteBlackLevel(kBlackLevel, &offset), DvOk);
    EXPECT_EQ(Stored(kBlackLevel), 0u);

    int32_t flag = 0, maximum = 0, minimum = 0;
    ASSERT_EQ(ddcci->QueryBlackLevelRange(kBlackLevel, &flag, &maximum, &minimum), DvOk);
    EXPECT_NE(flag, 0);
    EXPECT_EQ(maximum, 50);
    EXPECT_EQ(minimum, -50);
}

TEST_F(BlackLevel, MiddleRoundsTowardZero) {
    int32_t flag = 0, maximum = 0, minimum = 0;
    ASSERT_EQ(ddcci->QueryBlackLevelRange(kNegativeRange, &flag, &maximum, &minimum), DvOk);
    EXPECT_EQ(maximum, 1);   // middle of -3..0 is -1
    EXPECT_EQ(minimum, -2);
    int32_t value = 0;
    ASSERT_EQ(ddcci->ReadBlackLevel(kNegativeRange, &value), DvOk);
    EXPECT_EQ(value, 1);
}

TEST_F(BlackLevel, HidDoesNotCarryIt) {
    int32_t value = 1234;
    EXPECT_EQ(hid->ReadBlackLevel(kBlackLevel, &value), DvErrNotImplemented);
    EXPECT_EQ(value, 1234);
    EXPECT_EQ(Count(Link::HID), 0u);
}

using Switches = PathWorld;

TEST_F(Switches, DdcciFoldsToOneAndHidPassesTheValue) {
    ASSERT_EQ(ddcci->WriteSwitch(kSwitch, 2), DvOk);
    EXPECT_EQ(Stored(kSwitch), 1u);
    ASSERT_EQ(hid->WriteSwitch(kSwitch, 2), DvOk);
    EXPECT_EQ(Stored(kSwitch), 2u);
    const int on = 5;
    ASSERT_EQ(hid->WriteBrightRegulator(kSwitch, &on), DvOk);
    EXPECT_EQ(Stored(kSwitch), 1u);
}

TEST_F(Switches, BooleanReadIsWrittenEvenWhenTheReadFails) {
    int out = 7;
    EXPECT_LT(ddcci->ReadSwitch(0x7777, &out), 0);
    EXPECT_EQ(out, 0);
    dvcsim::SetStateValue(dvc::test::kPathSerial, kSwitch, 4);
    ASSERT_EQ(hid->ReadKeyLock(kSwitch, &out), DvOk);
    EXPECT_EQ(out, 1);
}

using SaveValue = PathWorld;

TEST_F(SaveValue, DdcciWritesTheLow16BitsAndHidTwoBytes) {
    ASSERT_EQ(ddcci->WriteSaveValue(kSave, 0x12345), DvOk);
    auto writes = Writes(Link::DDCCI);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].op, dvcsim::Op::SetValue);
    EXPECT_EQ(writes[0].value, 0x2345u);

    ASSERT_EQ(hid->WriteSaveValue(kSave, 0x12345), DvOk);
    writes = Writes(Link::HID);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].op, dvcsim::Op::SetData);
    EXPECT_EQ(writes[0].data, (std::vector<uint8_t>{0x45, 0x23}));
    EXPECT_EQ(writes[0].option, 0u);
}

TEST_F(SaveValue, ResetValueGoesOutWholeOnDdcciOnly) {
    ASSERT_EQ(ddcci->WriteResetValue(kSave, 0x12345), DvOk);
    EXPECT_EQ(Stored(kSave), 0x12345u);
    EXPECT_EQ(hid->WriteResetValue(kSave, 1), DvErrNotImplemented);
}

// Process ids kept in the monitor: this process, one that runs (the
// parent, the test runner), and one that cannot exist.
class MonitorMutex : public PathWorld {
protected:
    static constexpr uint32_t kCode = 0xB8;
    static constexpr uint32_t kEndedProcess = 0x7FFFFFF0;
    void Owner(uint32_t pid) { dvcsim::SetStateValue(dvc::test::kPathSerial, kCode, pid); }
    const uint32_t self = dvc::platform::CurrentProcessId();
    const uint32_t live = static_cast<uint32_t>(::getppid());
};

TEST_F(MonitorMutex, OwnMutexIsHeldWithoutAWrite) {
    Owner(self);
    int acquired = 0;
    ASSERT_EQ(ddcci->AcquireMonitorMutex(kCode, &acquired, 0), DvOk);
    EXPECT_EQ(acquired, 1);
    EXPECT_TRUE(Writes(Link::DDCCI).empty());
}

TEST_F(MonitorMutex, FreeOrEndedOwnerIsTakenOver) {
    for (uint32_t before : {0u, kEndedProcess}) {
        Owner(before);
        int acquired = 0;
        ASSERT_EQ(ddcci->AcquireMonitorMutex(kCode, &acquired, 0), DvOk);
        EXPECT_EQ(acquired, 1);
        EXPECT_EQ(Stored(kCode), self);
    }
}

TEST_F(MonitorMutex, LiveOwnerKeepsItUnlessForced) {
    Owner(live);
    int acquired = 7;
    ASSERT_EQ(ddcci->AcquireMonitorMutex(kCode, &acquired, 0), DvOk);
    EXPECT_EQ(acquired, 0);
    EXPECT_EQ(Stored(kCode), live);
    int released = 7;
    ASSERT_EQ(ddcci->ReleaseMonitorMutex(kCode, &released, 0), DvOk);
    EXPECT_EQ(released, 7);
    EXPECT_EQ(Stored(kCode), live);
    EXPECT_TRUE(Writes(Link::DDCCI).empty());

    ASSERT_EQ(ddcci->AcquireMonitorMutex(kCode, &acquired, 1), DvOk);
    EXPECT_EQ(acquired, 1);
    EXPECT_EQ(Stored(kCode), self);
}

TEST_F(MonitorMutex, ReleaseClearsAFreeOwnOrEndedMutex) {
    for (uint32_t before : {0u, self, kEndedProcess}) {
        Owner(before);
        int released = 0;
        ASSERT_EQ(ddcci->ReleaseMonitorMutex(kCode, &released, 0), DvOk);
        EXPECT_EQ(released, 1);
        EXPECT_EQ(Stored(kCode), 0u);
    }
    Owner(live);
    int released = 0;
    ASSERT_EQ(ddcci->ReleaseMonitorMutex(kCode, &released, 1), DvOk);
    EXPECT_EQ(released, 1);
    EXPECT_EQ(Stored(kCode), 0u);
}

TEST_F(MonitorMutex, FailedReadReportsNotAcquired) {
    dvcsim::FaultRule rule;
    rule.link = Link::DDCCI;
    rule.op = dvcsim::Op::GetValue;
    rule.code = kCode;
    dvcsim::AddFault(rule);
    int acquired = 1;
    EXPECT_EQ(ddcci->AcquireMonitorMutex(kCode, &acquired, 0), DvErrFailed);
    EXPECT_EQ(acquired, 0);
    dvcsim::ClearFaults();
}

TEST_F(MonitorMutex, HidDoesNotCarryIt) {
    int acquired = 5;
    int32_t flag = 5;
    EXPECT_EQ(hid->AcquireMonitorMutex(kCode, &acquired, 1), DvErrNotImplemented);
    EXPECT_EQ(hid->QueryMonitorMutex(kCode, &flag), DvErrNotImplemented);
    EXPECT_EQ(acquired, 5);
    EXPECT_EQ(flag, 5);
    EXPECT_EQ(Count(Link::HID), 0u);
}
