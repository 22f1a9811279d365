// The per-monitor call frame under real threads.
#include "api/call_frame.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "libdvc/dvc_lifecycle.h"
#include "support/latch.hpp"
#include "support/registry_seam.hpp"

using dvc::api::CallMonitor;
using dvc::api::CountResult;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
using dvc::test::Gate;
using dvc::test::kSettle;

namespace {

class Frame : public ::testing::Test {
protected:
    void SetUp() override { dvc::test::SeedMonitors({{"SER00001", "ModelA"}, {"SER00002", "ModelA"}}); }
    void TearDown() override { dvc::test::ResetLibrary(); }
};

// An operation that reports that it runs, then waits to be let go.
struct Holder {
    Gate entered, release;
    DvError operator()(VarnMonitor&) {
        entered.Open();
        release.Wait();
        return DvOk;
    }
};

DvError Call(const char* serial, Holder& op) { return CallMonitor<ErrorResult>(serial, "ModelA", std::ref(op)); }

}  // namespace

TEST_F(Frame, CallsOnOneMonitorSerialise) {
    Holder first, second;
    std::thread a([&] { EXPECT_EQ(Call("SER00001", first), DvOk); });
    ASSERT_TRUE(first.entered.Wait());
    std::thread b([&] { EXPECT_EQ(Call("SER00001", second), DvOk); });
    EXPECT_FALSE(second.entered.Wait(kSettle)) << "second call ran inside the first";
    first.release.Open();
    EXPECT_TRUE(second.entered.Wait());
    second.release.Open();
    a.join();
    b.join();
}

TEST_F(Frame, CallsOnTwoMonitorsOverlapInDefaultMode) {
    Holder first, second;
    std::thread a([&] { Call("SER00001", first); });
    std::thread b([&] { Call("SER00002", second); });
    // Each waits inside its operation; both must be inside at once.
    EXPECT_TRUE(first.entered.Wait());
    EXPECT_TRUE(second.entered.Wait());
    first.release.Open();
    second.release.Open();
    a.join();
    b.join();
}

TEST_F(Frame, ThreadSafeModeSerialisesEverythingAndHonoursDvCtrlLock) {
    DvCtrlSetThreadUnsafeOption(0);
    Holder first, second;
    std::thread a([&] { Call("SER00001", first); });
    ASSERT_TRUE(first.entered.Wait());
    std::thread b([&] { Call("SER00002", second); });
    EXPECT_FALSE(second.entered.Wait(kSettle)) << "another monitor's call overlapped in thread-safe mode";
    first.release.Open();
    a.join();
    second.release.Open();
    b.join();

    DvCtrlLock();
    Holder third;
    third.release.Open();
    std::thread c([&] { Call("SER00002", third); });
    EXPECT_FALSE(third.entered.Wait(kSettle)) << "a call ran while the host held DvCtrlLock";
    DvCtrlUnlock();
    EXPECT_TRUE(third.entered.Wait());
    c.join();
}

TEST_F(Frame, DvCtrlLockDoesNothingOutsideThreadSafeMode) {
    DvCtrlLock();
    Holder op;
    op.release.Open();
    std::thread t([&] { Call("SER00002", op); });
    EXPECT_TRUE(op.entered.Wait());
    t.join();
    DvCtrlUnlock();
}

TEST_F(Frame, UnknownPairsGiveEachClassItsMissingValue) {
    auto yes = [](VarnMonitor&) { return 1; };
    EXPECT_EQ(CallMonitor<ErrorResult>("SER00009", "ModelA", [](VarnMonitor&) { return DvOk; }), DvErrFailed);
    EXPECT_EQ(CallMonitor<YesNoResult>("SER00001", "ModelB", yes), 0);
    EXPECT_EQ(CallMonitor<CountResult>("SER0000", "ModelA", yes), 0) << "a prefix is another pair";
    EXPECT_EQ(CallMonitor<YesNoResult>(nullptr, "ModelA", yes), 0);
    EXPECT_EQ(CallMonitor<YesNoResult>("SER00001", nullptr, yes), 0);
    EXPECT_EQ(CallMonitor<YesNoResult>("SER00001", "ModelA", yes), 1);

    int kind = 42;
    EXPECT_EQ(DvCtrlGetCommunicationPath("SER00009", "ModelA", &kind), DvErrFailed);
    EXPECT_EQ(kind, -1);
    EXPECT_EQ(DvCtrlGetCommunicationPath("SER00001", "ModelA", nullptr), DvErrFailed);
    EXPECT_EQ(DvCtrlGetCommunicationPath("SER00001", "ModelA", &kind), DvOk);
    EXPECT_EQ(kind, 0);
}

TEST_F(Frame, AnEscapingExceptionFailsTheCallAndReleasesEveryLock) {
    DvCtrlSetThreadUnsafeOption(0);
    auto thrower = [](VarnMonitor&) -> DvError { throw std::runtime_error("inside"); };
    EXPECT_EQ(CallMonitor<ErrorResult>("SER00001", "ModelA", thrower), DvErrFailed);
    EXPECT_EQ(dvc::api::FrameState::Instance().readers.Read(), 0u);
    // Another thread must get both the registry lock and the monitor lock.
    Holder op;
    op.release.Open();
    std::thread t([&] { EXPECT_EQ(Call("SER00001", op), DvOk); });
    EXPECT_TRUE(op.entered.Wait());
    t.join();
}

TEST_F(Frame, ArgumentsPassThroughUnchanged) {
    struct Point {
        double values[18];
    };
    Point p{};
    p.values[17] = 2.5;
    double seen = 0;
    auto op = [&](VarnMonitor& m, double ratio, Point point, int* out) {
        seen = ratio + point.values[17];
        *out = static_cast<int>(m.SerialNumber().size());
        return DvOk;
    };
    int length = 0;
    EXPECT_EQ(CallMonitor<ErrorResult>("SER00002", "ModelA", op, 0.5, p, &length), DvOk);
    EXPECT_DOUBLE_EQ(seen, 3.0);
    EXPECT_EQ(length, 8);
}
