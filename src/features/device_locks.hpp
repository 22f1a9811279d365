// The locks that live outside the library: the HID transport's device lock
// and the monitor-held mutex, through which several processes agree who
// drives a monitor; and the HID handle behind a monitor.
#pragma once

#include <cstdint>

#include "registry/varn_monitor.hpp"

namespace dvc::features {

DvError EnterCriticalSection(VarnMonitor& monitor);
DvError ExitCriticalSection(VarnMonitor& monitor);
// 1 when a path offers the device lock (a positive answer of its
// transport); a failure, the DDC/CI path's "not supported" among them, is 0.
int SupportedCriticalSection(VarnMonitor& monitor);
// The flag that acquiring or releasing the monitor-held mutex delivered, or
// 0 when it failed.
int GetMonitorMutex(VarnMonitor& monitor, int force);
int ReleaseMonitorMutex(VarnMonitor& monitor, int force);
int SupportedMonitorMutex(VarnMonitor& monitor);
DvError GetHIDHandle(VarnMonitor& monitor, uint32_t* handle);

}  // namespace dvc::features
