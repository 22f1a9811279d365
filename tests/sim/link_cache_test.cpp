// What the transports keep of a monitor, counted in the log by code (with
// the other monitors' model blocks read in the background meanwhile).
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
    static std::size_t Sent(uint32_t code, const char* serial = nullptr) {
        std::size_t n = 0;
        for (const auto& t : sim::Transactions())
            n += t.code == code && t.op != sim::Op::Find && (serial == nullptr || t.serial == serial);
        sim::ClearTransactions();
        return n;
    }
};

TEST_F(LinkCache, FixedAnswersAreAskedOnceAndCurrentValuesAlways) {
    for (const Wire& w : {Ddc(0), Hid(kCX)}) {
        int32_t max = 0, again = 0;
        uint32_t length = 0;
        ASSERT_TRUE(w.Fixed(0x88, max, length) && w.Supported(0x88));
        Sent(0x88);
        EXPECT_TRUE(w.Fixed(0x88, again, length) && w.Supported(0x88) && again == max);
        for (const uint32_t v : {31u, 32u}) {
            ASSERT_TRUE(sim::SetStateValue(kCX, 0x88, v));
            EXPECT_EQ(w.Value(0x88), v) << "a current value is never kept";
        }
        EXPECT_EQ(Sent(0x88), 2u) << "the two reads, range and support from the cache";
    }
    EXPECT_EQ(DvDDCCIIsSupported(1, 0x50), 0);
    Sent(0x50);
    EXPECT_EQ(DvDDCCIGetFixedData(1, 0x50, nullptr, nullptr, nullptr), DvErrNotSupported);
    EXPECT_EQ(Sent(0x50, kOF1), 0u) << "a code the monitor lacks is refused at once";
}

TEST_F(LinkCache, ErrorsDiscoveryAndReleaseDropWhatWasKept) {
    const Wire wires[] = {Ddc(0), Hid(kCX)};
    sim::FaultRule failing;
    failing.count = 0;
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"a failed read", [&] { sim::AddFault(failing), wires[0].Value(0x88), wires[1].Value(0x88); }},
        {"a discovery", [] { DvDDCCIFind(), DvHIDFind(); }},
        {"a release", [] { DvDDCCIRelease(), DvHIDRelease(), DvDDCCIFind(), DvHIDFind(); }},
    };
    for (const auto& [what, forget] : cases) {
        SCOPED_TRACE(what);
        for (const Wire& w : wires) w.Length(0x88);
        forget();
        sim::ClearFaults();
        Sent(0x88);
        for (const Wire& w : wires) w.Length(0x88);
        EXPECT_EQ(Sent(0x88), 2u);
    }
}

// Across processes a monitor is checked with one read; another monitor, or
// a damaged file, is asked in full.
TEST_F(LinkCache, IdentificationIsReadAheadAndKeptAcrossProcesses) {
    sim::AddFault({.link = sim::Link::DDCCI, .serial = kOF1, .op = sim::Op::GetData, .code = 0x11});
    ASSERT_EQ(DvDDCCIFind(), 4);
    sim::ClearFaults();
    Sent(0x11);
    EXPECT_TRUE(Ddc(0).Length(0x11) == 18u && Ddc(0).Supported(0x11) && Ddc(0).Read(0x11, 18).at(7) == '1');
    Bytes block;
    EXPECT_TRUE(Ddc(1).Length(0x11) == 24u && Ddc(1).Supported(0x11));
    EXPECT_EQ(Ddc(1).Read(0x11, 24, block), DvErrFailed) << "the fault met at discovery";
    EXPECT_EQ(Ddc(1).Read(0x11, 24, block), 0) << "asked again, the monitor answers";
    EXPECT_EQ(Sent(0x11), 1u);

    const auto dir = std::filesystem::temp_directory_path() / ("dvc-link-cache-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    setenv("DVC_LINK_CACHE_DIR", dir.c_str(), 1);
    const auto reads = [] { return DvDDCCIRelease(), DvDDCCIFind(), Sent(0x11); };
    EXPECT_GT(reads(), 4u);
    EXPECT_EQ(reads(), 4u) << "one check per monitor";
    const auto file = dir / "ddcci-sim--type0";
    std::string text{std::istreambuf_iterator<char>(std::ifstream(file).rdbuf()), {}};
    std::ofstream(file) << text.replace(text.find("3231343039303031"), 2, "33");  // 21409001 at index 0
    EXPECT_GT(reads(), 4u);
    EXPECT_EQ(reads(), 4u);
    std::ofstream(file) << "0 9 damaged\n";
    EXPECT_GT(reads(), 4u);
    unsetenv("DVC_LINK_CACHE_DIR");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace dvc::test
