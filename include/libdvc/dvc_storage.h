/** @file
 * libdvc: storage inside the monitor: asset tag, usage time, data items. */
#ifndef LIBDVC_DVC_STORAGE_H
#define LIBDVC_DVC_STORAGE_H

#include "libdvc/dvc_types.h"

/* Operations with an encoding of their own */
DVC_EXTERN_C_BEGIN

/** @brief Copies the asset tag text (at most 16 characters, at most size - 1) into the zero-filled buffer.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] buffer receives the text with its NUL
 * @param size the size of `buffer` in bytes
 * @retval DvOk done
 * @retval DvErrSizeMismatch `size` is 0 or below
 * @retval DvErrInvalidParameter `buffer` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetAssetTag(const char *id1, const char *id2, char *buffer, int size);
/** @brief The buffer size for the asset tag text with its NUL.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the size in bytes; 0 for an empty tag, when the monitor does not answer, or the call failed */
DVC_API int DvCtrlGetAssetTagSize(const char *id1, const char *id2);
/** @brief Shows or hides the asset tag.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value 1 shows the tag; any other value hides it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetEnableAssetTag(const char *id1, const char *id2, int value);

DVC_EXTERN_C_END
/* End of operations with an encoding of their own */

#endif
