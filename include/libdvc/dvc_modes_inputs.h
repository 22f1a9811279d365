/** @file
 * libdvc: modes, inputs, signal, layouts and USB. */
#ifndef LIBDVC_DVC_MODES_INPUTS_H
#define LIBDVC_DVC_MODES_INPUTS_H

#include "libdvc/dvc_types.h"

/* Feature table exports: written by scripts/gen_feature_headers.py from
 * src/features/modes_inputs_table.def; change the table, not these lines. */
DVC_EXTERN_C_BEGIN

/** @brief Reads the state of the automatic adjustment.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetAutoAdjust(const char *id1, const char *id2, int *value);
/** @brief Reads the black insertion setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetBlackInsertion(const char *id1, const char *id2, int *value);
/** @brief Sets the black insertion setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetBlackInsertion(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has black insertion.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedBlackInsertion(const char *id1, const char *id2);
/** @brief Reads the analogue clock.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetClock(const char *id1, const char *id2, int *value);
/** @brief Sets the analogue clock.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetClock(const char *id1, const char *id2, int value);
/** @brief Reads the range (maximum, minimum) of the analogue clock.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported the monitor lacks the feature
 * @retval DvErrFailed any other failure
 */
DVC_API DvError DvCtrlGetRangeClock(const char *id1, const char *id2, int *maximum, int *minimum);
/** @brief Nonzero when the analogue clock can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedClock(const char *id1, const char *id2);
/** @brief Reads the analogue clock phase.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetClockPhase(const char *id1, const char *id2, int *value);
/** @brief Sets the analogue clock phase.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetClockPhase(const char *id1, const char *id2, int value);
/** @brief Reads the range (maximum, minimum) of the analogue clock phase.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported the monitor lacks the feature
 * @retval DvErrFailed any other failure
 */
DVC_API DvError DvCtrlGetRangeClockPhase(const char *id1, const char *id2, int *maximum, int *minimum);
/** @brief Nonzero when the analogue clock phase can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedClockPhase(const char *id1, const char *id2);
/** @brief Reads the horizontal picture position.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetHPosition(const char *id1, const char *id2, int *value);
/** @brief Sets the horizontal picture position.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetHPosition(const char *id1, const char *id2, int value);
/** @brief Reads the range (maximum, minimum) of the horizontal position.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported the monitor lacks the feature
 * @retval DvErrFailed any other failure
 */
DVC_API DvError DvCtrlGetRangeHPosition(const char *id1, const char *id2, int *maximum, int *minimum);
/** @brief Nonzero when the horizontal position can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedHPosition(const char *id1, const char *id2);
/** @brief Reads the vertical picture position.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetVPosition(const char *id1, const char *id2, int *value);
/** @brief Sets the vertical picture position.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetVPosition(const char *id1, const char *id2, int value);
/** @brief Reads the range (maximum, minimum) of the vertical position.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported the monitor lacks the feature
 * @retval DvErrFailed any other failure
 */
DVC_API DvError DvCtrlGetRangeVPosition(const char *id1, const char *id2, int *maximum, int *minimum);
/** @brief Nonzero when the vertical position can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedVPosition(const char *id1, const char *id2);
/** @brief Reads which window of a split screen is active.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetDsActiveWindow(const char *id1, const char *id2, int *value);
/** @brief Sets which window of a split screen is active.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetDsActiveWindow(const char *id1, const char *id2, int value);
/** @brief Nonzero when the active window can be chosen.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedDsActiveWindow(const char *id1, const char *id2);
/** @brief Reads the picture-by-picture layout.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetDsPbyPLayout(const char *id1, const char *id2, int *value);
/** @brief Sets the picture-by-picture layout.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetDsPbyPLayout(const char *id1, const char *id2, int value);
/** @brief Nonzero when the picture-by-picture layout can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedDsPbyPLayout(const char *id1, const char *id2);
/** @brief The number of image-in-image areas; 0 when unknown.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the count; 0 when it is unknown or the call failed
 */
DVC_API int DvCtrlGetIISAreaCount(const char *id1, const char *id2);
/** @brief Nonzero when the monitor reports its image-in-image areas.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedIISArea(const char *id1, const char *id2);
/** @brief Reads the image-in-image mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetIISMode(const char *id1, const char *id2, int *value);
/** @brief Sets the image-in-image mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetIISMode(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has the image-in-image mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedIISMode(const char *id1, const char *id2);
/** @brief Reads the input signal mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetInputSignalMode(const char *id1, const char *id2, int *value);
/** @brief Nonzero when the monitor reports its input signal mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedInputSignalMode(const char *id1, const char *id2);
/** @brief Reads whether the keyboard-video-mouse switch is on.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetKVMSetting(const char *id1, const char *id2, int *value);
/** @brief Switches the keyboard-video-mouse switch on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetKVMSetting(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has the keyboard-video-mouse switch.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedKVMSetting(const char *id1, const char *id2);
/** @brief Reads the screen layout.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetLayout(const char *id1, const char *id2, int *value);
/** @brief Sets the screen layout.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetLayout(const char *id1, const char *id2, int value);
/** @brief Nonzero when the screen layout can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedLayout(const char *id1, const char *id2);
/** @brief The number of screen layouts; 0 when unknown.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the count; 0 when it is unknown or the call failed
 */
DVC_API int DvCtrlGetLayoutCount(const char *id1, const char *id2);
/** @brief The number of output segments; 0 when unknown.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the count; 0 when it is unknown or the call failed
 */
DVC_API int DvCtrlGetOutputSegmentCount(const char *id1, const char *id2);
/** @brief Nonzero when the monitor has output segments.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedOutputSegment(const char *id1, const char *id2);
/** @brief Reads whether the picture-in-picture shortcut key is shown.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetPinPShortcutKeyVisible(const char *id1, const char *id2, int *value);
/** @brief Shows (nonzero) or hides (0) the picture-in-picture shortcut key.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetPinPShortcutKeyVisible(const char *id1, const char *id2, int value);
/** @brief Nonzero when the picture-in-picture shortcut key can be shown.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedPinPShortcutKeyVisible(const char *id1, const char *id2);
/** @brief Reads the Tonality of the picture-in-picture window.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetPinPTonality(const char *id1, const char *id2, int *value);
/** @brief Sets the Tonality of the picture-in-picture window.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetPinPTonality(const char *id1, const char *id2, int value);
/** @brief Nonzero when the picture-in-picture Tonality can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedPinPTonality(const char *id1, const char *id2);
/** @brief Nonzero when the input port can be selected.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedPortSelect(const char *id1, const char *id2);
/** @brief Reads whether pseudo interlacing is on.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetPseudoInterlace(const char *id1, const char *id2, int *value);
/** @brief Switches pseudo interlacing on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetPseudoInterlace(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has pseudo interlacing.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedPseudoInterlace(const char *id1, const char *id2);
/** @brief Reads whether the quality-check signal selection support mode is on.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetQaSignalSelectSupportMode(const char *id1, const char *id2, int *value);
/** @brief Switches the quality-check signal selection support mode on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetQaSignalSelectSupportMode(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has the quality-check signal selection support mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedQaSignalSelectSupportMode(const char *id1, const char *id2);
/** @brief Reads the signal format setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSignalFormat(const char *id1, const char *id2, int *value);
/** @brief Sets the signal format setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSignalFormat(const char *id1, const char *id2, int value);
/** @brief Nonzero when the signal format can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSignalFormat(const char *id1, const char *id2);
/** @brief Nonzero when the monitor reports signal information.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSignalInformation(const char *id1, const char *id2);
/** @brief Nonzero when the monitor reports the signal's InfoFrames.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSignalInfoFrame(const char *id1, const char *id2);
/** @brief The number of signal types the monitor can select; 0 when unknown.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the count; 0 when it is unknown or the call failed
 */
DVC_API int DvCtrlGetSupportedSignalTypeSelectionsCount(const char *id1, const char *id2);
/** @brief Nonzero when the signal type can be selected.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSignalTypeSelection(const char *id1, const char *id2);
/** @brief Reads the split display mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSplitDisplayMode(const char *id1, const char *id2, int *value);
/** @brief Sets the split display mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSplitDisplayMode(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has a split display mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSplitDisplayMode(const char *id1, const char *id2);
/** @brief Reads whether sub-pixel drive is on.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSubPixelDriveSetting(const char *id1, const char *id2, int *value);
/** @brief Switches sub-pixel drive on (1) or off (any other value).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSubPixelDriveSetting(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has sub-pixel drive.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSubPixelDriveSetting(const char *id1, const char *id2);
/** @brief Reads whether the sync signal output is on (1) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSyncSignalEnable(const char *id1, const char *id2, int *value);
/** @brief Switches the sync signal output on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSyncSignalEnable(const char *id1, const char *id2, int value);
/** @brief Nonzero when the sync signal output can be switched.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSyncSignalEnable(const char *id1, const char *id2);
/** @brief Reads the Detailix setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetDetailix(const char *id1, const char *id2, int *value);
/** @brief Sets the Detailix setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetDetailix(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has Detailix.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedDetailix(const char *id1, const char *id2);
/** @brief Reads the mode of the target selection.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetTargetSelectionMode(const char *id1, const char *id2, int *value);
/** @brief Sets the mode of the target selection (0 to 255).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetTargetSelectionMode(const char *id1, const char *id2, int value);
/** @brief Reads the layout ID of the target selection.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetTargetSelectionLayoutID(const char *id1, const char *id2, int *value);
/** @brief Sets the layout ID of the target selection (0 to 255).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetTargetSelectionLayoutID(const char *id1, const char *id2, int value);
/** @brief Reads the input port code of the target selection.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetTargetSelectionInputPort(const char *id1, const char *id2, int *value);
/** @brief Sets the input port code of the target selection (0 to 65535).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetTargetSelectionInputPort(const char *id1, const char *id2, int value);
/** @brief Nonzero when a target can be selected.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedTargetSelection(const char *id1, const char *id2);
/** @brief Reads the USB power delivery setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetUSBPowerDelivery(const char *id1, const char *id2, int *value);
/** @brief Nonzero when the monitor reports its USB power delivery.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedUSBPowerDelivery(const char *id1, const char *id2);
/** @brief Reads whether USB power saving is on.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetUSBPowerSave(const char *id1, const char *id2, int *value);
/** @brief Switches USB power saving on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetUSBPowerSave(const char *id1, const char *id2, int value);
/** @brief Nonzero when USB power saving can be switched.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedUSBPowerSave(const char *id1, const char *id2);
/** @brief Reads the selected USB upstream port (byte 0 of the selection block).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetUSBSelection(const char *id1, const char *id2, int *value);
/** @brief Nonzero when the USB upstream port can be selected.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedUSBSelection(const char *id1, const char *id2);
/** @brief Nonzero when the monitor reports the active USB upstream port.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedUSBSelectionActive(const char *id1, const char *id2);
/** @brief Reads whether the picture-in-picture window is shown.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetVisiblePinP(const char *id1, const char *id2, int *value);
/** @brief Shows (1) or hides (any other value) the picture-in-picture window.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetVisiblePinP(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has a picture-in-picture window.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedVisiblePinP(const char *id1, const char *id2);
/** @brief Nonzero when the monitor can write its EDID to the DDC.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedEDIDDDCWrite(const char *id1, const char *id2);
/** @brief Reads the index of the current colour mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetMode(const char *id1, const char *id2, int *value);
/** @brief Switches to the colour mode of index `value`.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetMode(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has colour modes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedMode(const char *id1, const char *id2);
/** @brief Reads the flavour of the current colour mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetFlavor(const char *id1, const char *id2, int *value);
/** @brief Sets the flavour of the current colour mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetFlavor(const char *id1, const char *id2, int value);
/** @brief Nonzero when the colour modes have flavours.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedFlavor(const char *id1, const char *id2);
/** @brief Reads where colour mode `index` is skipped: bit p for the p-th supported input port.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] index the item's index, from 0
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetModeSkip(const char *id1, const char *id2, int index, int *value);
/** @brief Sets where colour mode `index` is skipped: bit p for the p-th supported input port.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] index the item's index, from 0
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetModeSkip(const char *id1, const char *id2, int index, int value);
/** @brief Nonzero when colour modes can be skipped one by one.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedModeSkip(const char *id1, const char *id2);
/** @brief Reads the colour mode of custom image-in-image route `index`.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] index the item's index, from 0
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetModeForCustomIIS(const char *id1, const char *id2, int index, int *value);
/** @brief Sets the colour mode (0 to 255) of custom image-in-image route `index`.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] index the item's index, from 0
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetModeForCustomIIS(const char *id1, const char *id2, int index, int value);
/** @brief Nonzero when custom image-in-image routes have colour modes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedModeForCustomIIS(const char *id1, const char *id2);
/** @brief Nonzero when output segments have colour modes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedModeOfOutputSegment(const char *id1, const char *id2);
/** @brief Nonzero when the monitor reports its input ports.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedInputPort(const char *id1, const char *id2);
/** @brief Nonzero when the monitor reports the resolution of its signal.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSignalResolution(const char *id1, const char *id2);
/** @brief Reads the USB upstream port in use (byte 1 of the selection block).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetUSBSelectionActive(const char *id1, const char *id2, int *value);

DVC_EXTERN_C_END
/* End of feature table exports */

/* Operations with an encoding of their own */
DVC_EXTERN_C_BEGIN

/* One area of the image-in-image layout, as the monitor reports it. */
typedef struct DvIISArea {
    uint32_t setting[3];  /* the area's three one-byte settings */
    uint32_t geometry[4]; /* its four 16-bit position and size values */
} DvIISArea;

/* The properties of one output segment, as the monitor reports them. */
typedef struct DvOutputSegmentProperty {
    uint16_t values[4]; /* four 16-bit values */
    int32_t flag;       /* 1 when set, else 0 */
    uint8_t bytes[2];   /* two one-byte settings */
    int32_t kind;       /* 1 or 2; 0 when the monitor reports another kind */
} DvOutputSegmentProperty;

/* What the monitor knows of the incoming signal. Every field is -1 when the
 * monitor does not say; portType is 0 for a port code it does not name. */
typedef struct DvSignalInfoFrame {
    int32_t portType;          /* 10, 11, 20, 21, 30, 31, 40, 41, 50..53, 60, 61, 70, 71, 80, 81, 2560..2592 */
    int32_t quantizationRange; /* 0 full, 1 limited */
    int32_t bitDepth;          /* bits per component: 6, 8, 10, 12 or 16 */
    int32_t colorFormat;       /* 0 RGB, 1 YCbCr 4:2:2, 2 YCbCr 4:4:4, 3 YCbCr 4:2:0, 4 another format */
    int32_t colorimetry;       /* the monitor's colorimetry number (0..15) */
    int32_t transferFunction;  /* 0 SDR, 1 HDR, 2 SMPTE ST 2084, 3 HLG (CTA-861 EOTF) */
} DvSignalInfoFrame;

/* The incoming signal as the monitor measures it. */
typedef struct DvSignalInformation {
    int32_t width;       /* active pixels per line */
    int32_t height;      /* active lines */
    int32_t refreshRate; /* in 0.01 Hz */
    int32_t pixelClock;  /* in 10 kHz */
    int32_t inputPort;   /* exported number of the port it arrives on; 0 when not known */
} DvSignalInformation;

/** @brief Writes the EDID to the monitor's DDC and waits (up to five minutes) until the monitor reports it done.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrTimeout the monitor did not report the end in time
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor reports failure, the monitor is not known, the library is busy, or the transport
 *         failed */
DVC_API DvError DvCtrlExecuteEDIDDDCWrite(const char *id1, const char *id2);
/** @brief Starts an automatic adjustment.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param kind the adjustment, 1 to 4
 * @param wait nonzero: wait up to 10 s for it to finish
 * @retval DvOk done
 * @retval DvErrTimeout `wait` is nonzero and the adjustment did not finish within 10 s
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported `kind` is outside 1 to 4, or no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetAutoAdjust(const char *id1, const char *id2, int kind, int wait);
/** @brief Reads an area of the image-in-image layout.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the area, 0 to the area count - 1
 * @param[out] area receives the area
 * @retval DvOk done
 * @retval DvErrInvalidParameter `index` is out of range, or `area` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetIISArea(const char *id1, const char *id2, int index, DvIISArea *area);
/** @brief Reads the current properties of an output segment.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param segment the output segment
 * @param[out] property receives the properties
 * @retval DvOk done
 * @retval DvErrInvalidParameter `segment` is out of range, or `property` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetOutputSegmentProperty(const char *id1, const char *id2, int segment,
                                               DvOutputSegmentProperty *property);
/** @brief Reads the fixed properties of an output segment.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param segment the output segment
 * @param[out] property receives the properties
 * @retval DvOk done
 * @retval DvErrInvalidParameter `segment` is out of range, or `property` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetOutputSegmentPropertyConstant(const char *id1, const char *id2, int segment,
                                                       DvOutputSegmentProperty *property);
/** @brief Selects the USB upstream port; over USB HID only.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param port the upstream port, 0 to 255
 * @retval DvOk done
 * @retval DvErrInvalidParameter `port` is outside 0 to 255
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetUSBSelection(const char *id1, const char *id2, int port);
/** @brief Clears the selection of the target that later target-selection calls address.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlClearTargetSelection(const char *id1, const char *id2);
/** @brief Port type, range, bit depth, colour format, colorimetry and transfer function of the incoming signal.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] info receives the record; a field is -1 when the monitor does not say
 * @retval DvOk done
 * @retval DvErrInvalidParameter `info` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSignalInfoFrame(const char *id1, const char *id2, DvSignalInfoFrame *info);

/** @brief Copies the name of a colour mode with its NUL.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the colour mode
 * @param[out] buffer receives the name
 * @param capacity the size of `buffer`; DvCtrlGetModeNameSize gives what it needs
 * @retval DvOk done
 * @retval DvErrInvalidParameter `index` is negative, `buffer` is null, or `capacity` is 0 or below
 * @retval DvErrSizeMismatch `capacity` is short
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor has no colour modes
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetModeName(const char *id1, const char *id2, int index, char *buffer, int capacity);
/** @brief The buffer size for a colour mode name, with its NUL (the same for every mode).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the colour mode
 * @return the size in bytes; 0 on a monitor without colour modes, or when the call failed */
DVC_API int DvCtrlGetModeNameSize(const char *id1, const char *id2, int index);
/** @brief Renames a colour mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the colour mode
 * @param[in] name the new name
 * @retval DvOk done
 * @retval DvErrInvalidParameter `index` is negative, or `name` is null
 * @retval DvErrRefused the monitor refused the request, or the name is longer than the monitor keeps
 * @retval DvErrNotSupported the monitor has no colour modes
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetModeName(const char *id1, const char *id2, int index, const char *name);
/** @brief Reads the table of skipped colour modes: one row per supported input port (in the order of
 * DvCtrlGetSupportedInputPort), `columns` entries per row, 1 where the mode is skipped at that port.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] table receives the table, one row per supported input port
 * @param columns entries per row
 * @retval DvOk done
 * @retval DvErrInvalidParameter `table` is null or `columns` is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetModeSkipAll(const char *id1, const char *id2, int *table, int columns);
/** @brief Writes the table of skipped colour modes: one row per supported input port (in the order of
 * DvCtrlGetSupportedInputPort), `columns` entries per row, 1 where the mode is skipped at that port.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] table the table, one row per supported input port
 * @param columns entries per row
 * @retval DvOk done
 * @retval DvErrInvalidParameter `table` is null or `columns` is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetModeSkipAll(const char *id1, const char *id2, const int *table, int columns);
/** @brief Nonzero when the monitor has the table of skipped colour modes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it has; 0 when it has not, or the call failed */
DVC_API int DvCtrlSupportedModeSkipAll(const char *id1, const char *id2);
/** @brief Reads the row of the skipped colour modes table of one input port (1 where the mode is skipped).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param port the port's exported number (10, 30, 2560, ...)
 * @param[out] skips receives `count` entries
 * @param count entries to read
 * @retval DvOk done
 * @retval DvErrInvalidParameter `port` is not a port of the model, `skips` is null, or `count` is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetModeSkipAtPort(const char *id1, const char *id2, int port, int *skips, int count);
/** @brief Writes the row of the skipped colour modes table of one input port (1 where the mode is skipped).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param port the port's exported number (10, 30, 2560, ...)
 * @param[in] skips `count` entries
 * @param count entries to write
 * @retval DvOk done
 * @retval DvErrInvalidParameter `port` is not a port of the model, `skips` is null, or `count` is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetModeSkipAtPort(const char *id1, const char *id2, int port, const int *skips, int count);
/** @brief The flavour that a colour mode keeps, current or not.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param mode the colour mode
 * @param[out] flavor receives the flavour
 * @retval DvOk done
 * @retval DvErrNullOutput `flavor` is null
 * @retval DvErrInvalidParameter `mode` is negative
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor has no colour modes, or no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetFlavorAtMode(const char *id1, const char *id2, int mode, int *flavor);
/** @brief The `index`-th enabled output segment.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the entry, from 0
 * @param[out] segment receives the segment id
 * @retval DvOk done
 * @retval DvErrNoMoreItems `index` is negative or past the last
 * @retval DvErrInvalidParameter `segment` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlEnumEnabledOutputSegmentID(const char *id1, const char *id2, int index, int *segment);
/** @brief Reads the colour mode of an enabled output segment.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param segment the output segment
 * @param[out] mode receives the colour mode, 0 to 255
 * @retval DvOk done
 * @retval DvErrInvalidParameter `segment` is negative or not enabled, or `mode` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetModeOfOutputSegment(const char *id1, const char *id2, int segment, int *mode);
/** @brief Sets the colour mode of an enabled output segment.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param segment the output segment
 * @param mode the colour mode, 0 to 255
 * @retval DvOk done
 * @retval DvErrInvalidParameter `segment` is negative or not enabled, or `mode` is outside 0 to 255
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetModeOfOutputSegment(const char *id1, const char *id2, int segment, int mode);
/** @brief Writes an area of the image-in-image layout.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the area, 0 to the area count - 1
 * @param[in] area the area
 * @retval DvOk done
 * @retval DvErrInvalidParameter `index` is out of range, or `area` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetIISArea(const char *id1, const char *id2, int index, const DvIISArea *area);
/** @brief Writes the properties of an output segment.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param segment the output segment
 * @param[in] property the properties (kind 1 or 2)
 * @retval DvOk done
 * @retval DvErrInvalidParameter `segment` is out of range, `property` is null, or its kind is not 1 or 2
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetOutputSegmentProperty(const char *id1, const char *id2, int segment,
                                               const DvOutputSegmentProperty *property);

/** @brief The `index`-th Tonality value (picture-mode menu entry) of the model.
 * On a monitor with colour modes each Tonality value stands for a colour mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the entry, from 0
 * @param[out] value receives the Tonality value
 * @retval DvOk done
 * @retval DvErrNoMoreItems `index` is negative or past the last
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrFailed the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlEnumTonality(const char *id1, const char *id2, int index, int *value);
/** @brief Nonzero when the model offers a Tonality value.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the Tonality value
 * @return 1 when it does; 0 when it does not, or the call failed */
DVC_API int DvCtrlHasTonality(const char *id1, const char *id2, int value);
/** @brief Number of the model's Tonality values.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the number; 0 when the call failed */
DVC_API int DvCtrlGetTonalityCount(const char *id1, const char *id2);
/** @brief Reads the current Tonality (the picture-mode menu). On a monitor with colour modes each Tonality value
 * stands for a colour mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the Tonality value
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor reports a value the model does not have, the monitor is not known, the library is
 *         busy, or the transport failed */
DVC_API DvError DvCtrlGetTonality(const char *id1, const char *id2, int *value);
/** @brief Sets the Tonality (the picture-mode menu). On a monitor with colour modes each Tonality value stands for
 * a colour mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the Tonality value
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the model does not have `value`, the monitor is not known, the library is busy, or the
 *         transport failed */
DVC_API DvError DvCtrlSetTonality(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has the Tonality setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it has; 0 when it has not, or the call failed */
DVC_API int DvCtrlSupportedTonality(const char *id1, const char *id2);
/** @brief Copies the name of a Tonality menu entry with its NUL.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the Tonality value
 * @param[out] buffer receives the name
 * @param capacity the size of `buffer`; DvCtrlGetTonalityNameSize gives what it needs
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is not the model's, or `buffer` is null
 * @retval DvErrSizeMismatch `capacity` is short
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetTonalityName(const char *id1, const char *id2, int value, char *buffer, int capacity);
/** @brief The buffer size for a Tonality menu entry's name: that of the longest, with its NUL.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the size in bytes; 0 when the call failed */
DVC_API int DvCtrlGetTonalityNameSize(const char *id1, const char *id2);
/** @brief Renames a Tonality menu entry.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the Tonality value
 * @param[in] name the new name
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is not the model's, or `name` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetTonalityName(const char *id1, const char *id2, int value, const char *name);
/** @brief Whether the menu skips a Tonality value.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the Tonality value
 * @param[out] skipped receives 1 when skipped, else 0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `skipped` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetTonalitySkip(const char *id1, const char *id2, int value, int *skipped);
/** @brief Sets whether the menu skips a Tonality value.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the Tonality value
 * @param skipped 1: skip it; 0: show it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetTonalitySkip(const char *id1, const char *id2, int value, int skipped);
/** @brief Nonzero when the monitor can skip Tonality values in its menu.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it has; 0 when it has not, or the call failed */
DVC_API int DvCtrlSupportedTonalitySkip(const char *id1, const char *id2);

/** @brief The shown input, as an index of the model's input-port list.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] index receives the index; 0 when the monitor reports a port the list lacks
 * @retval DvOk done
 * @retval DvErrInvalidParameter `index` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSignal(const char *id1, const char *id2, int *index);
/** @brief Shows an input, named by its index in the model's input-port list.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the index; an index past the list writes port code 0
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSignal(const char *id1, const char *id2, int index);
/** @brief Number of entries of the model's input-port list.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the number; 0 when the call failed */
DVC_API int DvCtrlGetSignalCount(const char *id1, const char *id2);
/** @brief The input port of each window, as exported numbers.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] ports receives one port per window
 * @param capacity room in `ports`
 * @retval DvOk done
 * @retval DvErrInvalidParameter `ports` is null or `capacity` is 0 or below
 * @retval DvErrSizeMismatch `capacity` is short
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetInputPorts(const char *id1, const char *id2, int *ports, int capacity);
/** @brief Sets the input port of each window, as exported numbers.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] ports one port per window
 * @param count number of entries in `ports`
 * @retval DvOk done
 * @retval DvErrInvalidParameter `ports` is null, `count` is 0 or below, or a port has no port code
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetInputPorts(const char *id1, const char *id2, const int *ports, int count);
/** @brief Number of windows that each show an input port.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the number; 0 when the call failed */
DVC_API int DvCtrlGetInputPortCount(const char *id1, const char *id2);
/** @brief The input port of the first window, as an exported number.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] port receives the port
 * @retval DvOk done
 * @retval DvErrInvalidParameter `port` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor reports a port without a number, or no path has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetInputPort(const char *id1, const char *id2, int *port);
/** @brief Sets the input port of the first window, as an exported number.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param port the port's exported number
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported `port` is not one of the model's, or no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetInputPort(const char *id1, const char *id2, int port);
/** @brief Reads the automatic input switch.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] on receives 1 on, 0 off
 * @retval DvOk done
 * @retval DvErrInvalidParameter `on` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetInputAuto(const char *id1, const char *id2, int *on);
/** @brief Sets the automatic input switch.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param on 1 on, 0 off
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetInputAuto(const char *id1, const char *id2, int on);
/** @brief Nonzero when the monitor has the automatic input switch.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it has; 0 when it has not, or the call failed */
DVC_API int DvCtrlSupportedInputAuto(const char *id1, const char *id2);
/** @brief The panel's native width and height in pixels.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] width receives the width
 * @param[out] height receives the height
 * @retval DvOk done
 * @retval DvErrInvalidParameter `width` or `height` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetNativeResolution(const char *id1, const char *id2, int *width, int *height);
/** @brief The incoming signal's width and height in pixels.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] width receives the width
 * @param[out] height receives the height
 * @retval DvOk done
 * @retval DvErrInvalidParameter `width` or `height` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSignalResolution(const char *id1, const char *id2, int *width, int *height);
/** @brief The incoming signal as the monitor measures it: resolution, refresh rate, pixel clock and port.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] information receives the record
 * @retval DvOk done
 * @retval DvErrInvalidParameter `information` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSignalInformation(const char *id1, const char *id2, DvSignalInformation *information);
/** @brief The DisplayPort version in tenths (12 is 1.2).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] version receives the version
 * @retval DvOk done
 * @retval DvErrInvalidParameter `version` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetDPVersion(const char *id1, const char *id2, int *version);
/** @brief Nonzero when the monitor reports its DisplayPort version.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it does; 0 when it does not, or the call failed */
DVC_API int DvCtrlSupportedDPVersion(const char *id1, const char *id2);
/** @brief Reads the compatibility switch.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] on receives 1 on, 0 off
 * @retval DvOk done
 * @retval DvErrInvalidParameter `on` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetCompatibilityMode(const char *id1, const char *id2, int *on);
/** @brief Sets the compatibility switch.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param on 1 on, 0 off
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetCompatibilityMode(const char *id1, const char *id2, int on);
/** @brief Nonzero when the monitor has the compatibility switch.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it has; 0 when it has not, or the call failed */
DVC_API int DvCtrlSupportedCompatibilityMode(const char *id1, const char *id2);
/** @brief Reads the selected signal type.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] type receives the type
 * @retval DvOk done
 * @retval DvErrInvalidParameter `type` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSignalTypeSelection(const char *id1, const char *id2, int *type);
/** @brief Selects a signal type.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param type the type
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request, or cannot select `type`
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSignalTypeSelection(const char *id1, const char *id2, int type);
/** @brief The signal types the monitor can select (see DvCtrlGetSupportedSignalTypeSelectionsCount).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] types receives the types
 * @param capacity room in `types`
 * @retval DvOk done
 * @retval DvErrInvalidParameter `types` is null or `capacity` is 0 or below
 * @retval DvErrSizeMismatch `capacity` is short
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSupportedSignalTypeSelections(const char *id1, const char *id2, int *types, int capacity);

DVC_EXTERN_C_END
/* End of operations with an encoding of their own */

#endif
