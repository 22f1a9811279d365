// Adding and removing single monitors, and the exports that reach the
// device lock, the monitor mutex and the HID handle through the paths.
#include <unistd.h>

#include <cstring>

#include "hidlink/hidlink.h"
#include "platform/process.hpp"
#include "registry/discovery_world.hpp"

using dvc::test::DiscoveryWorld;
namespace t = dvc::test;

class MonitorInstances : public DiscoveryWorld {
protected:
    void SetUp() override {
        Activate();
        const int ddcciOnly[] = {1};
        ASSERT_EQ(DvCtrlFind(ddcciOnly, 1), 4);
        // A host learns its handles from the HID transport itself.
        ASSERT_GT(DvHIDFind(), 0);
    }
};

TEST_F(MonitorInstances, HandleOfAKnownMonitorAddsAPathAtTheEnd) {
    char serial[9];
    char model[17];
    std::memset(serial, 'x', sizeof serial);
    std::memset(model, 'x', sizeof model);
    ASSERT_EQ(DvCtrlAddMonitorInstance(HandleOf(t::kDual), serial, model), DvOk);
    EXPECT_STREQ(serial, t::kDual);
    EXPECT_STREQ(model, "CX2740");
    EXPECT_EQ(model[16], '\0');
    EXPECT_EQ(DvCtrlGetNumMonitors(), 4);
    EXPECT_EQ(PathKinds(t::kDual, "CX2740"), (std::vector<int>{1, 0}));
    EXPECT_EQ(FirstKind(t::kDual, "CX2740"), 1);
    uint32_t handle = 0;
    EXPECT_EQ(DvCtrlGetHIDHandle(t::kDual, "CX2740", &handle), DvOk);
    EXPECT_EQ(handle, HandleOf(t::kDual));
}

TEST_F(MonitorInstances, HandleOfANewMonitorRegistersAndIdentifiesIt) {
    ASSERT_EQ(DvCtrlAddMonitorInstance(HandleOf(t::kMedical), nullptr, nullptr), DvOk);
    EXPECT_EQ(DvCtrlGetNumMonitors(), 5);
    EXPECT_EQ(FirstKind(t::kMedical, "MX2420"), 0);
    const VarnMonitor* monitor = dvc::registry::Registry::Instance().Find(t::kMedical, "MX2420");
    ASSERT_NE(monitor, nullptr);
    EXPECT_NE(monitor->Record(), nullptr);
    EXPECT_NE(monitor->Flavors(), nullptr);
}

TEST_F(MonitorInstances, UnusableHandlesChangeNothing) {
    char serial[9] = "unset..";
    EXPECT_EQ(DvCtrlAddMonitorInstance(0, serial, nullptr), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlAddMonitorInstance(0x7FFF0000u, serial, nullptr), DvErrDeviceNotUsable);
    EXPECT_STREQ(serial, "unset..");
    ASSERT_EQ(DvCtrlAddMonitorInstance(HandleOf(t::kDual), nullptr, nullptr), DvOk);
    EXPECT_EQ(DvCtrlAddMonitorInstance(HandleOf(t::kDual), serial, nullptr), DvErrDeviceNotUsable);
    EXPECT_EQ(DvCtrlGetNumMonitors(), 4);
    EXPECT_EQ(PathKinds(t::kDual, "CX2740"), (std::vector<int>{1, 0}));
}

TEST_F(MonitorInstances, RemoveTakesOnlyMonitorsReachedOverHid) {
    EXPECT_EQ(DvCtrlRemoveMonitorInstance(nullptr, "CX2740"), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlRemoveMonitorInstance(t::kOffice1, "OF2210"), DvErrFailed);
    EXPECT_EQ(DvCtrlGetNumMonitors(), 4);

    ASSERT_EQ(DvCtrlAddMonitorInstance(HandleOf(t::kDual), nullptr, nullptr), DvOk);
    EXPECT_EQ(DvCtrlRemoveMonitorInstance(t::kDual, "CX27"), DvErrFailed);
    EXPECT_EQ(DvCtrlRemoveMonitorInstance(t::kDual, "CX2740"), DvOk);
    EXPECT_EQ(DvCtrlGetNumMonitors(), 3);
    int kind = 0;
    EXPECT_EQ(DvCtrlGetCommunicationPath(t::kDual, "CX2740", &kind), DvErrFailed);
    EXPECT_EQ(DvCtrlRemoveMonitorInstance(t::kDual, "CX2740"), DvErrFailed);

    // The monitor comes back with the next discovery, from nothing.
    EXPECT_EQ(DvCtrlFind(nullptr, 0), 5);
    EXPECT_EQ(PathKinds(t::kDual, "CX2740"), (std::vector<int>{0, 1}));
}

using DeviceLocks = DiscoveryWorld;

TEST_F(DeviceLocks, CriticalSectionGoesToTheHidPath) {
    Activate();
    ASSERT_EQ(DvCtrlFind(nullptr, 0), 5);
    EXPECT_EQ(DvCtrlSupportedCriticalSection(t::kDual, "CX2740"), 1);
    EXPECT_EQ(DvCtrlEnterCriticalSection(t::kDual, "CX2740"), DvOk);
    EXPECT_EQ(DvCtrlExitCriticalSection(t::kDual, "CX2740"), DvOk);
    // A monitor on DDC/CI alone offers no device lock.
    EXPECT_EQ(DvCtrlSupportedCriticalSection(t::kOffice1, "OF2210"), 0);
    EXPECT_EQ(DvCtrlEnterCriticalSection(t::kOffice1, "OF2210"), DvErrNotSupported);
    EXPECT_EQ(DvCtrlEnterCriticalSection("nobody..", "CX2740"), DvErrFailed);
    EXPECT_EQ(DvCtrlSupportedCriticalSection(nullptr, "CX2740"), 0);
}

TEST_F(DeviceLocks, MonitorMutexGoesPastTheHidPathToDdcci) {
    Activate();
    ASSERT_EQ(DvCtrlFind(nullptr, 0), 5);
    EXPECT_EQ(DvCtrlSupportedMonitorMutex(t::kDual, "CX2740"), 1);
    EXPECT_EQ(DvCtrlGetMonitorMutex(t::kDual, "CX2740", 0), 1);
    EXPECT_EQ(dvc::sim::GetStateValue(t::kDual, 0xB8), dvc::platform::CurrentProcessId());
    EXPECT_EQ(DvCtrlReleaseMonitorMutex(t::kDual, "CX2740", 0), 1);
    EXPECT_EQ(dvc::sim::GetStateValue(t::kDual, 0xB8), 0u);
    // Reached over HID only: no path carries the mutex.
    EXPECT_EQ(DvCtrlSupportedMonitorMutex(t::kMedical, "MX2420"), 0);
    EXPECT_EQ(DvCtrlGetMonitorMutex(t::kMedical, "MX2420", 1), 0);
}

TEST_F(DeviceLocks, MutexOfALiveOtherProcessIsNotTaken) {
    Activate();
    ASSERT_EQ(DvCtrlFind(nullptr, 0), 5);
    const auto parent = static_cast<uint32_t>(::getppid());
    dvc::sim::SetStateValue(t::kOffice1, 0xB8, parent);
    EXPECT_EQ(DvCtrlGetMonitorMutex(t::kOffice1, "OF2210", 0), 0);
    EXPECT_EQ(DvCtrlReleaseMonitorMutex(t::kOffice1, "OF2210", 0), 0);
    EXPECT_EQ(dvc::sim::GetStateValue(t::kOffice1, 0xB8), parent);
    EXPECT_EQ(DvCtrlGetMonitorMutex(t::kOffice1, "OF2210", 1), 1);
}

TEST_F(DeviceLocks, HidHandleComesFromTheHidPathOnly) {
    Activate();
    ASSERT_EQ(DvCtrlFind(nullptr, 0), 5);
    uint32_t handle = 0;
    EXPECT_EQ(DvCtrlGetHIDHandle(t::kGrading, "CG3180", &handle), DvOk);
    EXPECT_EQ(handle, HandleOf(t::kGrading));
    EXPECT_EQ(DvCtrlGetHIDHandle(t::kOffice1, "OF2210", &handle), DvErrNotImplemented);
    EXPECT_EQ(DvCtrlGetHIDHandle(t::kGrading, "CG3180", nullptr), DvErrNotImplemented);
}
