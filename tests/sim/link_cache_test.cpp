// What the transports keep of a monitor: fixed answers are asked once,
// current values always, and an error, a discovery or a release makes them
// ask again. Counted on the simulator's links.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "sim_fixture.hpp"

namespace dvc::test {
namespace {

class LinkCache : public WorldTest {
protected:
    void SetUp() override { Open(); }
    // Transactions that reached the monitors since the last call.
    static uint64_t Sent() {
        const uint64_t n = sim::Counters(sim::Link::DDCCI).calls + sim::Counters(sim::Link::HID).calls;
        sim::ResetCounters();
        return n;
    }
};

TEST_F(LinkCache, FixedAnswersAreAskedOnceAndCurrentValuesAlways) {
    for (const Wire& w : {Ddc(0), Hid(kCX)}) {
        SCOPED_TRACE(w.hid ? "HID" : "DDC/CI");
        int32_t max = 0, again = 0;
        uint32_t length = 0;
        ASSERT_TRUE(w.Fixed(0x88, max, length) && w.Supported(0x88));
        Sent();
        EXPECT_TRUE(w.Fixed(0x88, again, length) && w.Supported(0x88));
        EXPECT_EQ(again, max);
        EXPECT_EQ(Sent(), 0u) << "range and support come from the cache";
        for (const uint32_t v : {31u, 32u}) {
            ASSERT_TRUE(sim::SetStateValue(kCX, 0x88, v));
            EXPECT_EQ(w.Value(0x88), v) << "a current value is never kept";
        }
        EXPECT_EQ(Sent(), 2u);
    }
}

TEST_F(LinkCache, ACodeTheMonitorLacksIsRefusedAtOnce) {
    int32_t max = 7;
    uint32_t length = 7;
    EXPECT_EQ(DvDDCCIIsSupported(1, 0x50), 0);
    Sent();
    EXPECT_EQ(DvDDCCIGetFixedData(1, 0x50, &max, nullptr, &length), DvErrNotSupported);
    EXPECT_EQ(max, 7);
    EXPECT_EQ(Sent(), 0u);
}

// Each of these makes the next range query reach the monitor again.
TEST_F(LinkCache, ErrorsDiscoveryAndReleaseDropWhatWasKept) {
    const struct {
        const char* what;
        std::function<void()> forget;
    } cases[] = {
        {"a failed read",
         [] {
             sim::AddFault({.link = {}, .serial = {}, .op = sim::Op::GetValue, .code = {}, .count = 0}),
                 Ddc(0).Value(0x88), Hid(kCX).Value(0x88);
         }},
        {"a discovery", [] { DvDDCCIFind(), DvHIDFind(); }},
        {"a release", [] { DvDDCCIRelease(), DvHIDRelease(), DvDDCCIFind(), DvHIDFind(); }},
    };
    const Wire wires[] = {Ddc(0), Hid(kCX)};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const Wire& w : wires) w.Length(0x88);
        c.forget();
        sim::ClearFaults();
        Sent();
        for (const Wire& w : wires) w.Length(0x88);
        EXPECT_EQ(Sent(), 2u);
    }
}

// Discovery reads every identification ahead; the caller's own reads then
// get the same answers, faults included, without a transaction.
TEST_F(LinkCache, IdentificationReadAheadAnswersAsTheMonitorWould) {
    sim::FaultRule failing;
    failing.link = sim::Link::DDCCI, failing.serial = kOF1, failing.op = sim::Op::GetData, failing.code = 0x11;
    sim::AddFault(failing);
    ASSERT_EQ(DvDDCCIFind(), 4);
    sim::ClearFaults();
    Sent();
    EXPECT_EQ(Ddc(0).Length(0x11), 18u);
    EXPECT_TRUE(Ddc(0).Supported(0x11));
    EXPECT_EQ(Ddc(0).Read(0x11, 18).at(7), '1');
    Bytes block;
    EXPECT_EQ(Ddc(1).Length(0x11), 24u);
    EXPECT_TRUE(Ddc(1).Supported(0x11));
    EXPECT_EQ(Ddc(1).Read(0x11, 24, block), DvErrFailed) << "the fault met at discovery";
    EXPECT_EQ(Ddc(1).Read(0x11, 24).size(), 24u) << "asked again, the monitor answers";
    EXPECT_EQ(Sent(), 1u);
}

// Kept across processes: the next discovery reads each identification block
// once to check it; a block that differs from the one kept, or a damaged
// file, makes the monitor be asked in full.
TEST_F(LinkCache, AnswersKeptAcrossProcessesAreCheckedWithOneRead) {
    const auto dir = std::filesystem::temp_directory_path() / ("dvc-link-cache-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    setenv("DVC_LINK_CACHE_DIR", dir.c_str(), 1);
    const auto reads = [] {
        sim::ClearTransactions();
        DvDDCCIRelease();
        DvDDCCIFind();
        std::size_t n = 0;
        for (const auto& t : sim::Transactions()) n += t.code == 0x11 && t.op != sim::Op::IsSupported;
        return n;
    };
    const std::size_t full = reads();
    EXPECT_EQ(reads(), 4u) << "one check per monitor";
    const auto file = dir / "ddcci-sim--type0";
    std::string text;
    {
        std::ifstream in(file);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::size_t serial = text.find("3231343039303031");  // 21409001 at index 0
    ASSERT_NE(serial, std::string::npos);
    std::ofstream(file, std::ios::trunc) << text.replace(serial, 2, "33");
    EXPECT_GT(reads(), 4u) << "a monitor that is not the one kept";
    EXPECT_EQ(reads(), 4u);
    std::ofstream(file, std::ios::trunc) << "0 9 damaged\n";
    EXPECT_EQ(reads(), full);
    unsetenv("DVC_LINK_CACHE_DIR");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace dvc::test
