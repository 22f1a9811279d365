// Exclusive operations against calls and reports in flight.
#include "api/exclusive.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "api/call_frame.hpp"
#include "api/report_gate.hpp"
#include "libdvc/dvc_lifecycle.h"
#include "support/latch.hpp"
#include "support/registry_seam.hpp"

using namespace dvc::api;
using dvc::test::Gate;
using dvc::test::kSettle;

namespace {

class Exclusive : public ::testing::Test {
protected:
    void SetUp() override { dvc::test::SeedMonitors({{"SER00001", "ModelA"}}); }
    void TearDown() override { dvc::test::ResetLibrary(); }
};

// Runs BeginExclusive on its own thread and tells when it got through.
struct ExclusiveRunner {
    Gate inside, finish;
    std::thread thread{[this] {
        ExclusiveSection section;
        inside.Open();
        finish.Wait();
    }};
    ~ExclusiveRunner() {
        finish.Open();
        thread.join();
    }
};

}  // namespace

TEST_F(Exclusive, WaitsForACallInFlight) {
    Gate entered, release;
    std::thread call([&] {
        CallMonitor<ErrorResult>("SER00001", "ModelA", [&](VarnMonitor&) {
            entered.Open();
            release.Wait();
            return DvOk;
        });
    });
    ASSERT_TRUE(entered.Wait());
    ExclusiveRunner exclusive;
    EXPECT_FALSE(exclusive.inside.Wait(kSettle)) << "exclusive section ran past a call";
    release.Open();
    EXPECT_TRUE(exclusive.inside.Wait());
    call.join();
}

TEST_F(Exclusive, KeepsNewCallsOutUntilItEnds) {
    ExclusiveRunner exclusive;
    ASSERT_TRUE(exclusive.inside.Wait());
    Gate ran;
    std::thread call([&] {
        CallMonitor<ErrorResult>("SER00001", "ModelA", [&](VarnMonitor&) {
            ran.Open();
            return DvOk;
        });
    });
    EXPECT_FALSE(ran.Wait(kSettle));
    exclusive.finish.Open();
    EXPECT_TRUE(ran.Wait());
    call.join();
}

TEST_F(Exclusive, AReportThreadGetsBusyInsteadOfDeadlocking) {
    // A call in flight keeps the exclusive section pending.
    Gate entered, release;
    std::thread call([&] {
        CallMonitor<ErrorResult>("SER00001", "ModelA", [&](VarnMonitor&) {
            entered.Open();
            release.Wait();
            return DvOk;
        });
    });
    ASSERT_TRUE(entered.Wait());
    ExclusiveRunner exclusive;
    while (FrameState::Instance().exclusiveRequests.Read() == 0) std::this_thread::yield();

    std::atomic<int> fromReport{-5};
    std::atomic<bool> gateOpen{true};
    std::thread report([&] {
        ReportGate gate;  // dropped: the exclusive section holds the global lock
        gateOpen = gate.Open();
        fromReport = CallMonitor<YesNoResult>("SER00001", "ModelA", [](VarnMonitor&) { return 1; });
    });
    report.join();  // must return at once, not wait for the section
    EXPECT_FALSE(gateOpen);
    EXPECT_EQ(fromReport, 0);

    release.Open();
    call.join();
}

TEST_F(Exclusive, WaitsForAReportBeingDelivered) {
    Gate delivering, done;
    std::thread report([&] {
        ReportGate gate;
        ASSERT_TRUE(gate.Open());
        delivering.Open();
        done.Wait();
    });
    ASSERT_TRUE(delivering.Wait());
    ExclusiveRunner exclusive;
    EXPECT_FALSE(exclusive.inside.Wait(kSettle)) << "exclusive section ran past a report";
    done.Open();
    EXPECT_TRUE(exclusive.inside.Wait());
    report.join();
}

TEST_F(Exclusive, ThreadUnsafeModeDoesNotCountCalls) {
    DvCtrlSetThreadUnsafeOption(1);
    Gate entered, release;
    std::thread call([&] {
        CallMonitor<ErrorResult>("SER00001", "ModelA", [&](VarnMonitor&) {
            entered.Open();
            release.Wait();
            return DvOk;
        });
    });
    ASSERT_TRUE(entered.Wait());
    EXPECT_EQ(FrameState::Instance().readers.Read(), 0u);
    {
        ExclusiveSection section;  // does not wait: the host took that duty
    }
    release.Open();
    call.join();
}

TEST_F(Exclusive, ReportLimitFollowsTheMonitorCount) {
    auto& state = FrameState::Instance();
    dvc::test::SeedMonitors({{"A", "M"}});
    { ExclusiveSection section; }
    state.EnterReport();
    state.EnterReport();  // at the limit of one monitor: skipped
    EXPECT_EQ(state.ReportsInFlight(), 1u);
    state.LeaveReport();
    state.LeaveReport();  // at 0: skipped
    EXPECT_EQ(state.ReportsInFlight(), 0u);

    dvc::test::ResetLibrary();
    { ExclusiveSection section; }
    state.EnterReport();  // absent while no monitor is registered
    EXPECT_EQ(state.ReportsInFlight(), 0u);
}
