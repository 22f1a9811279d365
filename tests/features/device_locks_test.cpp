// The locks that live outside the library, and the HID handle, through their
// exports: the HID transport's device lock and the monitor-held mutex.
#include <unistd.h>

#include "features/handwritten.hpp"
#include "libdvc/libdvc.h"
#include "paths/feature_codes.hpp"

namespace dvc::test {
namespace {

class DeviceLocks : public SimWorld {};

TEST_F(DeviceLocks, MonitorMutexIsTakenAndGivenBackByProcessId) {
    Discover();
    const char* s = kOffice.serial;
    const char* m = kOffice.model;
    const auto pid = static_cast<uint32_t>(getpid());
    EXPECT_EQ(DvCtrlSupportedMonitorMutex(s, m), 1);
    EXPECT_EQ(DvCtrlGetMonitorMutex(s, m, 0), 1);
    EXPECT_EQ(Stored(kOffice, codes::kMonitorMutex), pid);
    EXPECT_EQ(DvCtrlGetMonitorMutex(s, m, 0), 1) << "the owner takes it again";
    EXPECT_EQ(DvCtrlReleaseMonitorMutex(s, m, 0), 1);
    EXPECT_EQ(Stored(kOffice, codes::kMonitorMutex), 0u);
    // Held by a process that still runs (pid 1): only force takes it.
    ASSERT_TRUE(dvc::sim::SetStateValue(s, codes::kMonitorMutex, 1));
    EXPECT_EQ(DvCtrlGetMonitorMutex(s, m, 0), 0);
    EXPECT_EQ(DvCtrlReleaseMonitorMutex(s, m, 0), 0);
    EXPECT_EQ(DvCtrlGetMonitorMutex(s, m, 1), 1);
    EXPECT_EQ(Stored(kOffice, codes::kMonitorMutex), pid);
}

TEST_F(DeviceLocks, DeviceLockAndHandleAreTheHidPaths) {
    Discover();
    EXPECT_EQ(DvCtrlSupportedCriticalSection(kDual.serial, kDual.model), 1);
    EXPECT_EQ(DvCtrlEnterCriticalSection(kDual.serial, kDual.model), DvOk);
    EXPECT_EQ(DvCtrlExitCriticalSection(kDual.serial, kDual.model), DvOk);
    EXPECT_EQ(DvCtrlSupportedCriticalSection(kOffice.serial, kOffice.model), 0) << "DDC/CI has no device lock";
    uint32_t handle = 0;
    ASSERT_EQ(DvCtrlGetHIDHandle(kDual.serial, kDual.model, &handle), DvOk);
    for (const auto& info : dvc::sim::Monitors()) {
        if (info.serial == kDual.serial) {
            EXPECT_EQ(handle, info.hid_handle);
        }
    }
    EXPECT_EQ(DvCtrlGetHIDHandle(kOffice.serial, kOffice.model, &handle), DvErrNotImplemented);
}

}  // namespace
}  // namespace dvc::test
