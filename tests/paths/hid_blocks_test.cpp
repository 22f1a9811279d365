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
constexpr uint32_t kSelectByData = 0x72;
constexpr uint32_t kDataOfSelectByData = 0x73;

std::vector<uint32_t> Selected(const std::vector<dvcsim::Transaction>& log, uint32_t code) {
    std::vector<uint32_t> blocks;
    for (const auto& t : log) {
        if (t.code != code || t.result < 0) continue;
        if (t.op == Op::SetValue) blocks.push_back(t.value);
        if (t.op == Op::SetData) blocks.push_back(t.data.empty() ? 0xFFFF : t.data[0]);
    }
    return blocks;
}

std::array<uint8_t, 512> Pattern() {
    std::array<uint8_t, 512> table{};
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<uint8_t>(i * 7 + 3);
    return table;
}
}  // namespace

using HidLut = PathWorld;

TEST_F(HidLut, ReadSelectsTheFourBlocksOfTheTableInOrder) {
    std::array<uint8_t, 512> table{};
    const uint32_t bank = 0;
    ASSERT_EQ(hid->ReadLUT(kSelect, kData, table.data(), 5, &bank), DvOk);
    EXPECT_EQ(Selected(dvcsim::Transactions(), kSelect), (std::vector<uint32_t>{0xA8, 0xA9, 0xAA, 0xAB}));
    for (const auto& t : dvcsim::Transactions()) {
        if (t.op == Op::SetValue) {
            EXPECT_EQ(t.option, 1u);
        }
        if (t.op == Op::GetData) {
            EXPECT_EQ(t.size, 128u);
        }
    }
    // Each block holds its slice of a 256-entry ramp.
    EXPECT_EQ(table[2], 1);
    EXPECT_EQ(table[128 + 2], 65);
}

TEST_F(HidLut, WriteThenReadRoundTripsThroughTheSharedBlocks) {
    const auto written = Pattern();
    const uint32_t bank = 1;
    ASSERT_EQ(hid->WriteLUT(kSelect, kData, written.data(), 3, &bank), DvOk);
    EXPECT_EQ(Selected(dvcsim::Transactions(), kSelect), (std::vector<uint32_t>{0x0C, 0x0D, 0x0E, 0x0F}));
    for (const auto& t : dvcsim::Transactions()) {
        if (t.op == Op::SetData) {
            EXPECT_EQ(t.option, 1u);
        }
    }
    std::array<uint8_t, 512> read{};
    ASSERT_EQ(hid->ReadLUT(kSelect, kData, read.data(), 10, &bank), DvOk);  // table 10 shares table 3's blocks
    EXPECT_EQ(read, written);
}

TEST_F(HidLut, UnknownBankOrTableFailsWithoutTraffic) {
    std::array<uint8_t, 512> table{};
    table.fill(0x5A);
    const uint32_t badBank = 2;
    const uint32_t bank = 0;
    EXPECT_EQ(hid->ReadLUT(kSelect, kData, table.data(), 0, &badBank), DvErrFailed);
    EXPECT_EQ(hid->ReadLUT(kSelect, kData, table.data(), 11, &bank), DvErrFailed);
    EXPECT_EQ(hid->WriteLUT(kSelect, kData, table.data(), 11, &bank), DvErrFailed);
    EXPECT_TRUE(dvcsim::Transactions().empty());
    EXPECT_EQ(table[0], 0x5A);
}

TEST_F(HidLut, SizeMismatchFallsBackToATwoByteSelect) {
    const auto written = Pattern();
    const uint32_t bank = 0;
    ASSERT_EQ(hid->WriteLUT(kSelectByData, kDataOfSelectByData, written.data(), 1, &bank), DvOk);
    std::vector<std::vector<uint8_t>> selects;
    int refusedValueWrites = 0;
    for (const auto& t : dvcsim::Transactions()) {
        if (t.code != kSelectByData) continue;
        if (t.op == Op::SetValue && t.result == static_cast<int32_t>(DvErrSizeMismatch)) ++refusedValueWrites;
        if (t.op == Op::SetData) selects.push_back(t.data);
    }
    EXPECT_EQ(refusedValueWrites, 4);
    EXPECT_EQ(selects, (std::vector<std::vector<uint8_t>>{{0x84, 0}, {0x85, 0}, {0x86, 0}, {0x87, 0}}));
    std::array<uint8_t, 512> read{};
    ASSERT_EQ(hid->ReadLUT(kSelectByData, kDataOfSelectByData, read.data(), 8, &bank), DvOk);
    EXPECT_EQ(read, written);
}

TEST_F(HidLut, StoppingFailureLeavesTheCallersBufferAlone) {
    dvcsim::FaultRule rule;
    rule.link = Link::HID;
    rule.op = Op::GetData;
    rule.code = kData;
    rule.skip = 2;
    rule.result = static_cast<int32_t>(DvErrNotSupported);
    dvcsim::AddFault(rule);
    std::array<uint8_t, 512> table{};
    table.fill(0x5A);
    const uint32_t bank = 0;
    EXPECT_EQ(hid->ReadLUT(kSelect, kData, table.data(), 0, &bank), DvErrNotSupported);
    EXPECT_EQ(table[0], 0x5A);
    EXPECT_EQ(Selected(dvcsim::Transactions(), kSelect).size(), 3u);
    dvcsim::ClearFaults();
}

TEST_F(HidLut, RefusedBlockDoesNotStopTheTransfer) {
    dvcsim::FaultRule rule;
    rule.link = Link::HID;
    rule.op = Op::GetData;
    rule.code = kData;
    rule.skip = 1;
    rule.result = static_cast<int32_t>(DvErrRefused);
    dvcsim::AddFault(rule);
    std::array<uint8_t, 512> table{};
    const uint32_t bank = 0;
    EXPECT_EQ(hid->ReadLUT(kSelect, kData, table.data(), 0, &bank), DvOk);
    EXPECT_EQ(Selected(dvcsim::Transactions(), kSelect).size(), 4u);
    dvcsim::ClearFaults();
}

TEST_F(HidLut, DdcciDoesNotSupportIt) {
    std::array<uint8_t, 512> table{};
    const uint32_t bank = 0;
    EXPECT_EQ(ddcci->ReadLUT(kSelect, kData, table.data(), 0, &bank), DvErrNotSupported);
    EXPECT_EQ(ddcci->WriteLUT(kSelect, kData, table.data(), 0, &bank), DvErrNotSupported);
    EXPECT_TRUE(dvcsim::Transactions().empty());
}

using HidEdid = PathWorld;

TEST_F(HidEdid, PagesAreTriedOneToFiveThenZero) {
    std::array<uint8_t, 256> edid{};
    ASSERT_EQ(hid->ReadEDID(edid.data()), DvOk);
    EXPECT_EQ(Selected(dvcsim::Transactions(), 0xB9), (std::vector<uint32_t>{1, 2, 3, 4, 5, 0}));
    EXPECT_EQ(edid[0], 0x00);
    EXPECT_EQ(edid[1], 0xFF);
    EXPECT_EQ(edid[7], 0x00);
}

TEST_F(HidEdid, NoPageWithTheHeaderFailsAfterSixAttempts) {
    dvcsim::FaultRule rule;
    rule.link = Link::HID;
    rule.op = Op::GetData;
    rule.code = 0xBA;
    rule.count = 0;
    rule.kind = dvcsim::FaultKind::ShortData;
    rule.keep_bytes = 0;
    dvcsim::AddFault(rule);
    std::array<uint8_t, 256> edid{};
    edid.fill(0x11);
    EXPECT_EQ(hid->ReadEDID(edid.data()), DvErrFailed);
    EXPECT_EQ(Selected(dvcsim::Transactions(), 0xB9).size(), 6u);
    EXPECT_EQ(edid[0], 0x11);
    EXPECT_EQ(ddcci->ReadEDID(edid.data()), DvErrNotSupported);
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
    EXPECT_EQ(hid->ReadAudioVolume(0x62, nullptr), DvErrInvalidParameter);

    const uint32_t level = 30;
    ASSERT_EQ(hid->WriteAudioVolume(0x62, &level), DvOk);
    const auto writes = Writes(Link::HID);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].value, 30u);
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
    EXPECT_EQ(ddcci->ReadChromaticity(0xC0, &rx, &ry), DvErrNotImplemented);
}

TEST_F(HidDecodings, SignalFlagIsBitThreeOfValueOne) {
    uint32_t value = 9;
    ASSERT_EQ(hid->ReadSignal(0x01, &value), DvOk);
    EXPECT_EQ(value, 1u);
    const uint16_t off = 0;
    ASSERT_EQ(hid->WriteSignal(0x01, &off), DvOk);
    EXPECT_EQ(dvcsim::GetStateValue(kPathSerial, 0x01), 0xF5u);
    const uint16_t on = 1;
    ASSERT_EQ(hid->WriteSignal(0x01, &on), DvOk);
    EXPECT_EQ(dvcsim::GetStateValue(kPathSerial, 0x01), 0xFDu);
}

TEST_F(HidDecodings, SignalBlockIsASixteenBitField) {
    uint32_t value = 0;
    ASSERT_EQ(hid->ReadSignal(0x71, &value), DvOk);
    EXPECT_EQ(value, 0x1234u);
    const uint16_t next = 0x0302;
    ASSERT_EQ(hid->WriteSignal(0x71, &next), DvOk);
    const auto writes = Writes(Link::HID);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].data, (std::vector<uint8_t>{0x02, 0x03}));
    EXPECT_EQ(hid->ReadSignal(0x72, &value), DvErrInvalidParameter);
    EXPECT_EQ(hid->WriteSignal(0x72, &next), DvErrInvalidParameter);
}

TEST_F(HidDecodings, DdcciSignalKeepsTheLow16Bits) {
    dvcsim::SetStateValue(kPathSerial, 0x01, 0x0001ABCD);
    uint32_t value = 0;
    ASSERT_EQ(ddcci->ReadSignal(0x01, &value), DvOk);
    EXPECT_EQ(value, 0xABCDu);
}

TEST_F(HidDecodings, SenseAlwaysUsesByteTwoOfBlockAA) {
    int32_t flag = 0;
    EXPECT_EQ(hid->QueryThriftluxSense(0x1234, &flag), DvOk);
    EXPECT_NE(flag, 0);
    int on = 0;
    ASSERT_EQ(hid->ReadThriftluxSense(0x1234, &on), DvOk);
    EXPECT_EQ(on, 1);
    ASSERT_EQ(hid->WriteThriftluxSense(0x1234, 0), DvOk);
    ASSERT_EQ(hid->WriteThriftluxSense(0x1234, 9), DvOk);
    const auto writes = Writes(Link::HID);
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].code, 0xAAu);
    EXPECT_EQ(writes[0].data, (std::vector<uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(writes[1].data, (std::vector<uint8_t>{0, 0, 1, 0}));
    // The query answers 0 whatever the transport said.
    EXPECT_EQ(hid->QueryThriftluxSense(0x1234, nullptr), DvOk);
}

TEST_F(HidDecodings, HandleAndDeviceLock) {
    uint32_t handle = 0;
    ASSERT_EQ(hid->GetHandle(&handle), DvOk);
    EXPECT_EQ(handle, dvcsim::Monitors()[0].hid_handle);
    EXPECT_EQ(hid->GetHandle(nullptr), DvErrFailed);
    EXPECT_EQ(ddcci->GetHandle(nullptr), DvErrNotImplemented);

    EXPECT_GT(hid->SupportsCriticalSection(), 0);
    EXPECT_EQ(hid->EnterCriticalSection(), DvOk);
    EXPECT_EQ(hid->ExitCriticalSection(), DvOk);
    EXPECT_EQ(ddcci->EnterCriticalSection(), DvErrNotSupported);
    EXPECT_EQ(ddcci->SupportsCriticalSection(), DvErrNotSupported);
}

TEST_F(HidDecodings, IdentifiersOfBothPaths) {
    for (VarnMonitorInterface* path : {static_cast<VarnMonitorInterface*>(ddcci), static_cast<VarnMonitorInterface*>(hid)}) {
        std::string serial, model;
        ASSERT_EQ(path->GetIdentifiers(0x11, serial, model), DvOk);
        EXPECT_EQ(serial, kPathSerial);
        EXPECT_EQ(model, "PathTester");
    }
}
