// The library against the built-in models, end to end: monitors found by
// DvCtrlFind, tagged items moved by the paths' own ReadTag and WriteTag in
// each model's block mode, and the signal description and colour reset
// through the exports.
#include <gtest/gtest.h>

#include <dvcsim/dvcsim.hpp>

#include <numeric>
#include <string>
#include <vector>

#include "libdvc/libdvc.h"
#include "paths/varn_monitor_interface.hpp"
#include "paths/wait_recorder.hpp"
#include "registry/registry.hpp"
#include "registry/varn_monitor.hpp"
#include "support/registry_seam.hpp"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr const char* kCX = "21409001";
constexpr const char* kOF = "17200455";
constexpr const char* kCG = "23100077";
constexpr const char* kMX = "22050012";
constexpr uint32_t kHeaderCode = 0xFF0200C2;

Bytes Pattern(std::size_t n, uint8_t seed) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>(seed + i * 13);
    return b;
}

class LibraryItems : public ::testing::Test {
protected:
    void SetUp() override {
        dvc::test::ResetLibrary();
        ASSERT_TRUE(dvcsim::ActivateWorld("default"));
        ASSERT_EQ(DvCtrlFind(nullptr, 0), 5);
        dvcsim::ClearTransactions();
    }
    void TearDown() override {
        DvCtrlRelease();
        dvcsim::DeactivateWorld();
    }
    static std::vector<VarnMonitorInterface*> Paths(const char* serial, const char* model) {
        VarnMonitor* m = dvc::registry::Registry::Instance().Find(serial, model);
        EXPECT_NE(m, nullptr) << model;
        return m ? m->Paths() : std::vector<VarnMonitorInterface*>{};
    }
    static std::vector<dvcsim::Transaction> Sent(uint32_t code) {
        std::vector<dvcsim::Transaction> out;
        for (const auto& t : dvcsim::Transactions())
            if (t.code == code && (t.op == dvcsim::Op::SetData || t.op == dvcsim::Op::SetValue)) out.push_back(t);
        return out;
    }
    dvc::test::WaitRecorder waits;
};

TEST_F(LibraryItems, EachModelMovesTagsInItsOwnBlockSize) {
    const struct {
        const char* serial;
        const char* model;
        uint32_t blockSize;
    } models[] = {{kCX, "CX2740", 128}, {kCG, "CG3180", 512}, {kMX, "MX2420", 512}, {kOF, "OF2210", 0}};
    for (const auto& m : models) {
        const auto paths = Paths(m.serial, m.model);
        ASSERT_FALSE(paths.empty()) << m.model;
        for (VarnMonitorInterface* path : paths) EXPECT_EQ(path->TagBlockSize(), m.blockSize) << m.model;
    }
    uint8_t byte = 0;
    EXPECT_EQ(Paths(kOF, "OF2210")[0]->ReadTag("PRM238", 0, &byte, 1), DvErrNotSupported);
}

TEST_F(LibraryItems, DescriptionsAndReadOnlyItems) {
    for (VarnMonitorInterface* path : Paths(kCG, "CG3180")) {
        uint16_t first = 0, second = 0;
        ASSERT_EQ(path->ReadTagInfo("PRM238", &first, &second), DvOk);
        EXPECT_EQ(first, 3);
        EXPECT_EQ(second, 1);
        ASSERT_EQ(path->ReadTagInfo("AIC652", &first, &second), DvOk);
        EXPECT_EQ(first, 4096) << "the item's size";
        EXPECT_EQ(path->CheckTagInfo("AIC652", &first, &second, 8192, 2), DvErrNotSupported);
        EXPECT_EQ(path->ReadTagInfo("BAK400", &first, &second), DvErrFailed) << "this model keeps no usage histogram";
        uint8_t version = 0;
        ASSERT_EQ(path->ReadTag("PRM238", 0, &version, 1), DvOk);
        EXPECT_EQ(version, 20);
        char text[20] = {};
        ASSERT_EQ(path->ReadTag("VER000", 2, text, sizeof text - 1), DvOk);
        EXPECT_STREQ(text, "sensor 3.02");
    }
}

// Each link of each model in turn: write a record, read it back whole and
// from an offset, and find it in the monitor's state.
TEST_F(LibraryItems, RecordsRoundTripOnEveryPath) {
    const struct {
        const char* serial;
        const char* model;
        const char* tag;
        uint32_t record;
        uint32_t index;  // the tag's place by name
        uint32_t size;   // bytes written
    } cases[] = {
        {kCX, "CX2740", "BAK196", 0, 0, 300},    // 128-byte blocks, a partial last one
        {kCG, "CG3180", "BAK196", 0, 3, 513},    // combined on HID; combined reads and 128-byte writes on DDC/CI
        {kCG, "CG3180", "AIC652", 3, 2, 4096},   // a whole record
        {kMX, "MX2420", "AIC652", 1, 0, 1500},   // 512-byte blocks
    };
    uint8_t seed = 1;
    for (const auto& c : cases) {
        for (VarnMonitorInterface* path : Paths(c.serial, c.model)) {
            SCOPED_TRACE(std::string(c.model) + " " + c.tag);
            const Bytes data = Pattern(c.size, seed++);
            ASSERT_EQ(path->WriteTag(c.tag, c.record, data.data(), c.size), DvOk);
            Bytes back(c.size, 0);
            ASSERT_EQ(path->ReadTag(c.tag, c.record, back.data(), c.size), DvOk);
            EXPECT_EQ(back, data);
            Bytes middle(200, 0);
            ASSERT_EQ(path->ReadTag(c.tag, c.record, middle.data(), 200, 100), DvOk);
            EXPECT_EQ(middle, Bytes(data.begin() + 100, data.begin() + 300));
            const auto stored = dvcsim::GetStateData(c.serial, kHeaderCode, (c.index + 1) << 16 | c.record);
            ASSERT_TRUE(stored.has_value());
            EXPECT_EQ(Bytes(stored->begin(), stored->begin() + c.size), data);
        }
    }
    EXPECT_TRUE(waits.pauses.empty()) << "no transfer needed a retry";
}

TEST_F(LibraryItems, AFailedBlockWriteResumesAtThatBlock) {
    VarnMonitorInterface* hid = Paths(kCX, "CX2740")[0];
    dvcsim::FaultRule rule;
    rule.serial = kCX;
    rule.op = dvcsim::Op::SetData;
    rule.code = 0xFF0200C4;
    rule.skip = 2;  // the third block fails once
    const uint32_t id = dvcsim::AddFault(rule);
    const Bytes data = Pattern(512, 77);
    ASSERT_EQ(hid->WriteTag("BAK196", 0, data.data(), 512), DvOk);
    EXPECT_EQ(dvcsim::FaultHits(id), 1u);
    std::vector<uint16_t> headerBlocks;
    for (const auto& t : Sent(kHeaderCode)) headerBlocks.push_back(static_cast<uint16_t>(t.data[8] | t.data[9] << 8));
    EXPECT_EQ(headerBlocks, (std::vector<uint16_t>{0, 2})) << "the second try starts at the failed block";
    EXPECT_EQ(Sent(0xFF0200C4).size(), 5u);
    EXPECT_EQ(waits.pauses.size(), 1u);
    const auto stored = dvcsim::GetStateData(kCX, kHeaderCode, 1 << 16);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, data);

    // A read that fails once is tried again as a whole.
    rule.op = dvcsim::Op::GetData;
    rule.skip = 1;
    dvcsim::AddFault(rule);
    Bytes back(512, 0);
    ASSERT_EQ(hid->ReadTag("BAK196", 0, back.data(), 512), DvOk);
    EXPECT_EQ(back, data);
    EXPECT_EQ(waits.pauses.size(), 2u);
}

TEST_F(LibraryItems, SignalDescriptionsDecodeAsTheirInputsSay) {
    const struct {
        const char* serial;
        const char* model;
        DvSignalInfoFrame expected;
    } cases[] = {
        {kCX, "CX2740", {30, 0, 8, 0, 0, -1}},   // DisplayPort RGB, SDR
        {kCG, "CG3180", {41, 1, 10, 1, 7, 3}},   // HDMI YCbCr 4:2:2 BT.2020, HLG
        {kMX, "MX2420", {31, 0, 10, 0, 0, -1}},  // DisplayPort RGB 10 bits
    };
    for (const auto& c : cases) {
        DvSignalInfoFrame info{};
        ASSERT_EQ(DvCtrlGetSignalInfoFrame(c.serial, c.model, &info), DvOk) << c.model;
        EXPECT_EQ(info.portType, c.expected.portType) << c.model;
        EXPECT_EQ(info.quantizationRange, c.expected.quantizationRange) << c.model;
        EXPECT_EQ(info.bitDepth, c.expected.bitDepth) << c.model;
        EXPECT_EQ(info.colorFormat, c.expected.colorFormat) << c.model;
        EXPECT_EQ(info.colorimetry, c.expected.colorimetry) << c.model;
        EXPECT_EQ(info.transferFunction, c.expected.transferFunction) << c.model;
    }
    DvSignalInfoFrame info{};
    EXPECT_EQ(DvCtrlGetSignalInfoFrame(kOF, "OF2210", &info), DvErrNotSupported);
}

TEST_F(LibraryItems, ColourResetFollowsEachModelsPriority) {
    for (const auto& [serial, model] : {std::pair{kCG, "CG3180"}, std::pair{kMX, "MX2420"}}) {
        ASSERT_TRUE(dvcsim::SetStateValue(serial, 0x8A, 40));
        dvcsim::ClearTransactions();
        EXPECT_EQ(DvCtrlReset(serial, model, 3), DvOk) << model;
        EXPECT_EQ(dvcsim::GetStateValue(serial, 0x8A), 255u) << model << ": the pulse went the model's way";
        EXPECT_EQ(dvcsim::GetStateValue(serial, 0xFF0100CF, 1), 1u) << model;
    }
    EXPECT_EQ(DvCtrlReset(kCX, "CX2740", 3), DvErrNotSupported);
}

}  // namespace
