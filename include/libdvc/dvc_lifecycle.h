/** @file
 * libdvc: the library itself: version, monitor list, locks and modes. */
#ifndef LIBDVC_DVC_LIFECYCLE_H
#define LIBDVC_DVC_LIFECYCLE_H

#include "libdvc/dvc_types.h"

DVC_EXTERN_C_BEGIN

/** 0x01440000: version 1.68.0.0, whatever state the library is in. */
DVC_API uint32_t DvCtrlVersion(void);
/** The buffer size for `count` firmware version strings (count x 6). */
DVC_API int DvCtrlGetOSDDisplayFirmwareVersionsStringSize(int count);

/** Number of monitors in the registry; 0 when busy. */
DVC_API int DvCtrlGetNumMonitors(void);
/** Copies the pair of the monitor at `index` (registry order): 9 bytes of
 * serial number and 17 bytes of model name. */
DVC_API DvError DvCtrlGetSerialProduct(int index, char *serial, char *model);
/** The path kind with which the monitor was first found; -1 when unknown. */
DVC_API DvError DvCtrlGetCommunicationPath(const char *id1, const char *id2, int *kind);

/** Thread-safe mode (0) serialises all calls; nonzero stops counting calls
 * in flight (the host must then never overlap calls with discovery). */
DVC_API void DvCtrlSetThreadUnsafeOption(int option);
/**@{*/
/** Take and leave the registry lock across calls (thread-safe mode only). */
DVC_API void DvCtrlLock(void);
DVC_API void DvCtrlUnlock(void);
/**@}*/
/**@{*/
/** Hold one monitor's own lock across calls of this thread. */
DVC_API DvError DvCtrlLockMonitor(const char *id1, const char *id2);
DVC_API DvError DvCtrlUnlockMonitor(const char *id1, const char *id2);
/**@}*/

DVC_EXTERN_C_END

#endif
