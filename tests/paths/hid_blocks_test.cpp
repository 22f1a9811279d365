// The HID path's block transfers and decodings, checked by the exact
// transactions that reached the virtual monitor.
#include <array>

#include "paths/path_world.hpp"

using dvc::test::kPathSerial;
using dvc::test::PathWorld;
using dvcsim::Link;
using dvcsim::Op;

namespace {
constexpr uint32_t kSelect = 0x18;
constexpr uint32_t kData = 0x19;
using Table = std::array<uint8_t, 512>;

// The blocks or pages selected through `code`, by value or two-byte write.
std::vector<uint32_t> Selected(uint32_t code) {
    std::vector<uint32_t> blocks;
    for (const auto& t : dvcsim::Transactions()) {
        if (t.code != code || t.result < 0) continue;
        if (t.op == Op::SetValue) blocks.push_back(t.value);
        if (t.op == Op::SetData) blocks.push_back(t.data.at(0) | (t.data.at(1) << 8));
    }
    return blocks;
}

Table Pattern() {
    Table table{};
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<uint8_t>(i * 7 + 3);
    return table;
}

uint32_t FailData(int32_t result, uint32_t skip) {
    dvcsim::FaultRule rule;
    rule.link = Link::HID;
    rule.op = Op::GetData;
    rule.code = kData;
    rule.skip = skip;
    rule.result = result;
    return dvcsim::AddFault(rule);
}
}  // namespace

using HidLut = PathWorld;

TEST_F(HidLut, BlocksOfATableGoInOrderWithTheLutOption) {
    const uint32_t bank0 = 0, bank1 = 1;
    const Table written = Pattern();
    ASSERT_EQ(hid->WriteLUT(kSelect, kData, written.data(), 3, &bank1), DvOk);
    EXPECT_EQ(Selected(kSelect), (std::vector<uint32_t>{0x0C, 0x0D, 0x0E, 0x0F}));
    Table read{};
    ASSERT_EQ(hid->ReadLUT(kSelect, kData, read.data(), 10, &bank1), DvOk);  // table 10 shares table 3's blocks
    EXPECT_EQ(read, written);

    dvcsim::ClearTransactions();
    ASSERT_EQ(hid->ReadLUT(kSelect, kData, read.data(), 5, &bank0), DvOk);
    EXPECT_EQ(Selected(kSelect), (std::vector<uint32_t>{0xA8, 0xA9, 0xAA, 0xAB}));
    EXPECT_EQ(read[128 + 2], 65);  // the second block of the monitor's ramp
    for (const auto& t : dvcsim::Transactions()) {
        EXPECT_EQ(t.option, t.op == Op::GetData ? 0u : 1u) << dvcsim::Describe(t);
        if (t.op == Op::GetData) {
            EXPECT_EQ(t.size, 128u);
        }
    }
}

TEST_F(HidLut, UnknownBankOrTableFailsWithoutTraffic) {
    Table table{};
    const uint32_t bank = 0, badBank = 2;
    EXPECT_EQ(hid->ReadLUT(kSelect, kData, table.data(), 0, &badBank), DvErrFailed);
    EXPECT_EQ(hid->WriteLUT(kSelect, kData, table.data(), 11, &bank), DvErrFailed);
    EXPECT_EQ(ddcci->ReadLUT(kSelect, kData, table.data(), 0, &bank), DvErrNotSupported);
    EXPECT_TRUE(dvcsim::Transactions().empty());
}

// A monitor that takes the block number only as data answers the value
// write with a size mismatch; each block is then selected by {block, 0}.
TEST_F(HidLut, SizeMismatchFallsBackToATwoByteSelect) {
    const uint32_t bank = 0;
    const Table written = Pattern();
    ASSERT_EQ(hid->WriteLUT(0x72, 0x73, written.data(), 1, &bank), DvOk);
    int refused = 0;
    for (const auto& t : dvcsim::Transactions()) refused += t.op == Op::SetValue && t.result == DvErrSizeMismatch;
    EXPECT_EQ(refused, 4);
    EXPECT_EQ(Selected(0x72), (std::vector<uint32_t>{0x84, 0x85, 0x86, 0x87}));
    Table read{};
    ASSERT_EQ(hid->ReadLUT(0x72, 0x73, read.data(), 8, &bank), DvOk);
    EXPECT_EQ(read, written);
}

TEST_F(HidLut, OnlyFailureOrMissingFeatureStopsATransfer) {
    const uint32_t bank = 0;
    Table table{};
    table.fill(0x5A);
    const uint32_t stop = FailData(DvErrNotSupported, 2);
    EXPECT_EQ(hid->ReadLUT(kSelect, kData, table.data(), 0, &bank), DvErrNotSupported);
    EXPECT_EQ(Selected(kSelect).size(), 3u);
    EXPECT_EQ(table[0], 0x5A);  // written only on complete success
    dvcsim::RemoveFault(stop);

    dvcsim::ClearTransactions();
    FailData(DvErrRefused, 1);
    EXPECT_EQ(hid->ReadLUT(kSelect, kData, table.data(), 0, &bank), DvOk);
    EXPECT_EQ(Selected(kSelect).size(), 4u);
    dvcsim::ClearFaults();
}

using HidEdid = PathWorld;

TEST_F(HidEdid, PagesAreTriedOneToFiveThenZero) {
    std::array<uint8_t, 256> edid{};
    ASSERT_EQ(hid->ReadEDID(edid.data()), DvOk);
    EXPECT_EQ(Selected(0xB9), (std::vector<uint32_t>{1, 2, 3, 4, 5, 0}));
    EXPECT_EQ(edid[1], 0xFF);

    dvcsim::ClearTransactions();
    dvcsim::FaultRule blank;
    blank.op = Op::GetData;
    blank.code = 0xBA;
    blank.count = 0;
    blank.kind = dvcsim::FaultKind::ShortData;
    dvcsim::AddFault(blank);
    edid.fill(0x11);
    EXPECT_EQ(hid->ReadEDID(edid.data()), DvErrFailed);
    EXPECT_EQ(Selected(0xB9).size(), 6u);
    EXPECT_EQ(edid[0], 0x11);
    dvcsim::ClearFaults();
}

using HidDecodings = PathWorld;

TEST_F(HidDecodings, AudioVolumeKeepsTheLowByteForSmallRanges) {
    uint32_t volume = 0;
    ASSERT_EQ(hid->ReadAudioVolume(0x62, &volume), DvOk);
    EXPECT_EQ(volume, 0x34u);
    ASSERT_EQ(hid->ReadAudioVolume(0x63, &volume), DvOk);
    EXPECT_EQ(volume, 0x1234u);
    ASSERT_EQ(ddcci->ReadAudioVolume(0x62, &volume), DvOk);
    EXPECT_EQ(volume, 0x1234u);
    const uint32_t level = 30;
    ASSERT_EQ(hid->WriteAudioVolume(0x62, &level), DvOk);
    const auto writes = Writes(Link::HID);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].option, 1u);
}

TEST_F(HidDecodings, ChromaticityTravelsInTenThousandths) {
    const double x = 0.3127, y = 0.329;
    ASSERT_EQ(hid->WriteChromaticity(0xC0, &x, &y), DvOk);
    const auto writes = Writes(Link::HID);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].data, (std::vector<uint8_t>{0x37, 0x0C, 0xDA, 0x0C}));
    double rx = 0, ry = 0;
    ASSERT_EQ(hid->ReadChromaticity(0xC0, &rx, &ry), DvOk);
    EXPECT_DOUBLE_EQ(rx, 0.3127);
    EXPECT_DOUBLE_EQ(ry, 0.329);
    int32_t flag = 0;
    double maximum = 0, minimum = 0;
    ASSERT_EQ(hid->QueryChromaticityRange(0xC0, &flag, &maximum, &minimum), DvOk);
    EXPECT_DOUBLE_EQ(maximum, 0.7);
    EXPECT_DOUBLE_EQ(minimum, 0.01);
}

TEST_F(HidDecodings, SignalIsBitThreeOfValueOneOrTheBlockOf71) {
    uint32_t value = 9;
    ASSERT_EQ(hid->ReadSignal(0x01, &value), DvOk);
    EXPECT_EQ(value, 1u);
    const uint16_t off = 0;
    ASSERT_EQ(hid->WriteSignal(0x01, &off), DvOk);
    EXPECT_EQ(dvcsim::GetStateValue(kPathSerial, 0x01), 0xF5u);  // only bit 3 changed

    ASSERT_EQ(hid->ReadSignal(0x71, &value), DvOk);
    EXPECT_EQ(value, 0x1234u);
    const uint16_t next = 0x0302;
    ASSERT_EQ(hid->WriteSignal(0x71, &next), DvOk);
    EXPECT_EQ(Writes(Link::HID).back().data, (std::vector<uint8_t>{0x02, 0x03}));
    EXPECT_EQ(hid->ReadSignal(0x72, &value), DvErrInvalidParameter);

    dvcsim::SetStateValue(kPathSerial, 0x01, 0x0001ABCD);
    ASSERT_EQ(ddcci->ReadSignal(0x01, &value), DvOk);
    EXPECT_EQ(value, 0xABCDu);
}

TEST_F(HidDecodings, SenseAlwaysUsesByteTwoOfBlockAA) {
    int on = 0;
    ASSERT_EQ(hid->ReadThriftluxSense(0x1234, &on), DvOk);
    EXPECT_EQ(on, 1);
    ASSERT_EQ(hid->WriteThriftluxSense(0x1234, 9), DvOk);
    const auto writes = Writes(Link::HID);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].code, 0xAAu);
    EXPECT_EQ(writes[0].data, (std::vector<uint8_t>{0, 0, 1, 0}));
    EXPECT_EQ(hid->QueryThriftluxSense(0x1234, nullptr), DvOk);  // 0 whatever the transport said
}

TEST_F(HidDecodings, HandleAndDeviceLockArePassedThrough) {
    uint32_t handle = 0;
    ASSERT_EQ(hid->GetHandle(&handle), DvOk);
    EXPECT_EQ(handle, dvcsim::Monitors()[0].hid_handle);
    EXPECT_EQ(hid->GetHandle(nullptr), DvErrFailed);
    EXPECT_EQ(ddcci->GetHandle(&handle), DvErrNotImplemented);
    EXPECT_EQ(hid->SupportsCriticalSection(), 1);
    EXPECT_EQ(hid->EnterCriticalSection(), DvOk);
    EXPECT_EQ(hid->ExitCriticalSection(), DvOk);
    EXPECT_EQ(ddcci->EnterCriticalSection(), DvErrNotSupported);
}
