/** @file
 * libdvc: keys, on-screen display, markers and patterns. */
#ifndef LIBDVC_DVC_KEYS_OSD_H
#define LIBDVC_DVC_KEYS_OSD_H

#include "libdvc/dvc_types.h"

/* Feature table exports: written by scripts/gen_feature_headers.py from
 * src/features/keys_osd_table.def; change the table, not these lines. */
DVC_EXTERN_C_BEGIN

/** @brief Reads whether all front keys are locked (1) or not (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetAllKeyLock(const char *id1, const char *id2, int *value);
/** @brief Locks (nonzero) or unlocks (0) all front keys.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetAllKeyLock(const char *id1, const char *id2, int value);
/** @brief Nonzero when all front keys can be locked at once.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedAllKeyLock(const char *id1, const char *id2);
/** @brief Reads the key lock setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetKeyLockState(const char *id1, const char *id2, int *value);
/** @brief Sets the key lock setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetKeyLockState(const char *id1, const char *id2, int value);
/** @brief Nonzero when the key lock setting can be read and set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedKeyLockSetting(const char *id1, const char *id2);
/** @brief Sets the time after which the front keys lock themselves.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetTimeoutKeyLock(const char *id1, const char *id2, int value);
/** @brief Presses the virtual front key with this key code.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetVirtualKey(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor takes virtual key presses.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedVirtualKey(const char *id1, const char *id2);
/** @brief The number of front keys whose shortcut can be set; 0 when unknown.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the count; 0 when it is unknown or the call failed
 */
DVC_API int DvCtrlGetFrontKeyCount(const char *id1, const char *id2);
/** @brief Reads the function assigned to front key `index`.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] index the item's index, from 0
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetFrontKeyShortcut(const char *id1, const char *id2, int index, int *value);
/** @brief Assigns a function (0 to 255) to front key `index`.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] index the item's index, from 0
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetFrontKeyShortcut(const char *id1, const char *id2, int index, int value);
/** @brief Nonzero when front key shortcuts can be assigned.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedFrontKeyShortcut(const char *id1, const char *id2);
/** @brief Nonzero when a function can be assigned to a front key.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedFrontKeyShortcutFunction(const char *id1, const char *id2);
/** @brief Nonzero when the monitor counts front key presses.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedKeyPushCount(const char *id1, const char *id2);
/** @brief Reads the 6 bytes of the custom key lock: bit k set when key id k is locked.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] data receives the data block
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetDsCustomKeyLock(const char *id1, const char *id2, uint8_t *data);
/** @brief Writes the 6 bytes of the custom key lock: bit k set locks key id k.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] data the data block to write
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetDsCustomKeyLock(const char *id1, const char *id2, const uint8_t *data);
/** @brief Reads the audio mute setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetAudioMuteSetting(const char *id1, const char *id2, int *value);
/** @brief Sets the audio mute setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetAudioMuteSetting(const char *id1, const char *id2, int value);
/** @brief Nonzero when audio can be muted.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedAudioMuteSetting(const char *id1, const char *id2);
/** @brief Reads the audio volume.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetAudioVolume(const char *id1, const char *id2, int *value);
/** @brief Sets the audio volume.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetAudioVolume(const char *id1, const char *id2, int value);
/** @brief Reads the range (maximum, minimum) of the audio volume; null pointers give DvErrInvalidParameter.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported the monitor lacks the feature
 * @retval DvErrFailed any other failure
 */
DVC_API DvError DvCtrlGetRangeAudioVolume(const char *id1, const char *id2, int *maximum, int *minimum);
/** @brief Nonzero when the audio volume can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedAudioVolume(const char *id1, const char *id2);
/** @brief Reads the DDC/CI setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetDDCCISetting(const char *id1, const char *id2, int *value);
/** @brief Sets the DDC/CI setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetDDCCISetting(const char *id1, const char *id2, int value);
/** @brief Nonzero when the DDC/CI setting can be read and set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedDDCCISetting(const char *id1, const char *id2);
/** @brief Reads the kind of DDC/CI setting the monitor offers (the setting's largest value).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetDDCCISettingKind(const char *id1, const char *id2, int *value);
/** @brief Reads whether the maker's logo is shown at power-on.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetEnableVarnLogo(const char *id1, const char *id2, int *value);
/** @brief Shows (1) or hides (any other value) the maker's logo at power-on.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetEnableVarnLogo(const char *id1, const char *id2, int value);
/** @brief Nonzero when the power-on logo can be switched.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedEnableVarnLogo(const char *id1, const char *id2);
/** @brief Reads the monitor's orientation as its direction sensor reports it.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetMonitorDirection(const char *id1, const char *id2, int *value);
/** @brief Nonzero when the monitor has a direction sensor.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedMonitorDirection(const char *id1, const char *id2);
/** @brief Reads the language of the on-screen display.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetOSDLanguage(const char *id1, const char *id2, int *value);
/** @brief Sets the language of the on-screen display.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetOSDLanguage(const char *id1, const char *id2, int value);
/** @brief Nonzero when the on-screen display language can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedOSDLanguage(const char *id1, const char *id2);
/** @brief Reads the quick check setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetQuickCheck(const char *id1, const char *id2, int *value);
/** @brief Sets the quick check setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetQuickCheck(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has the quick check.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedQuickCheck(const char *id1, const char *id2);
/** @brief Nonzero when the monitor has the pixel error analyzer.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedPixelErrorAnalyzer(const char *id1, const char *id2);
/** @brief Reads the safe area marker's 3 setting bytes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] data receives the data block
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSafeAreaMarker(const char *id1, const char *id2, uint8_t *data);
/** @brief Writes the safe area marker's 3 setting bytes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] data the data block to write
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSafeAreaMarker(const char *id1, const char *id2, const uint8_t *data);
/** @brief Nonzero when the monitor has the safe area marker.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSafeAreaMarker(const char *id1, const char *id2);
/** @brief Shows the information screen of the on-screen display.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlShowInformationOSD(const char *id1, const char *id2);
/** @brief Hides the information screen of the on-screen display.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlHideInformationOSD(const char *id1, const char *id2);
/** @brief Nonzero when the information screen can be shown and hidden.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedInformationOSD(const char *id1, const char *id2);
/** @brief Nonzero when the monitor can show colour patches.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedColorPatch(const char *id1, const char *id2);
/** @brief Nonzero when the monitor can show fixed colour patches.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedColorPatchFixed(const char *id1, const char *id2);
/** @brief Nonzero when the monitor can generate colour patches.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedColorPatchGeneration(const char *id1, const char *id2);

DVC_EXTERN_C_END
/* End of feature table exports */

/* Operations with an encoding of their own */
DVC_EXTERN_C_BEGIN

/* The pixel error analyzer's record. */
typedef struct DvPixelErrorAnalyzerInfo {
    int32_t running; /* 1 while the analyzer holds the target selection */
    int32_t state;   /* the analyzer's state byte */
    int32_t errors;  /* pixel errors found */
} DvPixelErrorAnalyzerInfo;

/** @brief Shows the centre cross marker (the call takes 200 ms).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlShowCenterCrossMarker(const char *id1, const char *id2);
/** @brief Hides the centre cross marker and checks that it went (three tries).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlHideCenterCrossMarker(const char *id1, const char *id2);
/** @brief How often a front key has been pressed.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param key the key number, 0 to 255
 * @param[out] count receives the number of presses
 * @retval DvOk done
 * @retval DvErrInvalidParameter `key` is outside 0 to 255, or `count` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetKeyPushCount(const char *id1, const char *id2, int key, int *count);

/** @brief Key number `index` among the virtual keys the monitor takes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the entry, from 0
 * @param[out] key receives the key number
 * @retval DvOk done
 * @retval DvErrNoMoreItems `index` is negative or past the last
 * @retval DvErrInvalidParameter `key` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlEnumVirtualKey(const char *id1, const char *id2, int index, int *key);
/**@{*/
/** @brief Shows (DvCtrlShowIndicatorOSD) and hides (DvCtrlHideIndicatorOSD) the indicator screen of the on-screen
 * display.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlShowIndicatorOSD(const char *id1, const char *id2);
DVC_API DvError DvCtrlHideIndicatorOSD(const char *id1, const char *id2);
/**@}*/
/**@{*/
/** @brief The key ids that the custom key lock can lock.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] keys receives the first `capacity` key ids; may be null when `capacity` is 0
 * @param capacity room in `keys`
 * @param[out] count receives the number of lockable keys, also when `capacity` is short
 * @retval DvOk done
 * @retval DvErrInvalidParameter `count` is null, `capacity` is negative, or `keys` is null while `capacity` is not 0
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetAvailableDsCustomKeyLock(const char *id1, const char *id2, int *keys, int capacity, int *count);
/** @brief Nonzero when the monitor has the custom key lock and it can lock at least one key.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it has; 0 when it has not, or the call failed */
DVC_API int DvCtrlSupportedDsCustomKeyLock(const char *id1, const char *id2);
/**@}*/
/**@{*/
/** @brief Shows a built-in colour patch drawn by the monitor.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param patch the built-in patch, 0 to 255
 * @retval DvOk done
 * @retval DvErrInvalidParameter `patch` is outside 0 to 255
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlShowColorPatchFixed(const char *id1, const char *id2, int patch);
/** @brief Shows a colour patch of the given colour, drawn by the monitor.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param red the red level, 0 to 255
 * @param green the green level, 0 to 255
 * @param blue the blue level, 0 to 255
 * @retval DvOk done
 * @retval DvErrInvalidParameter a level is outside 0 to 255
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlShowColorPatch(const char *id1, const char *id2, int red, int green, int blue);
/** @brief Hides the colour patch.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlHideColorPatch(const char *id1, const char *id2);
/**@}*/
/**@{*/
/** @brief Bits per component of the colour patches (8 where the model gives no depth).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] bits receives the bits per component
 * @retval DvOk done
 * @retval DvErrInvalidParameter `bits` is null
 * @retval DvErrNotSupported the monitor has no colour patches
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetColorPatchBitDepth(const char *id1, const char *id2, int *bits);
/** @brief Reads the pixel error analyzer's record.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] info receives the record
 * @retval DvOk done
 * @retval DvErrInvalidParameter `info` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetPixelErrorAnalyzerInfo(const char *id1, const char *id2, DvPixelErrorAnalyzerInfo *info);
/**@}*/
/**@{*/
/** @brief Hands the picture to the pixel error analyzer (DvCtrlStartPixelErrorAnalyzer), and takes it back
 * (DvCtrlStopPixelErrorAnalyzer).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlStartPixelErrorAnalyzer(const char *id1, const char *id2);
DVC_API DvError DvCtrlStopPixelErrorAnalyzer(const char *id1, const char *id2);
/**@}*/
/**@{*/
/** @brief Number of the firmware versions the on-screen display shows.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the number; 0 when the monitor gives none, or the call failed */
DVC_API int DvCtrlGetOSDDisplayFirmwareVersionsCount(const char *id1, const char *id2);
/** @brief The firmware versions the on-screen display shows, as numbers.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] versions receives `count` versions
 * @param count number of versions to read
 * @retval DvOk done
 * @retval DvErrInvalidParameter `versions` is null or `count` is 0 or below
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetOSDDisplayFirmwareVersions(const char *id1, const char *id2, int *versions, int count);
/** @brief The firmware versions the on-screen display shows, as text: five digits each, separated by spaces.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] buffer receives the text; it holds DvCtrlGetOSDDisplayFirmwareVersionsStringSize(count) characters
 * @param count number of versions, 1 to DvCtrlGetOSDDisplayFirmwareVersionsCount()
 * @retval DvOk done
 * @retval DvErrInvalidParameter `buffer` is null or `count` is outside 1 to the number of versions
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetOSDDisplayFirmwareVersionsString(const char *id1, const char *id2, char *buffer, int count);
/**@}*/

DVC_EXTERN_C_END
/* End of operations with an encoding of their own */

#endif
