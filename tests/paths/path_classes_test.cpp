// The two path classes against the virtual monitor: the behaviours they share
// (one case over both, rows saying where they differ) and the primitives
// written by hand for one of them.
#include <unistd.h>

#include <array>

#include "paths/path_world.hpp"
#include "platform/process.hpp"

namespace dvc::test {
namespace {

using dvcsim::Op;
constexpr uint32_t kRatio = 0x10, kGamma = 0x70, kSwitch = 0xE1, kZeroMax = 0xE2, kFlaggedOff = 0xE3, kAbsent = 0xEE;

class PathClasses : public PathWorld {
protected:
    // Runs `check` on each path class, from the profile's state.
    template <class Check>
    void OnBoth(Check check) {
        for (const bool isHid : {false, true}) {
            SCOPED_TRACE(isHid ? "HID" : "DDC/CI");
            dvcsim::ResetState();
            check(isHid ? static_cast<VarnMonitorInterface&>(*hid) : *ddcci, isHid);
        }
    }
};

TEST_F(PathClasses, SupportRangesValuesAndSwitches) {
    OnBoth([](VarnMonitorInterface& path, bool isHid) {
        int32_t flag = 7, maximum = -1, minimum = -1;
        EXPECT_EQ(path.QueryGamma(kGamma, &flag), DvOk);
        EXPECT_EQ(flag, 1);
        EXPECT_EQ(path.QueryGamma(kFlaggedOff, &flag), DvOk);
        EXPECT_EQ(flag, 0);
        EXPECT_EQ(path.QueryGamma(kAbsent, &flag), isHid ? DvErrNotSupported : DvOk);
        EXPECT_EQ(flag, 0);
        // Range asks the bounds only of a control that is there (HID: always).
        EXPECT_EQ(path.QueryBrightnessRange(kFlaggedOff, &flag, &maximum, &minimum), DvOk);
        EXPECT_EQ(maximum, isHid ? 100 : -1);
        EXPECT_EQ(path.QueryClockRange(kFlaggedOff, &flag, &maximum, &minimum), isHid ? DvOk : DvErrNotSupported);
        EXPECT_EQ(path.QueryClockRange(kRatio, &flag, &maximum, &minimum), DvOk);
        EXPECT_EQ(flag * 1000 + maximum, 1101);

        uint32_t value = 0;
        EXPECT_EQ(path.ReadGamma(kGamma, &value), DvOk);
        EXPECT_EQ(value, 4u);
        EXPECT_EQ(path.WriteGamma(kGamma, 5), DvOk);
        const uint32_t six = 6;
        EXPECT_EQ(path.WriteHue(kGamma, nullptr), DvErrInvalidParameter);
        EXPECT_EQ(path.WriteHue(kGamma, &six), DvOk);
        value = 9;
        EXPECT_EQ(path.ReadContrastEnhancer(kAbsent, &value), DvErrNotSupported);
        EXPECT_EQ(value, isHid ? 9u : 0u);  // DDC/CI hands back its zeroed word

        int on = 7;
        EXPECT_EQ(path.ReadSwitch(kSwitch, &on), DvOk);
        EXPECT_EQ(on, 1);
        EXPECT_EQ(path.ReadSwitch(kAbsent, &on), DvErrNotSupported);
        EXPECT_EQ(on, 0);
        EXPECT_EQ(path.WriteSwitch(kSwitch, 3), DvOk);
        EXPECT_EQ(Stored(kSwitch), isHid ? 3u : 1u);  // HID writes the int as it is
        const int two = 2;
        EXPECT_EQ(path.WriteBrightRegulator(kSwitch, &two), DvOk);
        EXPECT_EQ(Trace().back(), "W e1=1");
        EXPECT_EQ(Stored(kGamma), 6u);
    });
}

// Brightness: DDC/CI reads and writes its ratio of the maximum by truncation,
// HID by rounding, strictly and unchecked; contrast on HID reads leniently
// and writes checked. Each row reads, then writes 0.5.
TEST_F(PathClasses, RatiosOfTheMaximum) {
    struct Row {
        uint32_t code;
        bool contrast;
        DvError read[2], write[2];
        uint32_t stored[2];
    };
    const Row rows[] = {
        {kRatio, false, {DvOk, DvOk}, {DvOk, DvOk}, {50, 51}},
        {kRatio, true, {DvOk, DvOk}, {DvOk, DvOk}, {50, 51}},
        {kZeroMax, false, {DvErrFailed, DvErrFailed}, {DvErrFailed, DvOk}, {7, 0}},
        {kZeroMax, true, {DvErrFailed, DvOk}, {DvErrFailed, DvOk}, {7, 0}},
        {kFlaggedOff, false, {DvErrNotSupported, DvErrFailed}, {DvErrFailed, DvOk}, {25, 50}},
        {kFlaggedOff, true, {DvErrNotSupported, DvErrNotSupported}, {DvErrFailed, DvErrNotSupported}, {25, 25}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.code << (row.contrast ? " contrast" : " brightness"));
        OnBoth([&](VarnMonitorInterface& path, bool isHid) {
            double ratio = -1;
            uint32_t raw = 0;
            const double half = 0.5;
            const int useRatio = 0;
            const DvError read = row.contrast ? path.ReadContrastRatio(row.code, &ratio, &raw)
                                              : path.ReadBrightnessRatio(row.code, &ratio, &raw);
            EXPECT_EQ(read, row.read[isHid]);
            const uint32_t before = row.code == kRatio ? 40 : row.code == kZeroMax ? 7 : 25;
            EXPECT_EQ(read == DvOk ? raw : before, before);
            EXPECT_EQ(ratio, row.code == kRatio ? 40.0 / 101 : -1);
            EXPECT_EQ(row.contrast ? path.WriteContrastRatio(row.code, &half, nullptr, &useRatio)
                                   : path.WriteBrightnessRatio(row.code, &half, nullptr, &useRatio),
                      row.write[isHid]);
            EXPECT_EQ(Stored(row.code), row.stored[isHid]);
        });
    }
    OnBoth([](VarnMonitorInterface& path, bool) {
        const double negative = -0.1;
        const uint32_t raw = 77;
        const int useRaw = 1, useRatio = 0;
        EXPECT_EQ(path.WriteContrastRatio(kRatio, &negative, &raw, &useRatio), DvErrInvalidParameter);
        EXPECT_EQ(path.WriteBrightnessRatio(kRatio, &negative, &raw, &useRaw), DvOk);
        EXPECT_EQ(Trace().back(), "W 10=77");
    });
}

TEST_F(PathClasses, DdcciCentresTheBlackLevelOnTheRangesMiddle) {
    int32_t value = 0, flag = 0, maximum = 0, minimum = 0;
    ASSERT_EQ(ddcci->ReadBlackLevel(0xE4, &value), DvOk);
    EXPECT_EQ(value, 2);  // 0 in -7..2, whose middle -2 is rounded toward zero
    ASSERT_EQ(ddcci->QueryBlackLevelRange(0xE4, &flag, &maximum, &minimum), DvOk);
    EXPECT_EQ((std::array{flag, maximum, minimum}), (std::array{1, 4, -5}));
    const int32_t lowest = -5;
    ASSERT_EQ(ddcci->WriteBlackLevel(0xE4, &lowest), DvOk);
    EXPECT_EQ(static_cast<int32_t>(Stored(0xE4)), -7);
    EXPECT_EQ(hid->ReadBlackLevel(0xE4, &value), DvErrNotImplemented);
}

// Signal, usage time, volume and save value: each class's own encoding.
TEST_F(PathClasses, HandWrittenValueEncodings) {
    uint32_t value = 0;
    ASSERT_EQ(ddcci->ReadSignal(0x01, &value), DvOk);
    EXPECT_EQ(value, 0xABCDu);  // DDC/CI: the low 16 bits
    ASSERT_EQ(hid->ReadSignal(0x01, &value), DvOk);
    EXPECT_EQ(value, 1u);  // HID: bit 3 of 0x01
    const uint16_t off = 0, port = 0x0302;
    ASSERT_EQ(hid->WriteSignal(0x01, &off), DvOk);
    EXPECT_EQ(Stored(0x01), 0x1ABC5u);
    ASSERT_EQ(hid->ReadSignal(0x71, &value), DvOk);
    EXPECT_EQ(value, 0x1234u);  // HID: the 16-bit field of block 0x71
    ASSERT_EQ(hid->WriteSignal(0x71, &port), DvOk);
    EXPECT_EQ(hid->ReadSignal(0x72, &value), DvErrInvalidParameter);
    EXPECT_EQ(Trace(), (Strings{"R 1", "R 1", "R 1", "W 1=109509", "F 71", "D 71#4", "S 71:0203"}));

    uint16_t hours = 0;
    uint8_t minutes = 0;
    ASSERT_EQ(ddcci->ReadUsageTime(0x13, &hours, &minutes), DvOk);
    EXPECT_EQ(hours * 1000 + minutes, 0x1170 * 1000 + 0xFF);  // maximum 70000 cut to 16 bits, value 0x1FF to 8
    ASSERT_EQ(hid->ReadUsageTime(0x13, &hours, &minutes), DvOk);
    EXPECT_EQ(hours * 1000 + minutes, 10000 * 1000 + 5);

    for (const auto& [code, hidVolume] : {std::pair{0xE7u, 0x34u}, std::pair{0xE8u, 0x1234u}}) {
        ASSERT_EQ(hid->ReadAudioVolume(code, &value), DvOk);
        EXPECT_EQ(value, hidVolume);  // the low byte while the maximum fits one
        ASSERT_EQ(ddcci->ReadAudioVolume(code, &value), DvOk);
        EXPECT_EQ(value, 0x1234u);
    }
    ASSERT_EQ(hid->WriteAudioVolume(0xE7, &value), DvOk);
    EXPECT_EQ(dvcsim::Transactions().back().option, 1u);

    dvcsim::ClearTransactions();
    ASSERT_EQ(ddcci->WriteSaveValue(0x52, 0x12345), DvOk);
    ASSERT_EQ(hid->WriteSaveValue(0x52, 0x12345), DvOk);
    ASSERT_EQ(ddcci->WriteResetValue(0x52, 0x12345), DvOk);
    EXPECT_EQ(Trace(), (Strings{"W 52=9029", "S 52:4523", "W 52=74565"}));
}

TEST_F(PathClasses, HidChromaticityAndSenseBlocks) {
    const double x = 0.3127, y = 0.329;
    ASSERT_EQ(hid->WriteChromaticity(0x44, &x, &y), DvOk);
    double readX = 0, readY = 0, maximum = 0, minimum = 0;
    ASSERT_EQ(hid->ReadChromaticity(0x44, &readX, &readY), DvOk);
    EXPECT_EQ((std::array{readX, readY}), (std::array{0.3127, 0.329}));
    int32_t flag = 0;
    ASSERT_EQ(hid->QueryChromaticityRange(0x44, &flag, &maximum, &minimum), DvOk);
    EXPECT_EQ((std::array{maximum, minimum}), (std::array{0.7, 0.01}));
    EXPECT_EQ(ddcci->ReadChromaticity(0x44, &readX, &readY), DvErrNotImplemented);

    int on = 0;
    ASSERT_EQ(hid->ReadThriftluxSense(0x1234, &on), DvOk);  // block 0xAA whatever the code
    EXPECT_EQ(on, 1);
    ASSERT_EQ(hid->WriteThriftluxSense(0x1234, 9), DvOk);
    EXPECT_EQ(Trace(), (Strings{"S 44:370cda0c", "D 44#4", "F 44", "D aa#4", "S aa:00000100"}));
}

// A table is four 128-byte blocks from the bank map's first block; a device
// that takes the block number only as data answers the value write with a
// size mismatch and gets {block, 0}.
TEST_F(PathClasses, HidLutTablesMoveAsFourBlocks) {
    std::array<uint8_t, 512> written{}, read{};
    for (size_t i = 0; i < written.size(); ++i) written[i] = static_cast<uint8_t>(i * 7 + 3);
    const uint32_t bank0 = 0, bank1 = 1, bank2 = 2;
    ASSERT_EQ(hid->WriteLUT(0x18, 0x19, written.data(), 3, &bank1), DvOk);
    ASSERT_EQ(hid->ReadLUT(0x18, 0x19, read.data(), 10, &bank1), DvOk);  // table 10 shares table 3's blocks
    EXPECT_EQ(read, written);
    for (const auto& t : dvcsim::Transactions()) EXPECT_EQ(t.option, t.op == Op::GetData ? 0u : 1u);
    auto trace = Trace();
    EXPECT_EQ(Strings(trace.begin(), trace.begin() + 4), (Strings{"W 18=12", "S 19#128", "W 18=13", "S 19#128"}));
    EXPECT_EQ(trace[14], "W 18=15");

    ASSERT_EQ(hid->WriteLUT(0x72, 0x73, written.data(), 5, &bank0), DvOk);
    trace = Trace();
    EXPECT_EQ(Strings(trace.begin(), trace.begin() + 4), (Strings{"W 72=168", "S 72:a800", "S 73#128", "W 72=169"}));
    EXPECT_EQ(StoredData(0x73, 0xAB), Bytes(written.begin() + 384, written.end()));

    read.fill(0x5A);
    Fault(Op::GetData, 0x19, DvErrRefused, 1);  // a refused block goes on
    Fault(Op::GetData, 0x19, DvErrNotSupported, 1);  // the third: the transfer stops
    EXPECT_EQ(hid->ReadLUT(0x18, 0x19, read.data(), 0, &bank0), DvErrNotSupported);
    EXPECT_EQ(Trace().size(), 6u);
    EXPECT_EQ(read[0], 0x5A);  // the table is copied out only when complete
    EXPECT_EQ(hid->ReadLUT(0x18, 0x19, read.data(), 11, &bank0), DvErrFailed);
    EXPECT_EQ(hid->WriteLUT(0x18, 0x19, written.data(), 0, &bank2), DvErrFailed);
    EXPECT_EQ(ddcci->ReadLUT(0x18, 0x19, read.data(), 0, &bank0), DvErrNotSupported);
    EXPECT_TRUE(Trace().empty());
}

TEST_F(PathClasses, HidEdidIsLookedForOnPagesOneToFiveThenZero) {
    std::array<uint8_t, 256> edid{};
    ASSERT_EQ(hid->ReadEDID(edid.data()), DvOk);
    EXPECT_EQ(edid[1], 0xFF);
    const Strings trace = Trace();
    EXPECT_EQ(trace.size(), 12u);
    EXPECT_EQ((Strings{trace[0], trace[1], trace[8], trace[10]}), (Strings{"W b9=1", "D ba#256", "W b9=5", "W b9=0"}));

    Fault(Op::GetData, 0xBA, 0, 0, 0, dvcsim::FaultKind::ShortData);
    edid.fill(0x11);
    EXPECT_EQ(hid->ReadEDID(edid.data()), DvErrFailed);
    EXPECT_EQ(edid[0], 0x11);
    EXPECT_EQ(ddcci->ReadEDID(edid.data()), DvErrNotSupported);
}

// The owner's process id kept in the monitor: this process, one that runs
// (the parent), one that has ended, or none.
TEST_F(PathClasses, MonitorMutexIsTakenFromNoOneAndFromEndedOwners) {
    const uint32_t self = dvc::platform::CurrentProcessId(), live = static_cast<uint32_t>(::getppid());
    const uint32_t ended = 0x7FFFFFF0;
    struct Row {
        uint32_t owner;
        int force;
        int acquired, released;  // -1: left as it was
        uint32_t afterAcquire;
    };
    for (const Row& row : {Row{0, 0, 1, 1, self}, Row{self, 0, 1, 1, self}, Row{ended, 0, 1, 1, self},
                           Row{live, 0, 0, -1, live}, Row{live, 1, 1, 1, self}}) {
        SCOPED_TRACE(testing::Message() << row.owner << " force " << row.force);
        dvcsim::SetStateValue(kSerial, 0xB8, row.owner);
        int acquired = -1, released = -1;
        ASSERT_EQ(ddcci->AcquireMonitorMutex(0xB8, &acquired, row.force), DvOk);
        EXPECT_EQ(acquired, row.acquired);
        EXPECT_EQ(Stored(0xB8), row.afterAcquire);
        dvcsim::SetStateValue(kSerial, 0xB8, row.owner);
        ASSERT_EQ(ddcci->ReleaseMonitorMutex(0xB8, &released, row.force), DvOk);
        EXPECT_EQ(released, row.released);
        EXPECT_EQ(Stored(0xB8), row.released == 1 ? 0u : row.owner);
    }
    EXPECT_EQ(Trace()[1], "W b8=" + std::to_string(self));
    Fault(Op::GetValue, 0xB8, DvErrFailed);
    int acquired = 1;
    EXPECT_EQ(ddcci->AcquireMonitorMutex(0xB8, &acquired, 0), DvErrFailed);
    EXPECT_EQ(acquired, 0);
    EXPECT_EQ(hid->AcquireMonitorMutex(0xB8, &acquired, 1), DvErrNotImplemented);
}

}  // namespace
}  // namespace dvc::test
