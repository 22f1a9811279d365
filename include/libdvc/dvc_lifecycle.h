/** @file
 * libdvc: the library itself: version, monitor list, locks and modes. */
#ifndef LIBDVC_DVC_LIFECYCLE_H
#define LIBDVC_DVC_LIFECYCLE_H

#include "libdvc/dvc_types.h"

DVC_EXTERN_C_BEGIN

/** @brief The library's version, whatever state the library is in.
 * @return 0x01440000: version 1.68.0.0 */
DVC_API uint32_t DvCtrlVersion(void);
/** @brief The buffer size for `count` firmware version strings.
 * @param count number of version strings
 * @return count x 6 bytes */
DVC_API int DvCtrlGetOSDDisplayFirmwareVersionsStringSize(int count);

/** @brief Number of monitors in the registry.
 * @return the number of monitors; 0 when the library is busy */
DVC_API int DvCtrlGetNumMonitors(void);
/** @brief Copies the pair of the monitor at `index` (registry order).
 * @param index the monitor's position, 0 to DvCtrlGetNumMonitors() - 1
 * @param[out] serial receives the serial number (9 bytes, zero-filled)
 * @param[out] model receives the model name (17 bytes, zero-filled)
 * @retval DvOk done
 * @retval DvErrFailed a buffer is null, `index` is out of range, or the library is busy */
DVC_API DvError DvCtrlGetSerialProduct(int index, char *serial, char *model);
/** @brief The path kind with which the monitor was first found.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] kind receives DvPathHID, DvPathDDCCIType0 or DvPathDDCCIType1; -1 when the call fails
 * @retval DvOk done
 * @retval DvErrFailed `kind` is null, the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlGetCommunicationPath(const char *id1, const char *id2, int *kind);

/** @brief Chooses the threading mode. Thread-safe mode (0) serialises all calls; nonzero stops counting calls
 * in flight (the host must then never overlap calls with discovery).
 * @param option 0: thread-safe mode; nonzero: thread-unsafe mode */
DVC_API void DvCtrlSetThreadUnsafeOption(int option);
/**@{*/
/** @brief Take and leave the registry lock across calls (thread-safe mode only; no effect otherwise).
 * They take no parameters and return nothing. */
DVC_API void DvCtrlLock(void);
DVC_API void DvCtrlUnlock(void);
/**@}*/
/**@{*/
/** @brief Hold one monitor's own lock across calls of this thread (DvCtrlLockMonitor takes it,
 * DvCtrlUnlockMonitor leaves it).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrFailed the monitor is not known, or (DvCtrlLockMonitor) the library is busy */
DVC_API DvError DvCtrlLockMonitor(const char *id1, const char *id2);
DVC_API DvError DvCtrlUnlockMonitor(const char *id1, const char *id2);
/**@}*/

DVC_EXTERN_C_END

#endif
