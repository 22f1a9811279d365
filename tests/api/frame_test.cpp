// The call frame, exclusive section, host locks and monitor list, on monitors seeded without transports.
#include "api/call_frame.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "api/exclusive.hpp"
#include "api/report_gate.hpp"
#include "libdvc/libdvc.h"
#include "support/latch.hpp"
#include "support/registry_seam.hpp"

using namespace dvc::api;
using dvc::test::Gate;
using dvc::test::kSettle;

namespace {

constexpr const char* kModel = "ModelA";

class Frame : public ::testing::Test {
protected:
    void SetUp() override { dvc::test::SeedMonitors({{"SER00001", kModel}, {"SER00002", kModel}}, 2); }
    void TearDown() override { dvc::test::ResetLibrary(); }
    static uint32_t Readers() { return FrameState::Instance().readers.Read(); }
};

// Something run on its own thread that calls Hold() once inside: it says
// so, then waits to be let go. The destructor lets it go and joins.
struct Held {
    Gate inside, release;
    std::thread thread;
    template <class Body>
    explicit Held(Body body) : thread([this, body] { body(*this); }) {}
    ~Held() {
        release.Open();
        thread.join();
    }
    void Hold() {
        inside.Open();
        release.Wait();
    }
    bool Ran() { return inside.Wait(); }
    bool RanTooSoon() { return inside.Wait(kSettle); }
};

Held HeldCall(const char* serial) {
    return Held([serial](Held& held) {
        CallMonitor<ErrorResult>(serial, kModel, [&](VarnMonitor&) {
            held.Hold();
            return DvOk;
        });
    });
}

Held HeldExclusive() {
    return Held([](Held& held) {
        ExclusiveSection section;
        held.Hold();
    });
}

// Whether another thread can take `lock` at this moment.
bool FreeForOthers(varn_dvc::CriticalSection& lock) {
    bool got = false;
    std::thread([&] {
        got = lock.TryEnter();
        if (got) lock.Leave();
    }).join();
    return got;
}

}  // namespace

TEST_F(Frame, MissingMonitorsGiveEachClassItsMissingValueAndNothingThrownCrosses) {
    const auto one = [](VarnMonitor&) { return 1; };
    const std::pair<const char*, const char*> missing[] = {
        {"SER00009", kModel}, {"SER00001", "ModelB"}, {"SER0000", kModel}, {nullptr, kModel}, {"SER00001", nullptr}};
    for (const auto& [serial, model] : missing) {
        EXPECT_EQ(CallMonitor<ErrorResult>(serial, model, [](VarnMonitor&) { return DvOk; }), DvErrFailed);
        EXPECT_EQ(CallMonitor<YesNoResult>(serial, model, one), 0);
        EXPECT_EQ(CallMonitor<CountResult>(serial, model, one), 0);
    }
    EXPECT_EQ(DvCtrlGetCommunicationPath("SER00001", kModel, nullptr), DvErrFailed);

    DvCtrlSetThreadUnsafeOption(0);
    const auto thrower = [](VarnMonitor&) -> int { throw std::runtime_error("inside"); };
    EXPECT_EQ(CallMonitor<CountResult>("SER00001", kModel, thrower), 0);
    EXPECT_EQ(Readers(), 0u);
    EXPECT_TRUE(FreeForOthers(FrameState::Instance().registry));
    EXPECT_TRUE(FreeForOthers(dvc::registry::Registry::Instance().Find("SER00001", kModel)->MonitorLock()));
}

TEST_F(Frame, CallsOverlapAcrossMonitorsUnlessThreadSafeModeOrDvCtrlLockSerialisesThem) {
    {
        Held first = HeldCall("SER00001");
        ASSERT_TRUE(first.Ran());
        Held second = HeldCall("SER00001");
        EXPECT_FALSE(second.RanTooSoon()) << "second call ran inside the first";
        Held other = HeldCall("SER00002");
        EXPECT_TRUE(other.Ran());
        first.release.Open();
        EXPECT_TRUE(second.Ran());
    }
    DvCtrlSetThreadUnsafeOption(0);
    {
        Held first = HeldCall("SER00001");
        ASSERT_TRUE(first.Ran());
        Held other = HeldCall("SER00002");
        EXPECT_FALSE(other.RanTooSoon()) << "another monitor's call overlapped in thread-safe mode";
        first.release.Open();
        EXPECT_TRUE(other.Ran());
    }
    DvCtrlLock();
    Held held = HeldCall("SER00002");
    EXPECT_FALSE(held.RanTooSoon()) << "a call ran while the host held DvCtrlLock";
    DvCtrlUnlock();
    EXPECT_TRUE(held.Ran());
}

TEST_F(Frame, ExclusiveSectionWaitsForCallsAndReportsInFlightAndKeepsNewCallsOut) {
    {
        Held call = HeldCall("SER00001");
        ASSERT_TRUE(call.Ran());
        Held exclusive = HeldExclusive();
        EXPECT_FALSE(exclusive.RanTooSoon()) << "exclusive section ran past a call";
        call.release.Open();
        EXPECT_TRUE(exclusive.Ran());
        Held late = HeldCall("SER00002");
        EXPECT_FALSE(late.RanTooSoon()) << "a call started inside the exclusive section";
        exclusive.release.Open();
        EXPECT_TRUE(late.Ran());
    }
    Held report([](Held& held) {
        ReportGate gate;
        EXPECT_TRUE(gate.Open());
        held.Hold();
    });
    ASSERT_TRUE(report.Ran());
    Held exclusive = HeldExclusive();
    EXPECT_FALSE(exclusive.RanTooSoon()) << "exclusive section ran past a report";
    report.release.Open();
    EXPECT_TRUE(exclusive.Ran());
    exclusive.release.Open();
    // Thread-unsafe mode leaves the waiting to the host.
    DvCtrlSetThreadUnsafeOption(1);
    Held call = HeldCall("SER00001");
    ASSERT_TRUE(call.Ran());
    EXPECT_EQ(Readers(), 0u);
    ExclusiveSection section;  // does not wait for the call
}

TEST_F(Frame, AReportThreadIsRefusedInsteadOfWaitingForAPendingExclusiveSection) {
    {
        Held call = HeldCall("SER00001");
        ASSERT_TRUE(call.Ran());
        Held exclusive = HeldExclusive();  // pending behind the call
        while (FrameState::Instance().exclusiveRequests.Read() == 0) std::this_thread::yield();
        std::thread([] {
            ReportGate gate;
            EXPECT_FALSE(gate.Open());
            EXPECT_EQ(CallMonitor<YesNoResult>("SER00002", kModel, [](VarnMonitor&) { return 1; }), 0);
            EXPECT_EQ(DvCtrlLockMonitor("SER00002", kModel), DvErrFailed);
            EXPECT_EQ(DvCtrlGetNumMonitors(), 0);
            EXPECT_EQ(DvCtrlFind(nullptr, 0), 0);
            EXPECT_EQ(DvCtrlRelease(), DvErrFailed);
            EXPECT_EQ(DvCtrlAddMonitorInstance(1, nullptr, nullptr), DvErrFailed);
            EXPECT_EQ(DvCtrlRemoveMonitorInstance("SER00002", kModel), DvErrFailed);
        }).join();
        call.release.Open();
    }
    EXPECT_EQ(DvCtrlGetNumMonitors(), 2);
}

TEST_F(Frame, LockMonitorHoldsTheMonitorAndOneShareUntilThisThreadUnlocks) {
    EXPECT_EQ(DvCtrlLockMonitor("SER00009", kModel), DvErrFailed);
    EXPECT_EQ(DvCtrlLockMonitor(nullptr, kModel), DvErrFailed);
    EXPECT_EQ(Readers(), 0u) << "a failed lock kept its share";
    ASSERT_EQ(DvCtrlLockMonitor("SER00001", kModel), DvOk);
    EXPECT_EQ(Readers(), 1u);
    EXPECT_EQ(CallMonitor<ErrorResult>("SER00001", kModel, [](VarnMonitor&) { return DvOk; }), DvOk)
        << "the owner re-enters";
    {
        Held other = HeldCall("SER00001");
        EXPECT_FALSE(other.RanTooSoon());
        std::thread([] { EXPECT_EQ(DvCtrlUnlockMonitor("SER00001", kModel), DvOk); }).join();
        EXPECT_FALSE(other.RanTooSoon()) << "another thread's unlock freed the monitor";
        EXPECT_EQ(Readers(), 2u) << "another thread's unlock gave back a share it did not hold";
        EXPECT_EQ(DvCtrlUnlockMonitor("SER00001", kModel), DvOk);
        EXPECT_TRUE(other.Ran());
    }
    // An unlock naming an unknown pair still gives the share back, but the
    // monitor stays locked until its own unlock.
    ASSERT_EQ(DvCtrlLockMonitor("SER00002", kModel), DvOk);
    EXPECT_EQ(DvCtrlUnlockMonitor("SER00009", kModel), DvErrFailed);
    EXPECT_EQ(Readers(), 0u);
    EXPECT_FALSE(FreeForOthers(dvc::registry::Registry::Instance().Find("SER00002", kModel)->MonitorLock()));
    EXPECT_EQ(DvCtrlUnlockMonitor("SER00002", kModel), DvOk);
    Held call = HeldCall("SER00001");
    ASSERT_TRUE(call.Ran());
    EXPECT_EQ(DvCtrlUnlockMonitor("SER00001", kModel), DvOk);
    EXPECT_EQ(Readers(), 1u) << "a stray unlock took the share of a call in flight";
}

// Registry order: byte order of the serial number, then of the model name;
// a prefix sorts first and 0xE9 above ASCII. Copies are exactly 9 and 17
// bytes, cut so that the last one is a NUL.
TEST_F(Frame, SerialProductWalksTheRegistryInKeyOrderWithFixedSizeCopies) {
    dvc::test::SeedMonitors({{"B0000001", "Zed"},
                             {"A0000002", "Model"},
                             {"A0000002", "Mod"},
                             {"\xE9"
                              "0000000",
                              "M"},
                             {"A0000001", "ABCDEFGHIJKLMNOPQ"},
                             {"A00000012", "Z"}});
    ASSERT_EQ(DvCtrlGetNumMonitors(), 6);
    const char* expected[][2] = {{"A0000001", "ABCDEFGHIJKLMNOP"},
                                 {"A0000001", "Z"},
                                 {"A0000002", "Mod"},
                                 {"A0000002", "Model"},
                                 {"B0000001", "Zed"},
                                 {"\xE9"
                                  "0000000",
                                  "M"}};
    for (int i = 0; i < 6; ++i) {
        char serial[10], model[18];
        std::memset(serial, 'x', sizeof serial);
        std::memset(model, 'x', sizeof model);
        ASSERT_EQ(DvCtrlGetSerialProduct(i, serial, model), DvOk);
        EXPECT_STREQ(serial, expected[i][0]) << i;
        EXPECT_STREQ(model, expected[i][1]) << i;
        EXPECT_EQ(std::count(serial, serial + 10, '\0'), 9 - std::strlen(serial)) << "9 bytes, NULs after the text";
        EXPECT_EQ(std::count(model, model + 18, '\0'), 17 - std::strlen(model)) << "17 bytes, NULs after the text";
    }
    char serial[9] = "unset", model[17] = "unset";
    for (const int index : {6, -1}) EXPECT_EQ(DvCtrlGetSerialProduct(index, serial, model), DvErrFailed);
    EXPECT_EQ(DvCtrlGetSerialProduct(0, nullptr, model), DvErrFailed);
    EXPECT_EQ(DvCtrlGetSerialProduct(0, serial, nullptr), DvErrFailed);
    EXPECT_STREQ(serial, "unset");
}
