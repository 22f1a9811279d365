/** @file
 * libdvc: finding monitors, adding and removing single monitors, and the
 * locks that several processes share over a monitor. */
#ifndef LIBDVC_DVC_DISCOVERY_H
#define LIBDVC_DVC_DISCOVERY_H

#include "libdvc/dvc_types.h"

DVC_EXTERN_C_BEGIN

/** @brief Discovers the monitors anew over the listed path kinds, replacing the monitor list.
 * @param kinds the path kinds to search (DvPathHID, DvPathDDCCIType0, DvPathDDCCIType1); null: HID and DDC/CI
 * @param count number of entries in `kinds`; 0: HID and DDC/CI
 * @return the number of monitors found; 0 when called from a report callback */
DVC_API int DvCtrlFind(const int *kinds, int count);
/** @brief DvCtrlFind with the path kinds that a settings file lists.
 * @param path the settings file; null: "libdvc_setting" beside the program. A file that cannot be read
 *        gives the default kinds (HID and DDC/CI)
 * @return the number of monitors found; 0 when called from a report callback */
DVC_API int DvCtrlFindWithFile(const char *path);
/** @brief Discards every monitor and path, after calls running on a monitor have finished.
 * @retval DvOk done
 * @retval DvErrFailed called from a report callback (nothing is released) */
DVC_API DvError DvCtrlRelease(void);
/** @brief Adds the monitor behind a HID handle and reads its model description.
 * @param handle the HID transport's device handle
 * @param[out] serial receives the monitor's serial number (9 bytes); may be null
 * @param[out] model receives the monitor's model name (17 bytes); may be null
 * @retval DvOk done
 * @retval DvErrInvalidParameter `handle` is 0
 * @retval DvErrDeviceNotUsable no communication path could be made from the handle
 * @retval DvErrFailed called from a report callback, or the monitor could not be registered
 * @return otherwise the error of reading the model description (the pair is copied out all the same) */
DVC_API DvError DvCtrlAddMonitorInstance(uint32_t handle, char *serial, char *model);
/** @brief Removes the monitor reached over HID by this pair; its teardown callback runs first.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrInvalidParameter `id1` or `id2` is null
 * @retval DvErrFailed no HID monitor has this pair, or called from a report callback
 * @return otherwise the HID transport's error */
DVC_API DvError DvCtrlRemoveMonitorInstance(const char *id1, const char *id2);

/** @brief Enters the HID transport's device lock of the monitor.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotImplemented no path of the monitor carries the lock
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlEnterCriticalSection(const char *id1, const char *id2);
/** @brief Leaves the HID transport's device lock of the monitor.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotImplemented no path of the monitor carries the lock
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlExitCriticalSection(const char *id1, const char *id2);
/** @brief Nonzero when some path of the monitor offers the device lock.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when a path offers it; 0 when none does, or the call failed */
DVC_API int DvCtrlSupportedCriticalSection(const char *id1, const char *id2);

/** @brief Takes the monitor-held mutex for this process.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param force nonzero: take it from whoever holds it
 * @return 1 when taken; 0 when not, or the call failed */
DVC_API int DvCtrlGetMonitorMutex(const char *id1, const char *id2, int force);
/** @brief Gives the monitor-held mutex back.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param force nonzero: release it whoever holds it
 * @return 1 when released; 0 when not, or the call failed */
DVC_API int DvCtrlReleaseMonitorMutex(const char *id1, const char *id2, int force);
/** @brief Nonzero when a path of the monitor offers the monitor-held mutex.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the first answering path's flag; 0 when no path answers, or the call failed */
DVC_API int DvCtrlSupportedMonitorMutex(const char *id1, const char *id2);
/** @brief The HID transport's handle of the monitor's HID path.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] handle receives the handle
 * @retval DvOk done
 * @retval DvErrNotImplemented the monitor has no HID path
 * @retval DvErrFailed the monitor is not known, the library is busy, `handle` is null, or the transport failed */
DVC_API DvError DvCtrlGetHIDHandle(const char *id1, const char *id2, uint32_t *handle);

DVC_EXTERN_C_END

#endif
