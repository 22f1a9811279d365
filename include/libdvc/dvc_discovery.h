/** @file
 * libdvc: finding monitors, adding and removing single monitors, and the
 * locks that several processes share over a monitor. */
#ifndef LIBDVC_DVC_DISCOVERY_H
#define LIBDVC_DVC_DISCOVERY_H

#include "libdvc/dvc_types.h"

DVC_EXTERN_C_BEGIN

/** Discovers anew over the listed path kinds (null or 0: HID, DDC/CI); the number of monitors. */
DVC_API int DvCtrlFind(const int *kinds, int count);
/** DvCtrlFind with the kinds of a settings file (null: "libdvc_setting" beside the program). */
DVC_API int DvCtrlFindWithFile(const char *path);
/** Discards every monitor and path; always 0. */
DVC_API DvError DvCtrlRelease(void);
/** Adds the monitor behind a HID handle; copies its pair out (9 and 17 bytes, may be null). */
DVC_API DvError DvCtrlAddMonitorInstance(uint32_t handle, char *serial, char *model);
/** Removes the monitor reached over HID by this pair; DvErrFailed when there is none. */
DVC_API DvError DvCtrlRemoveMonitorInstance(const char *id1, const char *id2);

/** Enters the HID transport's device lock of the monitor. */
DVC_API DvError DvCtrlEnterCriticalSection(const char *id1, const char *id2);
/** Leaves the HID transport's device lock of the monitor. */
DVC_API DvError DvCtrlExitCriticalSection(const char *id1, const char *id2);
/** Nonzero when some path of the monitor offers the device lock. */
DVC_API int DvCtrlSupportedCriticalSection(const char *id1, const char *id2);

/** Takes the monitor-held mutex for this process (force: from anyone); 1 when taken. */
DVC_API int DvCtrlGetMonitorMutex(const char *id1, const char *id2, int force);
/** Gives the monitor-held mutex back (force: whoever holds it); 1 when released. */
DVC_API int DvCtrlReleaseMonitorMutex(const char *id1, const char *id2, int force);
/** Nonzero when a path of the monitor offers the monitor-held mutex. */
DVC_API int DvCtrlSupportedMonitorMutex(const char *id1, const char *id2);
/** The HID transport's handle of the monitor's HID path. */
DVC_API DvError DvCtrlGetHIDHandle(const char *id1, const char *id2, uint32_t *handle);

DVC_EXTERN_C_END

#endif
