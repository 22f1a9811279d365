// The two path classes on the virtual monitor: the behaviours they share, one
// case over both (saying where they differ), and the hand-written primitives.
#include <unistd.h>

#include "paths/path_world.hpp"
#include "platform/process.hpp"

namespace dvc::test {
namespace {

constexpr uint32_t kRatio = 0x10, kGamma = 0x70, kSwitch = 0xE1, kZeroMax = 0xE2, kFlaggedOff = 0xE3, kAbsent = 0xEE;
constexpr DvError kNo = DvErrNotSupported;
using PathClasses = PathWorld;

// DDC/CI asks a range only of a control that is there unless always asked,
// hands back its zeroed word from a failed enhancer read, truncates ratios of
// the maximum; HID writes a switch's int as it is and rounds ratios, reads
// brightness strictly, writes it unchecked, contrast leniently and checked.
TEST_F(PathClasses, SharedBehaviours) {
    using Row = std::array<int64_t, 8>;  // code, contrast, then for (DDC/CI, HID) read, write, value stored
    const Row ratioRows[] = {{kRatio, 1, DvOk, DvOk, DvOk, DvOk, 50, 51},
                             {kZeroMax, 0, DvErrFailed, DvErrFailed, DvErrFailed, DvOk, 7, 0},
                             {kZeroMax, 1, DvErrFailed, DvOk, DvErrFailed, DvOk, 7, 0},
                             {kFlaggedOff, 0, kNo, DvErrFailed, DvErrFailed, DvOk, 25, 50},
                             {kFlaggedOff, 1, kNo, kNo, DvErrFailed, kNo, 25, 25}};
    for (const bool isHid : {false, true}) {
        SCOPED_TRACE(isHid ? "HID" : "DDC/CI");
        VarnMonitorInterface& p = isHid ? static_cast<VarnMonitorInterface&>(*hid) : *ddcci;
        int32_t on = 7, off = 7, absent = 7, flag = 7, maximum = -1, always = -1, minimum = 0;
        uint32_t gamma = 0, kept = 9, raw = 77;
        int folded = 7, failed = 7;
        const int useRaw = 1, useRatio = 0;
        const double negative = -0.1, half = 0.5;
        EXPECT_EQ((Results{p.QueryGamma(kGamma, &on), p.QueryGamma(kFlaggedOff, &off), p.QueryGamma(kAbsent, &absent),
                           p.QueryBrightnessRange(kFlaggedOff, &flag, &maximum, &minimum),
                           p.QueryClockRange(kFlaggedOff, &flag, &always, &minimum), p.ReadGamma(kGamma, &gamma),
                           p.WriteGamma(kGamma, 5), p.WriteHue(kGamma, &raw), p.ReadContrastEnhancer(kAbsent, &kept),
                           p.ReadSwitch(kSwitch, &folded), p.ReadSwitch(kAbsent, &failed), p.WriteSwitch(kSwitch, 3),
                           p.WriteContrastRatio(kRatio, &negative, &raw, &useRatio),
                           p.WriteBrightnessRatio(kRatio, &negative, &raw, &useRaw)}),
                  (Results{DvOk, DvOk, isHid ? kNo : DvOk, DvOk, isHid ? DvOk : kNo, DvOk, DvOk, DvOk, kNo, DvOk, kNo,
                           DvOk, DvErrInvalidParameter, DvOk}));
        EXPECT_EQ((Values{on, off, absent, maximum, always, gamma, kept, folded, failed, Stored(kGamma),
                          Stored(kSwitch), Stored(kRatio)}),
                  (Values{1, 0, 0, isHid ? 100 : -1, isHid ? 100 : -1, 4, isHid ? 9 : 0, 1, 0, 77, isHid ? 3 : 1, 77}));
        for (const Row& row : ratioRows) {
            SCOPED_TRACE(testing::Message() << std::hex << row[0] << (row[1] ? " contrast" : " brightness"));
            dvc::sim::ResetState();
            const auto code = static_cast<uint32_t>(row[0]);
            const uint32_t before = code == kRatio ? 40 : code == kZeroMax ? 7 : 25;
            double ratio = -1;
            raw = before + 1;
            EXPECT_EQ(row[1] ? p.ReadContrastRatio(code, &ratio, &raw) : p.ReadBrightnessRatio(code, &ratio, &raw),
                      row[2 + isHid]);
            EXPECT_EQ(raw, row[2 + isHid] == DvOk ? before : before + 1);  // written only from a usable read
            EXPECT_EQ(ratio, code == kRatio ? 40.0 / 101 : -1);
            EXPECT_EQ(row[1] ? p.WriteContrastRatio(code, &half, nullptr, &useRatio)
                             : p.WriteBrightnessRatio(code, &half, nullptr, &useRatio),
                      row[4 + isHid]);
            EXPECT_EQ(Stored(code), row[6 + isHid]);
        }
    }
}

// Each class's own encoding: black level centred on its range's middle (toward
// zero), signal (DDC/CI: low 16 bits; HID: bit 3 of 0x01 or block 0x71), usage
// time, volume (HID: low byte for maxima below 256), save value, chromaticity.
TEST_F(PathClasses, HandWrittenEncodings) {
    int32_t level = 0, flag = 0, maximum = 0, minimum = 0, sense = 0;
    const int32_t lowest = -5;
    uint32_t signal[3] = {}, volume[3] = {};
    const uint16_t notOne = 2, port = 0x0302;  // only 1 sets the signal bit
    uint16_t hours[2] = {};
    uint8_t minutes[2] = {};
    double x = 0.3127, y = 0.329, xy[4] = {};
    const Results results{ddcci->ReadBlackLevel(0xE4, &level),
                          ddcci->QueryBlackLevelRange(0xE4, &flag, &maximum, &minimum),
                          ddcci->WriteBlackLevel(0xE4, &lowest),
                          hid->ReadBlackLevel(0xE4, &level),
                          ddcci->ReadSignal(0x01, &signal[0]),
                          hid->ReadSignal(0x01, &signal[1]),
                          hid->WriteSignal(0x01, &notOne),
                          hid->ReadSignal(0x71, &signal[2]),
                          hid->WriteSignal(0x71, &port),
                          hid->ReadSignal(0x72, &signal[2]),
                          ddcci->ReadUsageTime(0x13, &hours[0], &minutes[0]),
                          hid->ReadUsageTime(0x13, &hours[1], &minutes[1]),
                          hid->ReadAudioVolume(0xE7, &volume[0]),
                          hid->ReadAudioVolume(0xE8, &volume[1]),
                          ddcci->ReadAudioVolume(0xE7, &volume[2]),
                          hid->WriteAudioVolume(0xE7, &volume[0]),
                          ddcci->WriteSaveValue(0x52, 0x12345),
                          hid->WriteSaveValue(0x52, 0x12345),
                          hid->WriteChromaticity(0x44, &x, &y),
                          hid->ReadChromaticity(0x44, &xy[0], &xy[1]),
                          hid->QueryChromaticityRange(0x44, &flag, &xy[2], &xy[3]),
                          ddcci->ReadChromaticity(0x44, &xy[0], &xy[1]),
                          hid->ReadThriftluxSense(0x1234, &sense),
                          hid->WriteThriftluxSense(0x1234, 9)};  // 0xAA whatever the code
    Results expected(results.size(), DvOk);
    expected[3] = expected[21] = DvErrNotImplemented;
    expected[9] = DvErrInvalidParameter;
    EXPECT_EQ(results, expected);
    EXPECT_EQ((Values{level, maximum, minimum, static_cast<int32_t>(Stored(0xE4)), signal[0], signal[1], signal[2],
                      hours[0], minutes[0], hours[1], minutes[1], volume[0], volume[1], volume[2], sense}),
              (Values{2, 4, -5, -7, 0xABCD, 1, 0x1234, 0x1170, 0xFF, 10000, 5, 0x34, 0x1234, 0x1234, 1}));
    EXPECT_EQ((std::vector<double>(xy, xy + 4)), (std::vector<double>{0.3127, 0.329, 0.7, 0.01}));
    for (const auto& t : dvc::sim::Transactions()) EXPECT_EQ(t.option, t.code == 0xE7 && t.op == Op::SetValue);
    EXPECT_EQ(Trace(), (Strings{"R e4",          "F e4",   "? e4", "F e4",       "F e4",         "W e4=4294967289",
                                "R 1",           "R 1",    "R 1",  "W 1=109509", "F 71",         "D 71#4",
                                "S 71:0203",     "R 13",   "F 13", "D 13#4",     "F e7",         "R e7",
                                "F e8",          "R e8",   "R e7", "W e7=52",    "W 52=9029",    "S 52:4523",
                                "S 44:370cda0c", "D 44#4", "F 44", "D aa#4",     "S aa:00000100"}));
}

// LUT tables: four 128-byte blocks from the bank map's first, selected by value
// or, after a size mismatch, by {block, 0}. The EDID: on page 1 to 5, else 0.
TEST_F(PathClasses, HidBlockTransfers) {
    const Bytes written = Pattern(512);
    Bytes read(512);
    const uint32_t bank0 = 0, bank1 = 1, bank2 = 2;
    EXPECT_EQ((Results{hid->WriteLUT(0x18, 0x19, written.data(), 3, &bank1),
                       hid->ReadLUT(0x18, 0x19, read.data(), 10, &bank1),  // table 10 shares table 3's blocks
                       hid->WriteLUT(0x72, 0x73, written.data(), 5, &bank0)}),
              Results(3, DvOk));
    EXPECT_EQ(read, written);
    EXPECT_EQ(dvc::sim::GetStateData(kSerial, 0x73, 0xAB), Bytes(written.begin() + 384, written.end()));
    for (const auto& t : dvc::sim::Transactions()) EXPECT_EQ(t.option, t.op != Op::GetData);
    Strings trace = Trace();
    EXPECT_EQ((Strings{trace[0], trace[1], trace[2], trace[14], trace[16], trace[17], trace[18], trace[19]}),
              (Strings{"W 18=12", "S 19#128", "W 18=13", "W 18=15", "W 72=168", "S 72:a800", "S 73#128", "W 72=169"}));
    read.assign(512, 0x5A);
    Fault(Op::GetData, 0x19, DvErrRefused, 1);  // a refused block goes on, a missing third one stops it all
    Fault(Op::GetData, 0x19, kNo, 1);
    EXPECT_EQ(hid->ReadLUT(0x18, 0x19, read.data(), 0, &bank0), kNo);
    EXPECT_EQ((Values{static_cast<int64_t>(Trace().size()), read[0]}), (Values{6, 0x5A}));  // copied only when complete
    std::array<uint8_t, 256> edid{};
    ASSERT_EQ(hid->ReadEDID(edid.data()), DvOk);
    trace = Trace();
    EXPECT_EQ((Strings{trace[0], trace[1], trace[8], trace[10], std::to_string(trace.size())}),
              (Strings{"W b9=1", "D ba#256", "W b9=5", "W b9=0", "12"}));
    Fault(Op::GetData, 0xBA, 0, 0, 0, FaultKind::ShortData);  // every page reads as zeros
    edid.fill(0x11);
    EXPECT_EQ(
        (Results{hid->ReadEDID(edid.data()), ddcci->ReadEDID(edid.data()),
                 ddcci->ReadLUT(0x18, 0x19, read.data(), 0, &bank0), hid->ReadLUT(0x18, 0x19, read.data(), 11, &bank0),
                 hid->WriteLUT(0x18, 0x19, read.data(), 0, &bank2)}),
        (Results{DvErrFailed, kNo, kNo, DvErrFailed, DvErrFailed}));
    EXPECT_EQ(edid[0], 0x11);
}

// The owner kept in the monitor (none, this process, an ended one, the running
// parent), force, acquired, released (-1: left as it was).
TEST_F(PathClasses, MonitorMutex) {
    const uint32_t self = dvc::platform::CurrentProcessId(), live = static_cast<uint32_t>(::getppid());
    for (const auto& row : {std::array<int64_t, 4>{0, 0, 1, 1},
                            {self, 0, 1, 1},
                            {0x7FFFFFF0, 0, 1, 1},
                            {live, 0, 0, -1},
                            {live, 1, 1, 1}}) {
        const auto owner = static_cast<uint32_t>(row[0]);
        int done[2] = {-1, -1};
        dvc::sim::SetStateValue(kSerial, 0xB8, owner);
        ASSERT_EQ(ddcci->AcquireMonitorMutex(0xB8, &done[0], static_cast<int>(row[1])), DvOk);
        EXPECT_EQ(Stored(0xB8), row[2] == 1 ? self : owner);
        dvc::sim::SetStateValue(kSerial, 0xB8, owner);
        ASSERT_EQ(ddcci->ReleaseMonitorMutex(0xB8, &done[1], static_cast<int>(row[1])), DvOk);
        EXPECT_EQ(Stored(0xB8), row[3] == 1 ? 0u : owner);
        EXPECT_EQ((Values{done[0], done[1]}), (Values{row[2], row[3]}));
    }
    Fault(Op::GetValue, 0xB8, DvErrFailed);
    int acquired = 1;
    EXPECT_EQ((Results{ddcci->AcquireMonitorMutex(0xB8, &acquired, 0), hid->AcquireMonitorMutex(0xB8, &acquired, 1)}),
              (Results{DvErrFailed, DvErrNotImplemented}));
    EXPECT_EQ(acquired, 0);
}

}  // namespace
}  // namespace dvc::test
