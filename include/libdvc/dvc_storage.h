/** @file
 * libdvc: storage inside the monitor: asset tag, usage time, data items. */
#ifndef LIBDVC_DVC_STORAGE_H
#define LIBDVC_DVC_STORAGE_H

#include "libdvc/dvc_types.h"

/* Feature table exports: written by scripts/gen_feature_headers.py from
 * src/features/storage_table.def; change the table, not these lines. */
DVC_EXTERN_C_BEGIN

/** @brief Reads whether the asset tag is shown (1) or hidden (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetEnableAssetTag(const char *id1, const char *id2, int *value);
/** @brief Nonzero when the monitor keeps an asset tag.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedAssetTag(const char *id1, const char *id2);
/** @brief Nonzero when the monitor keeps a unique device identifier.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedUDI(const char *id1, const char *id2);
/** @brief Nonzero when the monitor counts its usage time.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedUsageTime(const char *id1, const char *id2);
/** @brief Reads the usage time in minutes as the monitor's real-time clock counts it.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetUsageTimeWithRTC(const char *id1, const char *id2, int *value);
/** @brief Nonzero when the monitor counts its usage time with a real-time clock.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedUsageTimeWithRTC(const char *id1, const char *id2);
/** @brief Reads how many minutes the instant backlight booster has been used.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetInstantBacklightBoosterUsageTime(const char *id1, const char *id2, int *value);
/** @brief Reads the IFS calibration window block as the monitor keeps it.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] data receives the data block
 * @param[in,out] size the buffer's size in bytes; receives the block's length
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrSizeMismatch the buffer is smaller than the block; *size holds its length
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetIFSCalibrationWindow(const char *id1, const char *id2, uint8_t *data, int *size);
/** @brief Writes the IFS calibration window block in the monitor's layout.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] data the data block to write
 * @param[in] size the block's length in bytes
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetIFSCalibrationWindow(const char *id1, const char *id2, const uint8_t *data, int size);
/** @brief Nonzero when the monitor has an IFS calibration window.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedIFSCalibrationWindow(const char *id1, const char *id2);
/** @brief Copies stored calibration data: byte 0 names the calibration copied from, byte 1 the one copied to.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] data the data block to write
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlCopyCalibrationData(const char *id1, const char *id2, const uint8_t *data);
/** @brief Nonzero when the monitor copies stored calibration data.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedCalibrationDataCopy(const char *id1, const char *id2);

DVC_EXTERN_C_END
/* End of feature table exports */

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
/** @brief Sets the asset tag text; the tag stays shown or hidden as it was.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param text the text, NUL-terminated, at most 16 characters
 * @retval DvOk done
 * @retval DvErrInvalidParameter `text` is null or longer than 16 characters
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetAssetTag(const char *id1, const char *id2, const char *text);
/** @brief Copies the unique device identifier (at most 64 characters, at most size - 1) into the zero-filled buffer.
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
DVC_API DvError DvCtrlGetUDI(const char *id1, const char *id2, char *buffer, int size);
/** @brief The buffer size for the unique device identifier with its NUL.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the size in bytes; 0 for an empty identifier, when the monitor does not answer, or the call failed */
DVC_API int DvCtrlGetUDISize(const char *id1, const char *id2);
/** @brief Sets the unique device identifier.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param text the identifier, NUL-terminated, at most 64 characters
 * @retval DvOk done
 * @retval DvErrInvalidParameter `text` is null or longer than 64 characters
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetUDI(const char *id1, const char *id2, const char *text);
/** @brief Reads how long the monitor has been in use.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] hours the whole hours
 * @param[out] minutes the minutes past them
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetUsageTime(const char *id1, const char *id2, int *hours, int *minutes);

/** @brief Reads the value of one key of the key/value store kept for host software.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param key the key, NUL-terminated, 1 to 255 bytes
 * @param[out] buffer receives up to `*size` bytes of the value; null asks for the value's length only
 * @param[in,out] size the size of `buffer` on the way in; the number of bytes copied (or, with a null
 *   buffer, the value's length) on the way out; 0 when the key is absent
 * @retval DvOk done, also when the key is absent
 * @retval DvErrInvalidParameter `size` is null, `*size` is negative, or the key is empty, null or too long
 * @retval DvErrBadSignature the store has never been written or is damaged
 * @retval DvErrChecksum the store's checksum does not match its contents
 * @retval DvErrDataTruncated a record of the store runs past its end
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSGetSDKDataForKey(const char *id1, const char *id2, const char *key, uint8_t *buffer,
                                  int *size);
/** @brief Sets or removes one key of the key/value store kept for host software; the other keys are kept. A store that has never been
 * written, or is damaged, is rewritten holding only this key.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param key the key, NUL-terminated, 1 to 255 bytes
 * @param[in] data the value's bytes; null removes the key
 * @param size the value's length, 1 to 65535; 0 or below removes the key
 * @retval DvOk done
 * @retval DvErrInvalidParameter the key is empty, null or too long, or `size` is above 65535
 * @retval DvErrDataTruncated the store is too small for its keys; the monitor's copy is untouched
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSSetSDKDataForKey(const char *id1, const char *id2, const char *key,
                                  const uint8_t *data, int size);
/** @brief Empties the key/value store kept for host software.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSResetSDKData(const char *id1, const char *id2);
/** @brief Whether the monitor keeps the key/value store kept for host software.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when some path of the monitor keeps the store; 0 otherwise or when the call failed */
DVC_API int DvCtrlFSSupportedSDKData(const char *id1, const char *id2);
/** @brief Reads the value of one key of the key/value store kept for the maker's applications.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param key the key, NUL-terminated, 1 to 255 bytes
 * @param[out] buffer receives up to `*size` bytes of the value; null asks for the value's length only
 * @param[in,out] size the size of `buffer` on the way in; the number of bytes copied (or, with a null
 *   buffer, the value's length) on the way out; 0 when the key is absent
 * @retval DvOk done, also when the key is absent
 * @retval DvErrInvalidParameter `size` is null, `*size` is negative, or the key is empty, null or too long
 * @retval DvErrBadSignature the store has never been written or is damaged
 * @retval DvErrChecksum the store's checksum does not match its contents
 * @retval DvErrDataTruncated a record of the store runs past its end
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlPrivateFSGetApplicationDataForKey(const char *id1, const char *id2, const char *key, uint8_t *buffer,
                                  int *size);
/** @brief Sets or removes one key of the key/value store kept for the maker's applications; the other keys are kept. A store that has never been
 * written, or is damaged, is rewritten holding only this key.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param key the key, NUL-terminated, 1 to 255 bytes
 * @param[in] data the value's bytes; null removes the key
 * @param size the value's length, 1 to 65535; 0 or below removes the key
 * @retval DvOk done
 * @retval DvErrInvalidParameter the key is empty, null or too long, or `size` is above 65535
 * @retval DvErrDataTruncated the store is too small for its keys; the monitor's copy is untouched
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlPrivateFSSetApplicationDataForKey(const char *id1, const char *id2, const char *key,
                                  const uint8_t *data, int size);
/** @brief Empties the key/value store kept for the maker's applications.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlPrivateFSResetApplicationData(const char *id1, const char *id2);
/** @brief Whether the monitor keeps the key/value store kept for the maker's applications.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when some path of the monitor keeps the store; 0 otherwise or when the call failed */
DVC_API int DvCtrlPrivateFSSupportedApplicationData(const char *id1, const char *id2);
/** @brief Reads the size and support word of the calibration data item.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] size the item's size in bytes
 * @param[out] support the support word: 0 or below when the monitor does not keep the item
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSGetCalDataSize(const char *id1, const char *id2, int *size, int *support);
/** @brief Reads bytes of the calibration data item from its start, as the monitor keeps them.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param item the record, 0 to 65535
 * @param[out] buffer receives `length` bytes
 * @param length the number of bytes to read, above 0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `buffer` is null, or `length`, `item` or an offset is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSGetCalDataData(const char *id1, const char *id2, int item, uint8_t *buffer, int length);
/** @brief Reads bytes of the calibration data item from a given byte, as the monitor keeps them.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param item the record, 0 to 65535
 * @param[out] buffer receives `length` bytes
 * @param length the number of bytes to read, above 0
 * @param offset the first byte to read, 0 or above
 * @retval DvOk done
 * @retval DvErrInvalidParameter `buffer` is null, or `length`, `item` or an offset is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSGetCalDataDataWithOffset(const char *id1, const char *id2, int item, uint8_t *buffer, int length,
                               int offset);
/** @brief Writes the calibration data item as the record, bytes unchanged.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param item the record, 0 to 65535
 * @param[in] data the `length` bytes to write
 * @param length the number of bytes, above 0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `data` is null, or `length` or `item` is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSSetCalDataData(const char *id1, const char *id2, int item, const uint8_t *data, int length);
/** @brief Reads the size and support word of the EGD data item.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] size the item's size in bytes
 * @param[out] support the support word: 0 or below when the monitor does not keep the item
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSGetEGDSize(const char *id1, const char *id2, int *size, int *support);
/** @brief Reads bytes of the EGD data item from its start, as the monitor keeps them.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param item the record, 0 to 65535
 * @param[out] buffer receives `length` bytes
 * @param length the number of bytes to read, above 0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `buffer` is null, or `length`, `item` or an offset is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSGetEGDData(const char *id1, const char *id2, int item, uint8_t *buffer, int length);
/** @brief Writes the EGD data item as the record, bytes unchanged.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param item the record, 0 to 65535
 * @param[in] data the `length` bytes to write
 * @param length the number of bytes, above 0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `data` is null, or `length` or `item` is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSSetEGDData(const char *id1, const char *id2, int item, const uint8_t *data, int length);
/** @brief Reads bytes of the rear gamma table item, as the monitor keeps them.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param item the record, 0 to 65535
 * @param[out] buffer receives `length` bytes
 * @param length the number of bytes to read, above 0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `buffer` is null, or `length`, `item` or an offset is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSGetRearGamma(const char *id1, const char *id2, int item, uint8_t *buffer, int length);
/** @brief Writes the rear gamma table item as the record, bytes unchanged.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param item the record, 0 to 65535
 * @param[in] data the `length` bytes to write
 * @param length the number of bytes, above 0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `data` is null, or `length` or `item` is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSSetRearGamma(const char *id1, const char *id2, int item, const uint8_t *data, int length);
/** @brief Whether the monitor keeps the rear gamma table item.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when some path of the monitor keeps the item; 0 otherwise or when the call failed */
DVC_API int DvCtrlFSSupportedRearGamma(const char *id1, const char *id2);
/** @brief Reads bytes of the monochrome rear gamma table item, as the monitor keeps them.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param item the record, 0 to 65535
 * @param[out] buffer receives `length` bytes
 * @param length the number of bytes to read, above 0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `buffer` is null, or `length`, `item` or an offset is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSGetRearGammaMono(const char *id1, const char *id2, int item, uint8_t *buffer, int length);
/** @brief Writes the monochrome rear gamma table item as the record, bytes unchanged.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param item the record, 0 to 65535
 * @param[in] data the `length` bytes to write
 * @param length the number of bytes, above 0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `data` is null, or `length` or `item` is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSSetRearGammaMono(const char *id1, const char *id2, int item, const uint8_t *data, int length);
/** @brief Whether the monitor keeps the monochrome rear gamma table item.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when some path of the monitor keeps the item; 0 otherwise or when the call failed */
DVC_API int DvCtrlFSSupportedRearGammaMono(const char *id1, const char *id2);
/** @brief Reads bytes of the usage time per brightness item, as the monitor keeps them.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param item the record, 0 to 65535
 * @param[out] buffer receives `length` bytes
 * @param length the number of bytes to read, above 0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `buffer` is null, or `length`, `item` or an offset is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlFSGetUsageTimeEachBrightness(const char *id1, const char *id2, int item, uint8_t *buffer, int length);
/** @brief Whether the monitor keeps the usage time per brightness item.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when some path of the monitor keeps the item; 0 otherwise or when the call failed */
DVC_API int DvCtrlFSSupportedUsageTimeEachBrightness(const char *id1, const char *id2);

DVC_EXTERN_C_END
/* End of operations with an encoding of their own */

#endif
