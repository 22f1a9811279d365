// Value primitives of both paths against a virtual monitor, checked by what
// reached the monitor.
#include <unistd.h>

#include "paths/path_world.hpp"
#include "platform/process.hpp"

using dvc::test::PathWorld;
using dvcsim::Link;

namespace {
constexpr uint32_t kBrightness = 0x88;  // maximum 101
constexpr uint32_t kZeroMaximum = 0x12;
constexpr uint32_t kAbsent = 0x13;
constexpr uint32_t kBlackLevel = 0x92;
constexpr uint32_t kSwitch = 0xE1;
constexpr uint32_t kSave = 0x52;
const int kUseRatio = 0;
}  // namespace

using Ratios = PathWorld;

TEST_F(Ratios, DdcciTruncatesHidRoundsAndRawGoesOutUnchanged) {
    const double half = 0.5;
    ASSERT_EQ(ddcci->WriteBrightnessRatio(kBrightness, &half, nullptr, &kUseRatio), DvOk);
    EXPECT_EQ(Stored(kBrightness), 50u);
    ASSERT_EQ(hid->WriteContrastRatio(kBrightness, &half, nullptr, &kUseRatio), DvOk);
    EXPECT_EQ(Stored(kBrightness), 51u);
    const uint32_t raw = 77;
    const int useRaw = 1;
    ASSERT_EQ(hid->WriteBrightnessRatio(kBrightness, &half, &raw, &useRaw), DvOk);
    EXPECT_EQ(Stored(kBrightness), 77u);

    for (VarnMonitorInterface* path : {static_cast<VarnMonitorInterface*>(ddcci), static_cast<VarnMonitorInterface*>(hid)}) {
        double ratio = -1;
        uint32_t read = 0;
        ASSERT_EQ(path->ReadBrightnessRatio(kBrightness, &ratio, &read), DvOk);
        EXPECT_EQ(read, 77u);
        EXPECT_DOUBLE_EQ(ratio, 77.0 / 101.0);
    }
}

TEST_F(Ratios, NegativeRatioWritesNothing) {
    const double negative = -0.1;
    EXPECT_EQ(ddcci->WriteBrightnessRatio(kBrightness, &negative, nullptr, &kUseRatio), DvErrInvalidParameter);
    EXPECT_EQ(hid->WriteBrightnessRatio(kBrightness, &negative, nullptr, &kUseRatio), DvErrInvalidParameter);
    EXPECT_EQ(hid->WriteContrastRatio(kBrightness, &negative, nullptr, &kUseRatio), DvErrInvalidParameter);
    EXPECT_TRUE(Writes(Link::DDCCI).empty());
    EXPECT_TRUE(Writes(Link::HID).empty());
}

// Each path and variant treats a zero maximum and a missing control its
// own way; only the lenient HID read still hands the raw value back.
TEST_F(Ratios, ZeroMaximumAndMissingControl) {
    const double half = 0.5;
    double ratio = -1;
    uint32_t raw = 0;
    EXPECT_EQ(ddcci->ReadBrightnessRatio(kZeroMaximum, &ratio, &raw), DvErrFailed);
    EXPECT_EQ(hid->ReadBrightnessRatio(kZeroMaximum, &ratio, &raw), DvErrFailed);
    EXPECT_EQ(hid->ReadContrastRatio(kZeroMaximum, &ratio, &raw), DvOk);
    EXPECT_EQ(raw, 7u);
    EXPECT_EQ(ratio, -1);
    EXPECT_EQ(ddcci->WriteBrightnessRatio(kZeroMaximum, &half, nullptr, &kUseRatio), DvErrFailed);
    EXPECT_EQ(hid->WriteBrightnessRatio(kZeroMaximum, &half, nullptr, &kUseRatio), DvOk);
    EXPECT_EQ(Stored(kZeroMaximum), 0u);

    EXPECT_EQ(ddcci->ReadBrightnessRatio(kAbsent, &ratio, &raw), DvErrNotSupported);
    EXPECT_EQ(hid->ReadBrightnessRatio(kAbsent, &ratio, &raw), DvErrFailed);
    EXPECT_EQ(hid->ReadContrastRatio(kAbsent, &ratio, &raw), DvErrNotSupported);
    EXPECT_EQ(hid->WriteContrastRatio(kAbsent, &half, nullptr, &kUseRatio), DvErrNotSupported);
    EXPECT_EQ(Stored(kAbsent), 25u);
}

using BlackLevel = PathWorld;

TEST_F(BlackLevel, DdcciCentresTheRangeOnZero) {
    int32_t value = 0;
    ASSERT_EQ(ddcci->ReadBlackLevel(kBlackLevel, &value), DvOk);
    EXPECT_EQ(value, 10);  // 60 in 0..100
    const int32_t offset = -50;
    ASSERT_EQ(ddcci->WriteBlackLevel(kBlackLevel, &offset), DvOk);
    EXPECT_EQ(Stored(kBlackLevel), 0u);
    int32_t flag = 0, maximum = 0, minimum = 0;
    ASSERT_EQ(ddcci->QueryBlackLevelRange(0x93, &flag, &maximum, &minimum), DvOk);
    EXPECT_EQ(maximum, 1);  // -3..0: the middle -1 rounds toward zero
    EXPECT_EQ(minimum, -2);
    EXPECT_EQ(hid->ReadBlackLevel(kBlackLevel, &value), DvErrNotImplemented);
    EXPECT_EQ(value, 10);
}

using Switches = PathWorld;

TEST_F(Switches, DdcciFoldsToOneHidPassesTheValue) {
    ASSERT_EQ(ddcci->WriteSwitch(kSwitch, 2), DvOk);
    EXPECT_EQ(Stored(kSwitch), 1u);
    ASSERT_EQ(hid->WriteSwitch(kSwitch, 2), DvOk);
    EXPECT_EQ(Stored(kSwitch), 2u);
    int out = 7;
    EXPECT_LT(ddcci->ReadSwitch(0x7777, &out), 0);
    EXPECT_EQ(out, 0);  // a boolean read writes its answer even on failure
}

TEST_F(Switches, SaveValueIsTheLow16BitsOnBothPaths) {
    ASSERT_EQ(ddcci->WriteSaveValue(kSave, 0x12345), DvOk);
    ASSERT_EQ(hid->WriteSaveValue(kSave, 0x12345), DvOk);
    const auto ddcciWrites = Writes(Link::DDCCI);
    const auto hidWrites = Writes(Link::HID);
    ASSERT_EQ(ddcciWrites.size(), 1u);
    EXPECT_EQ(ddcciWrites[0].op, dvcsim::Op::SetValue);
    EXPECT_EQ(ddcciWrites[0].value, 0x2345u);
    ASSERT_EQ(hidWrites.size(), 1u);
    EXPECT_EQ(hidWrites[0].op, dvcsim::Op::SetData);
    EXPECT_EQ(hidWrites[0].data, (std::vector<uint8_t>{0x45, 0x23}));
    ASSERT_EQ(ddcci->WriteResetValue(kSave, 0x12345), DvOk);
    EXPECT_EQ(Stored(kSave), 0x12345u);
}

// DDC/CI keeps the hours in the control's maximum and the minutes in its
// value; HID sends a 16-bit field and a byte.
TEST_F(Switches, UsageTimeOfEachPath) {
    uint16_t hours = 0;
    uint8_t minutes = 0;
    ASSERT_EQ(ddcci->ReadUsageTime(0xC6, &hours, &minutes), DvOk);
    EXPECT_EQ(hours, 0x1170);  // 70000 cut to 16 bits
    EXPECT_EQ(minutes, 0xFF);
    ASSERT_EQ(hid->ReadUsageTime(0xC7, &hours, &minutes), DvOk);
    EXPECT_EQ(hours, 10000);
    EXPECT_EQ(minutes, 5);
}

// The owner's process id kept in the monitor: this process, one that runs
// (the parent), or one that cannot exist.
class MonitorMutex : public PathWorld {
protected:
    static constexpr uint32_t kCode = 0xB8;
    static constexpr uint32_t kEnded = 0x7FFFFFF0;
    void Owner(uint32_t pid) { dvcsim::SetStateValue(dvc::test::kPathSerial, kCode, pid); }
    const uint32_t self = dvc::platform::CurrentProcessId();
    const uint32_t live = static_cast<uint32_t>(::getppid());
};

TEST_F(MonitorMutex, AcquireKeepsOwnTakesFreeOrEndedLeavesLive) {
    int acquired = 0;
    Owner(self);
    ASSERT_EQ(ddcci->AcquireMonitorMutex(kCode, &acquired, 0), DvOk);
    EXPECT_EQ(acquired, 1);
    EXPECT_TRUE(Writes(Link::DDCCI).empty());
    for (uint32_t before : {0u, kEnded}) {
        Owner(before);
        acquired = 0;
        ASSERT_EQ(ddcci->AcquireMonitorMutex(kCode, &acquired, 0), DvOk);
        EXPECT_EQ(acquired, 1);
        EXPECT_EQ(Stored(kCode), self);
    }
    Owner(live);
    ASSERT_EQ(ddcci->AcquireMonitorMutex(kCode, &acquired, 0), DvOk);
    EXPECT_EQ(acquired, 0);
    EXPECT_EQ(Stored(kCode), live);
    ASSERT_EQ(ddcci->AcquireMonitorMutex(kCode, &acquired, 1), DvOk);
    EXPECT_EQ(acquired, 1);
    EXPECT_EQ(Stored(kCode), self);
}

TEST_F(MonitorMutex, ReleaseClearsUnlessALiveOtherOwnsIt) {
    for (uint32_t before : {0u, self, kEnded}) {
        Owner(before);
        int released = 0;
        ASSERT_EQ(ddcci->ReleaseMonitorMutex(kCode, &released, 0), DvOk);
        EXPECT_EQ(released, 1);
        EXPECT_EQ(Stored(kCode), 0u);
    }
    Owner(live);
    int released = 7;
    ASSERT_EQ(ddcci->ReleaseMonitorMutex(kCode, &released, 0), DvOk);
    EXPECT_EQ(released, 7);
    EXPECT_EQ(Stored(kCode), live);
    ASSERT_EQ(ddcci->ReleaseMonitorMutex(kCode, &released, 1), DvOk);
    EXPECT_EQ(released, 1);
    EXPECT_EQ(Stored(kCode), 0u);
}

TEST_F(MonitorMutex, FailedReadIsNotAcquiredAndHidDoesNotCarryIt) {
    dvcsim::FaultRule rule;
    rule.op = dvcsim::Op::GetValue;
    rule.code = kCode;
    dvcsim::AddFault(rule);
    int acquired = 1;
    EXPECT_EQ(ddcci->AcquireMonitorMutex(kCode, &acquired, 0), DvErrFailed);
    EXPECT_EQ(acquired, 0);
    acquired = 5;
    EXPECT_EQ(hid->AcquireMonitorMutex(kCode, &acquired, 1), DvErrNotImplemented);
    EXPECT_EQ(acquired, 5);
    dvcsim::ClearFaults();
}
