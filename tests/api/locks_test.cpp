// Locks that a host holds across calls.
#include <gtest/gtest.h>

#include <thread>

#include "api/call_frame.hpp"
#include "api/exclusive.hpp"
#include "libdvc/dvc_lifecycle.h"
#include "support/latch.hpp"
#include "support/registry_seam.hpp"

using namespace dvc::api;
using dvc::test::Gate;
using dvc::test::kSettle;

namespace {

class HostLocks : public ::testing::Test {
protected:
    void SetUp() override { dvc::test::SeedMonitors({{"SER00001", "ModelA"}, {"SER00002", "ModelA"}}); }
    void TearDown() override { dvc::test::ResetLibrary(); }
    uint32_t Readers() { return FrameState::Instance().readers.Read(); }
};

DvError Noop(VarnMonitor&) { return DvOk; }

}  // namespace

TEST_F(HostLocks, LockMonitorKeepsOtherThreadsOutAndLetsTheOwnerIn) {
    ASSERT_EQ(DvCtrlLockMonitor("SER00001", "ModelA"), DvOk);
    EXPECT_EQ(Readers(), 1u) << "the lock keeps its reader share";
    EXPECT_EQ(CallMonitor<ErrorResult>("SER00001", "ModelA", Noop), DvOk) << "owner re-enters";

    Gate ran;
    std::thread other([&] {
        CallMonitor<ErrorResult>("SER00001", "ModelA", [&](VarnMonitor&) {
            ran.Open();
            return DvOk;
        });
    });
    EXPECT_FALSE(ran.Wait(kSettle));
    EXPECT_EQ(DvCtrlUnlockMonitor("SER00001", "ModelA"), DvOk);
    EXPECT_TRUE(ran.Wait());
    other.join();
    EXPECT_EQ(Readers(), 0u);
}

TEST_F(HostLocks, AFailedLockLeavesNoShareBehind) {
    EXPECT_EQ(DvCtrlLockMonitor("SER00009", "ModelA"), DvErrFailed);
    EXPECT_EQ(DvCtrlLockMonitor(nullptr, "ModelA"), DvErrFailed);
    EXPECT_EQ(Readers(), 0u);
    { ExclusiveSection section; }  // would spin for ever on a leaked share
    // A stray unlock after the failed lock takes nothing from other calls.
    EXPECT_EQ(DvCtrlUnlockMonitor("SER00009", "ModelA"), DvErrFailed);
    EXPECT_EQ(Readers(), 0u);
}

TEST_F(HostLocks, UnlockWithAnUnknownPairStillGivesItsShareBack) {
    ASSERT_EQ(DvCtrlLockMonitor("SER00002", "ModelA"), DvOk);
    EXPECT_EQ(DvCtrlUnlockMonitor("SER00009", "ModelA"), DvErrFailed);
    EXPECT_EQ(Readers(), 0u);
    // The monitor lock itself is still held until its own unlock.
    bool otherGotIt = true;
    std::thread([&] {
        auto* m = dvc::registry::Registry::Instance().Find("SER00002", "ModelA");
        otherGotIt = m->MonitorLock().TryEnter();
        if (otherGotIt) m->MonitorLock().Leave();
    }).join();
    EXPECT_FALSE(otherGotIt);
    EXPECT_EQ(DvCtrlUnlockMonitor("SER00002", "ModelA"), DvOk);
}

TEST_F(HostLocks, UnlockOnAnotherThreadNeitherFreesTheLockNorCorruptsCounts) {
    ASSERT_EQ(DvCtrlLockMonitor("SER00001", "ModelA"), DvOk);
    std::thread([&] { EXPECT_EQ(DvCtrlUnlockMonitor("SER00001", "ModelA"), DvOk); }).join();
    EXPECT_EQ(Readers(), 1u);
    EXPECT_EQ(DvCtrlUnlockMonitor("SER00001", "ModelA"), DvOk);
    EXPECT_EQ(Readers(), 0u);
}
