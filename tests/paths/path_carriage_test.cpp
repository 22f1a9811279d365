// What each path kind carries: primitives a path does not carry answer with
// their fixed code, touch no argument and send nothing.
#include <array>
#include <functional>

#include "paths/path_world.hpp"

using dvc::test::PathWorld;

namespace {
// Every out argument starts as this pattern and must keep it.
constexpr uint32_t kMark = 0xA5A5A5A5u;

struct Outs {
    int32_t flag = static_cast<int32_t>(kMark), maximum = static_cast<int32_t>(kMark),
            minimum = static_cast<int32_t>(kMark), signedValue = static_cast<int32_t>(kMark);
    uint32_t value = kMark, handle = kMark;
    int done = static_cast<int>(kMark);
    double x = 0.125, y = 0.25;
    std::array<uint8_t, 512> block{};

    bool Untouched() const {
        for (uint8_t b : block) {
            if (b != 0xA5) return false;
        }
        return flag == static_cast<int32_t>(kMark) && maximum == flag && minimum == flag && signedValue == flag &&
               value == kMark && handle == kMark && done == static_cast<int>(kMark) && x == 0.125 && y == 0.25;
    }
};

struct Case {
    const char* name;
    DvError expected;
    std::function<DvError(VarnMonitorInterface&, Outs&)> call;
};

const uint32_t kCode = 0x88;
const uint32_t kBank = 0;

void Check(VarnMonitorInterface& path, const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        Outs outs;
        outs.block.fill(0xA5);
        dvcsim::ClearTransactions();
        EXPECT_EQ(c.call(path, outs), c.expected) << c.name;
        EXPECT_TRUE(outs.Untouched()) << c.name;
        EXPECT_TRUE(dvcsim::Transactions().empty()) << c.name;
    }
}
}  // namespace

using Carriage = PathWorld;

TEST_F(Carriage, DdcciAnswersForWhatOnlyHidCarries) {
    Check(*ddcci, {
        {"QueryLUT", DvErrNotSupported, [](auto& p, Outs& o) { return p.QueryLUT(kCode, &o.flag); }},
        {"ReadLUT", DvErrNotSupported,
         [](auto& p, Outs& o) { return p.ReadLUT(0x18, 0x19, o.block.data(), 0, &kBank); }},
        {"WriteLUT", DvErrNotSupported,
         [](auto& p, Outs& o) { return p.WriteLUT(0x18, 0x19, o.block.data(), 0, &kBank); }},
        {"QueryVirtualKey", DvErrNotImplemented, [](auto& p, Outs& o) { return p.QueryVirtualKey(kCode, &o.flag); }},
        {"WriteVirtualKey", DvErrNotImplemented, [](auto& p, Outs& o) { return p.WriteVirtualKey(kCode, &o.value); }},
        {"QueryChromaticityRange", DvErrNotImplemented,
         [](auto& p, Outs& o) { return p.QueryChromaticityRange(kCode, &o.flag, &o.x, &o.y); }},
        {"ReadChromaticity", DvErrNotImplemented, [](auto& p, Outs& o) { return p.ReadChromaticity(kCode, &o.x, &o.y); }},
        {"WriteChromaticity", DvErrNotImplemented,
         [](auto& p, Outs& o) { return p.WriteChromaticity(kCode, &o.x, &o.y); }},
        {"ReadEDID", DvErrNotSupported, [](auto& p, Outs& o) { return p.ReadEDID(o.block.data()); }},
        {"WriteDataUnchecked", DvErrNotSupported,
         [](auto& p, Outs& o) { return p.WriteDataUnchecked(kCode, o.block.data(), 4, 0); }},
        {"ReportOn", DvErrNotImplemented, [](auto& p, Outs&) { return p.ReportOn(nullptr, nullptr, nullptr); }},
        {"ReportOff", DvErrNotImplemented, [](auto& p, Outs&) { return p.ReportOff(); }},
        {"SupportsCriticalSection", DvErrNotSupported, [](auto& p, Outs&) { return p.SupportsCriticalSection(); }},
        {"EnterCriticalSection", DvErrNotSupported, [](auto& p, Outs&) { return p.EnterCriticalSection(); }},
        {"ExitCriticalSection", DvErrNotSupported, [](auto& p, Outs&) { return p.ExitCriticalSection(); }},
        {"GetHandle", DvErrNotImplemented, [](auto& p, Outs& o) { return p.GetHandle(&o.handle); }},
    });
}

TEST_F(Carriage, HidAnswersForWhatOnlyDdcciCarries) {
    Check(*hid, {
        {"QueryPowerSaveState", DvErrNotSupported,
         [](auto& p, Outs& o) { return p.QueryPowerSaveState(kCode, &o.flag); }},
        {"ReadPowerSaveState", DvErrNotSupported, [](auto& p, Outs& o) { return p.ReadPowerSaveState(kCode, &o.done); }},
        {"QueryBlackLevelRange", DvErrNotImplemented,
         [](auto& p, Outs& o) { return p.QueryBlackLevelRange(kCode, &o.flag, &o.maximum, &o.minimum); }},
        {"WriteBlackLevel", DvErrNotImplemented,
         [](auto& p, Outs& o) { return p.WriteBlackLevel(kCode, &o.signedValue); }},
        {"QueryPowerResolutionRange", DvErrNotImplemented,
         [](auto& p, Outs& o) { return p.QueryPowerResolutionRange(kCode, &o.flag, &o.maximum, &o.minimum); }},
        {"ReadPowerResolution", DvErrNotImplemented,
         [](auto& p, Outs& o) { return p.ReadPowerResolution(kCode, &o.value); }},
        {"WritePowerResolution", DvErrNotImplemented,
         [](auto& p, Outs& o) { return p.WritePowerResolution(kCode, &o.value); }},
        {"ReleaseMonitorMutex", DvErrNotImplemented,
         [](auto& p, Outs& o) { return p.ReleaseMonitorMutex(0xB8, &o.done, 1); }},
        {"WriteResetValue", DvErrNotImplemented, [](auto& p, Outs&) { return p.WriteResetValue(kCode, 1); }},
    });
}

using UsageTime = PathWorld;

// DDC/CI keeps the hours in the control's maximum and the minutes in its
// value; HID sends a block of a 16-bit field and a byte.
TEST_F(UsageTime, EachPathDecodesItsOwnLayout) {
    uint16_t hours = 0;
    uint8_t minutes = 0;
    ASSERT_EQ(ddcci->ReadUsageTime(0xC6, &hours, &minutes), DvOk);
    EXPECT_EQ(hours, 0x1170);  // 70000 cut to 16 bits
    EXPECT_EQ(minutes, 0xFF);
    ASSERT_EQ(hid->ReadUsageTime(0xC7, &hours, &minutes), DvOk);
    EXPECT_EQ(hours, 10000);
    EXPECT_EQ(minutes, 5);
}

TEST_F(UsageTime, FailedHalfStoresNothing) {
    dvcsim::FaultRule rule;
    rule.link = dvcsim::Link::DDCCI;
    rule.op = dvcsim::Op::GetFixedData;
    rule.code = 0xC6;
    dvcsim::AddFault(rule);
    uint16_t hours = 1;
    uint8_t minutes = 2;
    EXPECT_EQ(ddcci->ReadUsageTime(0xC6, &hours, &minutes), DvOk);  // the value read's result
    EXPECT_EQ(hours, 1);
    EXPECT_EQ(minutes, 2);
    dvcsim::ClearFaults();
}
