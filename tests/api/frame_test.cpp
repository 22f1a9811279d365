// The call frame, the exclusive section and the host's locks under real
// threads, on monitors seeded into the registry without transports.
#include "api/call_frame.hpp"

#include <gtest/gtest.h>

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

// A call on its own thread whose operation says that it runs, then waits to
// be let go; the destructor lets it go and joins.
struct HeldCall {
    Gate entered, release;
    std::thread thread;
    explicit HeldCall(const char* serial)
        : thread([this, serial] {
              CallMonitor<ErrorResult>(serial, kModel, [this](VarnMonitor&) {
                  entered.Open();
                  release.Wait();
                  return DvOk;
              });
          }) {}
    ~HeldCall() {
        release.Open();
        thread.join();
    }
    bool Ran() { return entered.Wait(); }
    bool RanTooSoon() { return entered.Wait(kSettle); }
};

// An exclusive section on its own thread, held until `finish` opens.
struct HeldExclusive {
    Gate inside, finish;
    std::thread thread{[this] {
        ExclusiveSection section;
        inside.Open();
        finish.Wait();
    }};
    ~HeldExclusive() {
        finish.Open();
        thread.join();
    }
};

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
    const struct {
        const char* serial;
        const char* model;
    } missing[] = {{"SER00009", kModel}, {"SER00001", "ModelB"}, {"SER0000", kModel}, {nullptr, kModel},
                   {"SER00001", nullptr}};
    for (const auto& pair : missing) {
        EXPECT_EQ(CallMonitor<ErrorResult>(pair.serial, pair.model, [](VarnMonitor&) { return DvOk; }), DvErrFailed);
        EXPECT_EQ(CallMonitor<YesNoResult>(pair.serial, pair.model, one), 0);
        EXPECT_EQ(CallMonitor<CountResult>(pair.serial, pair.model, one), 0);
        int kind = 42;
        EXPECT_EQ(DvCtrlGetCommunicationPath(pair.serial, pair.model, &kind), DvErrFailed);
        EXPECT_EQ(kind, -1);
    }
    int kind = 42;
    EXPECT_EQ(DvCtrlGetCommunicationPath("SER00001", kModel, nullptr), DvErrFailed);
    EXPECT_EQ(DvCtrlGetCommunicationPath("SER00001", kModel, &kind), DvOk);
    EXPECT_EQ(kind, 2);

    DvCtrlSetThreadUnsafeOption(0);
    const auto thrower = [](VarnMonitor&) -> int { throw std::runtime_error("inside"); };
    EXPECT_EQ(CallMonitor<CountResult>("SER00001", kModel, thrower), 0);
    EXPECT_EQ(Readers(), 0u);
    EXPECT_TRUE(FreeForOthers(FrameState::Instance().registry));
    EXPECT_TRUE(FreeForOthers(dvc::registry::Registry::Instance().Find("SER00001", kModel)->MonitorLock()));
}

TEST_F(Frame, CallsSerialisePerMonitorAndOverlapAcrossMonitorsByDefault) {
    HeldCall first("SER00001");
    ASSERT_TRUE(first.Ran());
    HeldCall second("SER00001");
    EXPECT_FALSE(second.RanTooSoon()) << "second call ran inside the first";
    HeldCall other("SER00002");
    EXPECT_TRUE(other.Ran());
    first.release.Open();
    EXPECT_TRUE(second.Ran());
}

TEST_F(Frame, ThreadSafeModeSerialisesAllCallsAndHonoursDvCtrlLock) {
    DvCtrlSetThreadUnsafeOption(0);
    {
        HeldCall first("SER00001");
        ASSERT_TRUE(first.Ran());
        HeldCall other("SER00002");
        EXPECT_FALSE(other.RanTooSoon()) << "another monitor's call overlapped";
        first.release.Open();
        EXPECT_TRUE(other.Ran());
    }
    DvCtrlLock();
    HeldCall held("SER00002");
    EXPECT_FALSE(held.RanTooSoon()) << "a call ran while the host held DvCtrlLock";
    DvCtrlUnlock();
    EXPECT_TRUE(held.Ran());
}

TEST_F(Frame, ExclusiveSectionWaitsForCallsAndReportsInFlightAndKeepsNewCallsOut) {
    {
        HeldCall call("SER00001");
        ASSERT_TRUE(call.Ran());
        HeldExclusive exclusive;
        EXPECT_FALSE(exclusive.inside.Wait(kSettle)) << "exclusive section ran past a call";
        call.release.Open();
        EXPECT_TRUE(exclusive.inside.Wait());
        HeldCall late("SER00002");
        EXPECT_FALSE(late.RanTooSoon()) << "a call started inside the exclusive section";
        exclusive.finish.Open();
        EXPECT_TRUE(late.Ran());
    }
    Gate delivering, done;
    std::thread report([&] {
        ReportGate gate;
        EXPECT_TRUE(gate.Open());
        delivering.Open();
        done.Wait();
    });
    ASSERT_TRUE(delivering.Wait());
    HeldExclusive exclusive;
    EXPECT_FALSE(exclusive.inside.Wait(kSettle)) << "exclusive section ran past a report";
    done.Open();
    EXPECT_TRUE(exclusive.inside.Wait());
    report.join();
}

TEST_F(Frame, AReportThreadIsRefusedInsteadOfWaitingForAPendingExclusiveSection) {
    {
        HeldCall call("SER00001");
        ASSERT_TRUE(call.Ran());
        HeldExclusive exclusive;  // pending behind the call
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

TEST_F(Frame, ThreadUnsafeModeLeavesTheWaitingToTheHost) {
    DvCtrlSetThreadUnsafeOption(1);
    {
        HeldCall call("SER00001");
        ASSERT_TRUE(call.Ran());
        EXPECT_EQ(Readers(), 0u);
        ExclusiveSection section;  // does not wait for the call
    }
    // A call entered in thread-safe mode leaves the registry lock it took,
    // whatever the mode is when it ends.
    DvCtrlSetThreadUnsafeOption(0);
    {
        HeldCall call("SER00001");
        ASSERT_TRUE(call.Ran());
        DvCtrlSetThreadUnsafeOption(1);
    }
    EXPECT_TRUE(FreeForOthers(FrameState::Instance().registry));
}

TEST_F(Frame, ReportsInFlightAreLimitedToTheMonitorCount) {
    auto& state = FrameState::Instance();
    { ExclusiveSection section; }
    for (int i = 0; i < 3; ++i) state.EnterReport();
    EXPECT_EQ(state.ReportsInFlight(), 2u);
    for (int i = 0; i < 3; ++i) state.LeaveReport();
    EXPECT_EQ(state.ReportsInFlight(), 0u);
    dvc::test::ResetLibrary();
    { ExclusiveSection section; }
    state.EnterReport();  // none while no monitor is registered
    EXPECT_EQ(state.ReportsInFlight(), 0u);
}

TEST_F(Frame, LockMonitorHoldsTheMonitorAndOneShareUntilThisThreadUnlocks) {
    ASSERT_EQ(DvCtrlLockMonitor("SER00001", kModel), DvOk);
    EXPECT_EQ(Readers(), 1u);
    EXPECT_EQ(CallMonitor<ErrorResult>("SER00001", kModel, [](VarnMonitor&) { return DvOk; }), DvOk)
        << "the owner re-enters";
    HeldCall other("SER00001");
    EXPECT_FALSE(other.RanTooSoon());
    std::thread([] { EXPECT_EQ(DvCtrlUnlockMonitor("SER00001", kModel), DvOk); }).join();
    EXPECT_FALSE(other.RanTooSoon()) << "another thread's unlock freed the monitor";
    EXPECT_EQ(Readers(), 2u) << "another thread's unlock gave back a share it did not hold";
    EXPECT_EQ(DvCtrlUnlockMonitor("SER00001", kModel), DvOk);
    EXPECT_TRUE(other.Ran());
}

TEST_F(Frame, FailedLocksAndStrayUnlocksLeaveNoShareBehind) {
    EXPECT_EQ(DvCtrlLockMonitor("SER00009", kModel), DvErrFailed);
    EXPECT_EQ(DvCtrlLockMonitor(nullptr, kModel), DvErrFailed);
    EXPECT_EQ(Readers(), 0u);
    ASSERT_EQ(DvCtrlLockMonitor("SER00002", kModel), DvOk);
    // An unlock naming an unknown pair still gives the share back, but the
    // monitor stays locked until its own unlock.
    EXPECT_EQ(DvCtrlUnlockMonitor("SER00009", kModel), DvErrFailed);
    EXPECT_EQ(Readers(), 0u);
    auto& lock = dvc::registry::Registry::Instance().Find("SER00002", kModel)->MonitorLock();
    EXPECT_FALSE(FreeForOthers(lock));
    EXPECT_EQ(DvCtrlUnlockMonitor("SER00002", kModel), DvOk);
    EXPECT_TRUE(FreeForOthers(lock));
    HeldCall call("SER00001");
    ASSERT_TRUE(call.Ran());
    EXPECT_EQ(DvCtrlUnlockMonitor("SER00001", kModel), DvOk);
    EXPECT_EQ(Readers(), 1u) << "a stray unlock took the share of a call in flight";
}
