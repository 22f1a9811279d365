/** @file
 * libdvc: information, save and reset. */
#ifndef LIBDVC_DVC_INFO_H
#define LIBDVC_DVC_INFO_H

#include "libdvc/dvc_types.h"

/* Feature table exports: written by scripts/gen_feature_headers.py from
 * src/features/info_table.def; change the table, not these lines. */
DVC_EXTERN_C_BEGIN

/** @brief Reads the screen size setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetScreenSize(const char *id1, const char *id2, int *value);
/** @brief Sets the screen size setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetScreenSize(const char *id1, const char *id2, int value);
/** @brief Nonzero when the screen size can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedScreenSize(const char *id1, const char *id2);
/** @brief Saves the current settings into the monitor's memory `value`.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSaveAtIndex(const char *id1, const char *id2, int value);
/** @brief Resets the monitor's memory `value` to its factory settings.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlResetAtIndex(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor reports its firmware version.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedFirmwareVersion(const char *id1, const char *id2);

DVC_EXTERN_C_END
/* End of feature table exports */

/* Operations with an encoding of their own */
DVC_EXTERN_C_BEGIN

/** @brief Resets settings.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param kind 1: all settings; 3: the colour-adjustment state; 0, 2 and 6 upwards: as the monitor defines them
 * @retval DvOk done
 * @retval DvErrInvalidParameter `kind` is negative
 * @retval DvErrNotSupported `kind` is 4 or 5, or no path of the monitor has the feature
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlReset(const char *id1, const char *id2, int kind);
/** @brief Resets one setting group, named by the monitor's reset value.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the reset value, written to the monitor as it is
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlEachReset(const char *id1, const char *id2, int value);
/** @brief Saves the current settings.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param kind 0, 1 or 2: selects what is saved
 * @param value where it is saved (16 bits)
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed `kind` is not 0, 1 or 2, the monitor is not known, the library is busy, or the transport
 *         failed */
DVC_API DvError DvCtrlCurrentSave(const char *id1, const char *id2, int kind, int value);
/** @brief Stores the current settings in the monitor.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSave(const char *id1, const char *id2);
/** @brief Copies the firmware version text with its NUL.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] buffer receives the text
 * @param capacity the size of `buffer` in bytes
 * @retval DvOk done
 * @retval DvErrInvalidParameter `buffer` is null or `capacity` is 0 or below
 * @retval DvErrSizeMismatch the text does not fit
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetFirmwareVersion(const char *id1, const char *id2, char *buffer, int capacity);

DVC_EXTERN_C_END
/* End of operations with an encoding of their own */

#endif
