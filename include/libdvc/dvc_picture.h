/** @file
 * libdvc: picture adjustments. */
#ifndef LIBDVC_DVC_PICTURE_H
#define LIBDVC_DVC_PICTURE_H

#include "libdvc/dvc_types.h"

/* Feature table exports: written by scripts/gen_feature_headers.py from
 * src/features/picture_table.def; change the table, not these lines. */
DVC_EXTERN_C_BEGIN

/** @brief Reads the black level, centred on the middle of its range.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetBlackLevel(const char *id1, const char *id2, int *value);
/** @brief Sets the black level, centred on the middle of its range.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetBlackLevel(const char *id1, const char *id2, int value);
/** @brief Reads the centred range (maximum, minimum) of the black level.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported the monitor lacks the feature
 * @retval DvErrFailed any other failure
 */
DVC_API DvError DvCtrlGetRangeBlackLevel(const char *id1, const char *id2, int *maximum, int *minimum);
/** @brief Nonzero when the black level can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedBlackLevel(const char *id1, const char *id2);
/** @brief Reads the black level lift.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetBlackLevelLift(const char *id1, const char *id2, int *value);
/** @brief Sets the black level lift.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetBlackLevelLift(const char *id1, const char *id2, int value);
/** @brief Reads the range (maximum, minimum) of the black level lift.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetRangeBlackLevelLift(const char *id1, const char *id2, int *maximum, int *minimum);
/** @brief Nonzero when the black level lift can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedBlackLevelLift(const char *id1, const char *id2);
/** @brief Reads whether only the blue channel is shown (1) or not (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetBlueOnlyEnable(const char *id1, const char *id2, int *value);
/** @brief Shows only the blue channel (nonzero) or all channels (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetBlueOnlyEnable(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor can show the blue channel alone.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedBlueOnly(const char *id1, const char *id2);
/** @brief Reads how the brightness regulator operates.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetBrightRegOperation(const char *id1, const char *id2, int *value);
/** @brief Sets how the brightness regulator operates.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetBrightRegOperation(const char *id1, const char *id2, int value);
/** @brief Nonzero when the brightness regulator's operation can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedBrightRegOperation(const char *id1, const char *id2);
/** @brief Reads whether the brightness regulator is on (1) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetBrightRegulator(const char *id1, const char *id2, int *value);
/** @brief Nonzero when the monitor has a brightness regulator.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedBrightRegulator(const char *id1, const char *id2);
/** @brief Reads the range (maximum, minimum) of the brightness in raw steps.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported the monitor lacks the feature
 * @retval DvErrFailed any other failure
 */
DVC_API DvError DvCtrlGetRangeBrightnessForStep(const char *id1, const char *id2, int *maximum, int *minimum);
/** @brief Nonzero when the brightness can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedBrightness(const char *id1, const char *id2);
/** @brief Reads the gradient of the two-point brightness regulation.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGet2PtBriRegBasisGrad(const char *id1, const char *id2, int *value);
/** @brief Sets the gradient of the two-point brightness regulation.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSet2PtBriRegBasisGrad(const char *id1, const char *id2, int value);
/** @brief Reads the range (maximum, minimum) of the two-point brightness regulation's gradient.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetRange2PtBriRegBasisGrad(const char *id1, const char *id2, int *maximum, int *minimum);
/** @brief Nonzero when the monitor has the two-point brightness regulation.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupported2PtBriRegBasisGrad(const char *id1, const char *id2);
/** @brief Reads the 6 bytes of the luminance parameters.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] data receives the data block
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetCandelaParam(const char *id1, const char *id2, uint8_t *data);
/** @brief The number of HDR luminance ranges of the on-screen display; 0 when unknown.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the count; 0 when it is unknown or the call failed
 */
DVC_API int DvCtrlGetCandelaOSDRangeHDRCount(const char *id1, const char *id2);
/** @brief Nonzero when the monitor has HDR luminance ranges.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedCandelaOSDRangeHDR(const char *id1, const char *id2);
/** @brief Nonzero when the luminance can be set in candela.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedCandela(const char *id1, const char *id2);
/** @brief Reads the maximum luminance setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetMaxCandela(const char *id1, const char *id2, int *value);
/** @brief Sets the maximum luminance setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetMaxCandela(const char *id1, const char *id2, int value);
/** @brief Nonzero when the maximum luminance can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedMaxCandela(const char *id1, const char *id2);
/** @brief Puts the maximum luminance back to the value the monitor kept of it.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlRollbackMaxCandela(const char *id1, const char *id2);
/** @brief Reads the white point chromaticity (x, y).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] x receives the x coordinate
 * @param[out] y receives the y coordinate
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetChromaticity(const char *id1, const char *id2, double *x, double *y);
/** @brief Sets the white point chromaticity (x, y).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] x the x coordinate
 * @param[in] y the y coordinate
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetChromaticity(const char *id1, const char *id2, double x, double y);
/** @brief Reads the chromaticity range (maximum, minimum), the same for each of the three channels.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported the monitor lacks the feature
 * @retval DvErrFailed any other failure
 */
DVC_API DvError DvCtrlGetRangeChromaticity(const char *id1, const char *id2, double *maximum, double *minimum);
/** @brief Nonzero when the chromaticity of all three channels can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedChromaticity(const char *id1, const char *id2);
/** @brief Reads the clipping setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetClipping(const char *id1, const char *id2, int *value);
/** @brief Switches clipping on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetClipping(const char *id1, const char *id2, int value);
/** @brief Nonzero when clipping can be switched.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedClipping(const char *id1, const char *id2);
/** @brief Reads whether colour processing is off.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetColorDisable(const char *id1, const char *id2, int *value);
/** @brief Nonzero when colour processing can be switched off.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedColorDisable(const char *id1, const char *id2);
/** @brief Switches colour processing off.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlDisableColor(const char *id1, const char *id2);
/** @brief Nonzero when colour processing can be switched off for a luminance update.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedColorDisabling(const char *id1, const char *id2);
/** @brief Reads the contrast enhancer setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetContrastEnhancer(const char *id1, const char *id2, int *value);
/** @brief Sets the contrast enhancer setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetContrastEnhancer(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has the contrast enhancer.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedContrastEnhancer(const char *id1, const char *id2);
/** @brief Nonzero when the monitor has the screen shot functions.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedDshot(const char *id1, const char *id2);
/** @brief Reads the 12 bytes of the screen shot marker and the RGB value at it.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] data receives the data block
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetDshotRGBAsXBitValue(const char *id1, const char *id2, uint8_t *data);
/** @brief Writes the 12 bytes of the screen shot marker.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] data the data block to write
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetDshotMarker(const char *id1, const char *id2, const uint8_t *data);
/** @brief Reads whether colour settings apply to the whole window.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetEnableWholeWindowColorSetting(const char *id1, const char *id2, int *value);
/** @brief Applies colour settings to the whole window (nonzero) or not (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetEnableWholeWindowColorSetting(const char *id1, const char *id2, int value);
/** @brief Nonzero when colour settings can apply to the whole window.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedEnableWholeWindowColorSetting(const char *id1, const char *id2);
/** @brief Reads the gain of channel 0, 1 or 2 (red, green, blue).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @param[in] channel the channel number, from 0
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetGain(const char *id1, const char *id2, int *value, int channel);
/** @brief Sets the gain of channel 0, 1 or 2 (red, green, blue).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @param[in] channel the channel number, from 0
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetGain(const char *id1, const char *id2, int value, int channel);
/** @brief Reads the gain range (maximum, minimum), the same for each of the three channels.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported the monitor lacks the feature
 * @retval DvErrFailed any other failure
 */
DVC_API DvError DvCtrlGetRangeGain(const char *id1, const char *id2, int *maximum, int *minimum);
/** @brief Nonzero when the gain of all three channels can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedGain(const char *id1, const char *id2);
/** @brief Nonzero when the monitor describes its gain definitions.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedGainDefinition(const char *id1, const char *id2);
/** @brief Nonzero when the gamma can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedGamma(const char *id1, const char *id2);
/** @brief Nonzero when the gamma can be set by index.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedGammaIndex(const char *id1, const char *id2);
/** @brief Sets the gamma adjustment state.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetGammaAdjustmentState(const char *id1, const char *id2, int value);
/** @brief Reads the tone curve parameter block as the monitor keeps it.
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
DVC_API DvError DvCtrlGetGammaTCParameter(const char *id1, const char *id2, uint8_t *data, int *size);
/** @brief Writes the tone curve parameter block.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] data the data block to write
 * @param[in] size the block's length in bytes
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetGammaTCParameter(const char *id1, const char *id2, const uint8_t *data, int size);
/** @brief Nonzero when the monitor has tone curve parameters.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedGammaTCParameter(const char *id1, const char *id2);
/** @brief Reads the tone curve status.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetGammaTCStatus(const char *id1, const char *id2, int *value);
/** @brief Sets the tone curve status.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetGammaTCStatus(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has a tone curve status.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedGammaTCStatus(const char *id1, const char *id2);
/** @brief Reads the HLG system gamma index.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetHLGSystemGamma(const char *id1, const char *id2, int *value);
/** @brief Sets the HLG system gamma index (0 to 255).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetHLGSystemGamma(const char *id1, const char *id2, int value);
/** @brief Nonzero when the HLG system gamma can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedHLGSystemGamma(const char *id1, const char *id2);
/** @brief Reads whether HLG clipping is on (1) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetHLGSystemGammaClipping(const char *id1, const char *id2, int *value);
/** @brief Switches HLG clipping on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetHLGSystemGammaClipping(const char *id1, const char *id2, int value);
/** @brief Nonzero when HLG clipping can be switched.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedHLGSystemGammaClipping(const char *id1, const char *id2);
/** @brief Reads whether the HLG system gamma is in use (1) or not (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetHLGSystemGammaEnable(const char *id1, const char *id2, int *value);
/** @brief Puts the HLG system gamma in use (nonzero) or not (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetHLGSystemGammaEnable(const char *id1, const char *id2, int value);
/** @brief Reads whether the hybrid tone curve is on.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetMixedImageCurve(const char *id1, const char *id2, int *value);
/** @brief Switches the hybrid tone curve on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetMixedImageCurve(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has the hybrid tone curve.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedMixedImageCurve(const char *id1, const char *id2);
/** @brief Reads the limited-range 109% setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetLimited109Setting(const char *id1, const char *id2, int *value);
/** @brief Sets the limited-range 109% setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetLimited109Setting(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has the limited-range 109% setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedLimited109Setting(const char *id1, const char *id2);
/** @brief Reads the kind of luminance the monitor controls.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetLuminanceType(const char *id1, const char *id2, int *value);
/** @brief Nonzero when the monitor reports its luminance kind.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedLuminanceType(const char *id1, const char *id2);
/** @brief Reads whether the picture is converted to monochrome.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetMonochromeConversion(const char *id1, const char *id2, int *value);
/** @brief Converts the picture to monochrome (1) or not (any other value).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetMonochromeConversion(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor can convert to monochrome.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedMonochromeConversion(const char *id1, const char *id2);
/** @brief Reads whether the panel tone measurement mode is on.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetPanelToneCharMeasureMode(const char *id1, const char *id2, int *value);
/** @brief Switches the panel tone measurement mode on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetPanelToneCharMeasureMode(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has the panel tone measurement mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedPanelToneCharMeasureMode(const char *id1, const char *id2);
/** @brief Reads the uniformity brightness improvement setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetPUCBrightImproveSetting(const char *id1, const char *id2, int *value);
/** @brief Switches the uniformity brightness improvement on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetPUCBrightImproveSetting(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has the uniformity brightness improvement.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedPUCBrightImproveSetting(const char *id1, const char *id2);
/** @brief Puts the uniformity brightness improvement back to its default, off.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetPUCBrightImproveSettingDefault(const char *id1, const char *id2);
/** @brief Reads the uniformity correction priority.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetPUCPriority(const char *id1, const char *id2, int *value);
/** @brief Sets the uniformity correction priority.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetPUCPriority(const char *id1, const char *id2, int value);
/** @brief Nonzero when the uniformity correction priority can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedPUCPriority(const char *id1, const char *id2);
/** @brief Reads the uniformity tone curve status.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetPUCTCStatus(const char *id1, const char *id2, int *value);
/** @brief Sets the uniformity tone curve status.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetPUCTCStatus(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has the uniformity tone curve status.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedPUCTCStatus(const char *id1, const char *id2);
/** @brief Sets the uniformity correction on or off.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetPUCEnable(const char *id1, const char *id2, int value);
/** @brief Nonzero when the uniformity correction can be switched.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedPUCEnable(const char *id1, const char *id2);
/** @brief Reads the range extension.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetRangeExtension(const char *id1, const char *id2, int *value);
/** @brief Sets the range extension.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetRangeExtension(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has the range extension.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedRangeExtension(const char *id1, const char *id2);
/** @brief Reads the range extension setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetRangeExtensionSetting(const char *id1, const char *id2, int *value);
/** @brief Sets the range extension setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetRangeExtensionSetting(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has the range extension setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedRangeExtensionSetting(const char *id1, const char *id2);
/** @brief Reads the sharpness.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSharpnessNC2(const char *id1, const char *id2, int *value);
/** @brief Sets the sharpness.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSharpnessNC2(const char *id1, const char *id2, int value);
/** @brief Nonzero when the sharpness can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSharpnessNC2(const char *id1, const char *id2);
/** @brief Reads the Lumadapt setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetLumadapt(const char *id1, const char *id2, int *value);
/** @brief Sets the Lumadapt setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetLumadapt(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has Lumadapt.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedLumadapt(const char *id1, const char *id2);
/** @brief Reads the system primaries and white: x, y of red, green, blue and white (8 doubles).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] xy receives the x and y coordinates of each point, in turn
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSystemChromaticity(const char *id1, const char *id2, double *xy);
/** @brief Sets the system primaries and white: x, y of red, green, blue and white (8 doubles, 0 to 6.5535).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] xy the x and y coordinates of each point, in turn
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSystemChromaticity(const char *id1, const char *id2, const double *xy);
/** @brief Nonzero when the system primaries can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSystemChromaticity(const char *id1, const char *id2);
/** @brief The number of system primary sets the monitor keeps; 0 when unknown.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the count; 0 when it is unknown or the call failed
 */
DVC_API int DvCtrlGetSystemChromaticityAllCount(const char *id1, const char *id2);
/** @brief Puts the system primaries back to the monitor's own.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlRollbackSystemChromaticity(const char *id1, const char *id2);
/** @brief Puts every system primary set back to the monitor's own.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlRollbackSystemChromaticityAll(const char *id1, const char *id2);
/** @brief Reads whether the uniformity correction is on.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetUniformityEnable(const char *id1, const char *id2, int *value);
/** @brief Switches the uniformity correction on (1) or off (any other value).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetUniformityEnable(const char *id1, const char *id2, int value);
/** @brief Nonzero when the uniformity correction can be switched.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedUniformityEnable(const char *id1, const char *id2);
/** @brief Tells every path of the monitor to fix colour banding; the first answer other than 0 ends it.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlFixColorBanding(const char *id1, const char *id2);

DVC_EXTERN_C_END
/* End of feature table exports */

/* Operations with an encoding of their own */
DVC_EXTERN_C_BEGIN

/* What DvCtrlDisableColorForCandelaUpdate changed, kept by the caller until
 * DvCtrlRestoreDisableColorForCandelaUpdate gives it back (opaque). */
typedef struct DvColorDisableState DvColorDisableState;

/** @brief Switches colour processing off or on. When colour goes off from on and `waitMs` is nonzero, the
 * tone-curve state is refreshed and the call waits `waitMs` milliseconds for the picture to settle.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value 1: colour processing off; 0: on
 * @param[out] previous receives the state before the call; may be null
 * @param waitMs milliseconds to wait for the picture to settle; 0: none
 * @retval DvOk done
 * @retval DvErrInvalidParameter `waitMs` is negative
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetColorDisable(const char *id1, const char *id2, int value, int *previous, int waitMs);
/** @brief Switches colour processing and the 3D LUT off for a luminance update and hands back a new state
 * record; the caller owns it until it passes it to DvCtrlRestoreDisableColorForCandelaUpdate.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] state receives the new state record
 * @param waitMs milliseconds to wait for the picture to settle; 0: none
 * @retval DvOk done
 * @retval DvErrInvalidParameter `state` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlDisableColorForCandelaUpdate(const char *id1, const char *id2, DvColorDisableState **state,
                                                   int waitMs);
/** @brief Puts back what the state record says and frees it, whatever the result; the record must not be
 * used afterwards.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] state the record from DvCtrlDisableColorForCandelaUpdate
 * @retval DvOk done
 * @retval DvErrInvalidParameter `state` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlRestoreDisableColorForCandelaUpdate(const char *id1, const char *id2,
                                                          DvColorDisableState *state);
/** @brief x and y of the red, green and blue primaries and of white: from the monitor's chromaticity controls,
 * else from its EDID (other members are zeroed then).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] red receives the red primary
 * @param[out] green receives the green primary
 * @param[out] blue receives the blue primary
 * @param[out] white receives white
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetRGBWChromaticities(const char *id1, const char *id2, colour *red, colour *green,
                                            colour *blue, colour *white);


/** @brief Reads the brightness as a ratio of the control's maximum. "Percentage" carries the ratio of the
 * control's maximum (0.0 to 1.0; below 0.0 is refused, above 1.0 is sent as the monitor's maximum times the ratio);
 * over DDC/CI the ratio becomes a raw value by truncation, over USB HID by rounding.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] ratio receives the ratio, 0.0 to 1.0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `ratio` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetBrightnessForPercentage(const char *id1, const char *id2, double *ratio);
/** @brief Reads the brightness as the control's raw value.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] step receives the raw value
 * @retval DvOk done
 * @retval DvErrInvalidParameter `step` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetBrightnessForStep(const char *id1, const char *id2, int *step);
/** @brief Sets the brightness as a ratio of the control's maximum. "Percentage" carries the ratio of the
 * control's maximum (0.0 to 1.0; below 0.0 is refused, above 1.0 is sent as the monitor's maximum times the ratio);
 * over DDC/CI the ratio becomes a raw value by truncation, over USB HID by rounding.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param ratio the ratio, 0.0 to 1.0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `ratio` is below 0.0
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetBrightnessForPercentage(const char *id1, const char *id2, double ratio);
/** @brief Sets the brightness as the control's raw value.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param step the raw value
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetBrightnessForStep(const char *id1, const char *id2, int step);
/** @brief Reads the contrast as a ratio of the control's maximum. "Percentage" carries the ratio of the
 * control's maximum (0.0 to 1.0; below 0.0 is refused, above 1.0 is sent as the monitor's maximum times the ratio);
 * over DDC/CI the ratio becomes a raw value by truncation, over USB HID by rounding.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] ratio receives the ratio, 0.0 to 1.0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `ratio` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetContrastForPercentage(const char *id1, const char *id2, double *ratio);
/** @brief Reads the contrast as the control's raw value.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] step receives the raw value
 * @retval DvOk done
 * @retval DvErrInvalidParameter `step` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetContrastForStep(const char *id1, const char *id2, int *step);
/** @brief Sets the contrast as a ratio of the control's maximum. "Percentage" carries the ratio of the
 * control's maximum (0.0 to 1.0; below 0.0 is refused, above 1.0 is sent as the monitor's maximum times the ratio);
 * over DDC/CI the ratio becomes a raw value by truncation, over USB HID by rounding.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param ratio the ratio, 0.0 to 1.0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `ratio` is below 0.0
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetContrastForPercentage(const char *id1, const char *id2, double ratio);
/** @brief Sets the contrast as the control's raw value.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param step the raw value
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetContrastForStep(const char *id1, const char *id2, int step);
/** @brief The contrast range in raw steps and a default step: the model's, else 100 for a maximum of 100,
 * 70 for 140, otherwise half the span.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest step; may be null
 * @param[out] minimum receives the smallest step; may be null
 * @param[out] defaultStep receives the default step
 * @retval DvOk done
 * @retval DvErrNotSupported the monitor has no contrast control
 * @retval DvErrFailed any other failure: the monitor is not known, the library is busy, or the read failed */
DVC_API DvError DvCtrlGetRangeContrastForStep(const char *id1, const char *id2, int *maximum, int *minimum,
                                              int *defaultStep);
/** @brief Nonzero when the contrast can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it can; 0 when it cannot, or the call failed */
DVC_API int DvCtrlSupportedContrast(const char *id1, const char *id2);
/** @brief The raw brightness stored for a colour mode, whichever mode is current.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param mode the colour mode, 0 to the mode count less one
 * @param[out] step receives the raw value
 * @retval DvOk done
 * @retval DvErrNullOutput `step` is null
 * @retval DvErrInvalidParameter `mode` is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor has no colour modes
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetBrightnessForStepAtMode(const char *id1, const char *id2, int mode, int *step);
/** @brief The raw contrast stored for a colour mode, whichever mode is current.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param mode the colour mode, 0 to the mode count less one
 * @param[out] step receives the raw value
 * @retval DvOk done
 * @retval DvErrNullOutput `step` is null
 * @retval DvErrInvalidParameter `mode` is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor has no colour modes
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetContrastForStepAtMode(const char *id1, const char *id2, int mode, int *step);

/** @brief Reads the gamma as a value (2.2; negative values name special tone curves, which DvCtrlEnumGamma
 * lists).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] gamma receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter `gamma` is null
 * @retval DvErrRefused the monitor refused the request, or its curve is one the library cannot name
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetGamma(const char *id1, const char *id2, double *gamma);
/** @brief Selects the model's gamma curve nearest a value (the lower one on a tie).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param gamma the value (2.2; negative values name special tone curves)
 * @retval DvOk done
 * @retval DvErrInvalidParameter `gamma` is not a finite number
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the model has no gamma curves, or no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetGamma(const char *id1, const char *id2, double gamma);
/** @brief Reads the gamma as an index: the monitor's curve code plus one below 208, the code itself from 208 up
 * (as DvCtrlEnumGammaIndex lists them).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] index receives the index
 * @retval DvOk done
 * @retval DvErrInvalidParameter `index` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetGammaIndex(const char *id1, const char *id2, int *index);
/** @brief Selects the gamma curve by index: the monitor's curve code plus one below 208, the code itself from
 * 208 up (as DvCtrlEnumGammaIndex lists them).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the index, from 1
 * @retval DvOk done
 * @retval DvErrInvalidParameter `index` is below 1
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetGammaIndex(const char *id1, const char *id2, int index);

/** @brief Reads the colour temperature in kelvin.
 * On monitors that keep it as a value it passes unchanged; on the others a write selects the model's nearest
 * setting (the lower one on a tie; 0 selects the native setting) and a read reports the setting's temperature.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] kelvin receives the temperature
 * @retval DvOk done
 * @retval DvErrInvalidParameter `kelvin` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetColorTemperature(const char *id1, const char *id2, int *kelvin);
/** @brief Sets the colour temperature in kelvin.
 * On monitors that keep it as a value it passes unchanged; on the others a write selects the model's nearest
 * setting (the lower one on a tie; 0 selects the native setting) and a read reports the setting's temperature.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param kelvin the temperature; 0: the native setting
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetColorTemperature(const char *id1, const char *id2, int kelvin);
/** @brief Nonzero when the colour temperature can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it can; 0 when it cannot, or the call failed */
DVC_API int DvCtrlSupportedColorTemperature(const char *id1, const char *id2);
/** @brief Reads the colour-temperature index. The index is kelvin below 0xFF00, or a preset marked with
 * 0x10000000 (0x10000000 alone for the native setting, 0x1000FF01 for preset 0xFF01).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] index receives the index
 * @retval DvOk done
 * @retval DvErrInvalidParameter `index` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor has no colour-temperature setting by index
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetColorTemperatureIndex(const char *id1, const char *id2, int *index);
/** @brief Sets the colour-temperature index. The index is kelvin below 0xFF00, or a preset marked with
 * 0x10000000 (0x10000000 alone for the native setting, 0x1000FF01 for preset 0xFF01).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the index; 0 is refused
 * @retval DvOk done
 * @retval DvErrInvalidParameter `index` is 0
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor has no colour-temperature setting by index
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetColorTemperatureIndex(const char *id1, const char *id2, int index);
/** @brief The colour-temperature index at `position` among those the model offers.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param position the entry, from 0
 * @param[out] index receives the index
 * @retval DvOk done
 * @retval DvErrNoMoreItems `position` is negative or past the end, or the model has no indices
 * @retval DvErrInvalidParameter `index` is null
 * @retval DvErrFailed the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlEnumColorTemperatureIndex(const char *id1, const char *id2, int position, int *index);
/** @brief Nonzero when the colour temperature can be set by index.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it can; 0 when it cannot, or the call failed */
DVC_API int DvCtrlSupportedColorTemperatureIndex(const char *id1, const char *id2);

/** @brief Reads the hue of one of the six colours, centred on the middle of the control's range.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @param position the colour: 0 red, 1 green, 2 blue, 3 cyan, 4 magenta, 5 yellow
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGet6ColorsHue(const char *id1, const char *id2, int *value, int position);
/** @brief Sets the hue of one of the six colours, centred on the middle of the control's range.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the value
 * @param position the colour: 0 red, 1 green, 2 blue, 3 cyan, 4 magenta, 5 yellow
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` does not fit the control
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the range cannot be read, the monitor is not known, the library is busy, or the transport
 *         failed */
DVC_API DvError DvCtrlSet6ColorsHue(const char *id1, const char *id2, int value, int position);
/** @brief The range of the six colours' hue.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @param all nonzero: the setting that acts on all colours
 * @retval DvOk done
 * @retval DvErrInvalidParameter `maximum` or `minimum` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetRange6ColorsHue(const char *id1, const char *id2, int *maximum, int *minimum, int all);
/** @brief Nonzero when the six colours' hue can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param all nonzero: the setting that acts on all colours
 * @return 1 when it can; 0 when it cannot, or the call failed */
DVC_API int DvCtrlSupported6ColorsHue(const char *id1, const char *id2, int all);
/** @brief Reads the saturation of one of the six colours, centred on the middle of the control's range.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @param position the colour: 0 red, 1 green, 2 blue, 3 cyan, 4 magenta, 5 yellow
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGet6ColorsSaturation(const char *id1, const char *id2, int *value, int position);
/** @brief Sets the saturation of one of the six colours, centred on the middle of the control's range.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the value
 * @param position the colour: 0 red, 1 green, 2 blue, 3 cyan, 4 magenta, 5 yellow
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` does not fit the control
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the range cannot be read, the monitor is not known, the library is busy, or the transport
 *         failed */
DVC_API DvError DvCtrlSet6ColorsSaturation(const char *id1, const char *id2, int value, int position);
/** @brief The range of the six colours' saturation.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @param all nonzero: the setting that acts on all colours
 * @retval DvOk done
 * @retval DvErrInvalidParameter `maximum` or `minimum` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetRange6ColorsSaturation(const char *id1, const char *id2, int *maximum, int *minimum,
                                                int all);
/** @brief Nonzero when the six colours' saturation can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param all nonzero: the setting that acts on all colours
 * @return 1 when it can; 0 when it cannot, or the call failed */
DVC_API int DvCtrlSupported6ColorsSaturation(const char *id1, const char *id2, int all);
/** @brief Reads the lightness of all six colours, centred on the middle of the control's range.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] values receives six values: red, green, blue, cyan, magenta, yellow
 * @retval DvOk done
 * @retval DvErrInvalidParameter `values` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGet6ColorsAllLightness(const char *id1, const char *id2, int *values);
/** @brief Sets the lightness of all six colours, centred on the middle of the control's range.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param red the red value
 * @param green the green value
 * @param blue the blue value
 * @param cyan the cyan value
 * @param magenta the magenta value
 * @param yellow the yellow value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a value is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSet6ColorsAllLightness(const char *id1, const char *id2, int red, int green, int blue,
                                             int cyan, int magenta, int yellow);
/** @brief The range of the six colours' lightness.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter `maximum` or `minimum` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetRange6ColorsLightness(const char *id1, const char *id2, int *maximum, int *minimum);
/** @brief Nonzero when the six colours' lightness can be set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it can; 0 when it cannot, or the call failed */
DVC_API int DvCtrlSupported6ColorsLightness(const char *id1, const char *id2);
/** @brief The six hue values stored for a colour mode, whichever mode is current.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param mode the colour mode, 0 to the mode count less one
 * @param[out] values receives six values: red, green, blue, cyan, magenta, yellow
 * @retval DvOk done
 * @retval DvErrNullOutput `values` is null
 * @retval DvErrInvalidParameter `mode` is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor has no colour modes
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGet6ColorsAllHueAtMode(const char *id1, const char *id2, int mode, int *values);
/** @brief The six saturation values stored for a colour mode, whichever mode is current.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param mode the colour mode, 0 to the mode count less one
 * @param[out] values receives six values: red, green, blue, cyan, magenta, yellow
 * @retval DvOk done
 * @retval DvErrNullOutput `values` is null
 * @retval DvErrInvalidParameter `mode` is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor has no colour modes
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGet6ColorsAllSaturationAtMode(const char *id1, const char *id2, int mode, int *values);
/** @brief The six lightness values stored for a colour mode, whichever mode is current.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param mode the colour mode, 0 to the mode count less one
 * @param[out] values receives six values: red, green, blue, cyan, magenta, yellow
 * @retval DvOk done
 * @retval DvErrNullOutput `values` is null
 * @retval DvErrInvalidParameter `mode` is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor has no colour modes
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGet6ColorsAllLightnessAtMode(const char *id1, const char *id2, int mode, int *values);
/** @brief Reads the hue of all six colours
 * in the form of the current models (centred on half the range's span on older ones).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] values receives six values: red, green, blue, cyan, magenta, yellow
 * @retval DvOk done
 * @retval DvErrInvalidParameter `values` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGet6ColorsAllHue2(const char *id1, const char *id2, int *values);
/** @brief Sets the hue of all six colours
 * in the form of the current models (centred on half the range's span on older ones).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param red the red value
 * @param green the green value
 * @param blue the blue value
 * @param cyan the cyan value
 * @param magenta the magenta value
 * @param yellow the yellow value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a value is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSet6ColorsAllHue2(const char *id1, const char *id2, int red, int green, int blue, int cyan,
                                        int magenta, int yellow);
/** @brief Reads the saturation of all six colours
 * in the form of the current models (centred on half the range's span on older ones).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] values receives six values: red, green, blue, cyan, magenta, yellow
 * @retval DvOk done
 * @retval DvErrInvalidParameter `values` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGet6ColorsAllSaturation2(const char *id1, const char *id2, int *values);
/** @brief Sets the saturation of all six colours
 * in the form of the current models (centred on half the range's span on older ones).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param red the red value
 * @param green the green value
 * @param blue the blue value
 * @param cyan the cyan value
 * @param magenta the magenta value
 * @param yellow the yellow value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a value is out of range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSet6ColorsAllSaturation2(const char *id1, const char *id2, int red, int green, int blue,
                                               int cyan, int magenta, int yellow);
/** @brief The range of the six colours' hue
 * in the form of the current models (centred on half the range's span on older ones).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter `maximum` or `minimum` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetRange6ColorsHue2(const char *id1, const char *id2, int *maximum, int *minimum);
/** @brief The range of the six colours' saturation
 * in the form of the current models (centred on half the range's span on older ones).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter `maximum` or `minimum` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetRange6ColorsSaturation2(const char *id1, const char *id2, int *maximum, int *minimum);
/* One colour at a time: hue, saturation and lightness of each colour. */
/** @brief Reads the hue of red, in the newer form (centred on 0; on older models the stored value less
 * half its range's span).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the hue
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetRedHue2(const char *id1, const char *id2, int *value);
/** @brief Sets the hue of red, in the newer form (centred on 0; on older models half the range's span is added).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the hue
 * @retval DvOk done
 * @retval DvErrInvalidParameter on an older model, the value plus half the span does not fit the monitor's word
 * @retval DvErrRefused the monitor refused the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetRedHue2(const char *id1, const char *id2, int value);
/** @brief Reads the saturation of red, in the newer form (centred on 0; on older models the stored value less
 * half its range's span).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the saturation
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetRedSaturation2(const char *id1, const char *id2, int *value);
/** @brief Sets the saturation of red, in the newer form (centred on 0; on older models half the range's span is added).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the saturation
 * @retval DvOk done
 * @retval DvErrInvalidParameter on an older model, the value plus half the span does not fit the monitor's word
 * @retval DvErrRefused the monitor refused the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetRedSaturation2(const char *id1, const char *id2, int value);
/** @brief Reads the lightness of red (one of the six values that DvCtrlGet6ColorsAllLightness reads).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the lightness
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetRedLightness(const char *id1, const char *id2, int *value);
/** @brief Sets the lightness of red: reads all six lightness values, replaces this one and writes the six back.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the lightness
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request or the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetRedLightness(const char *id1, const char *id2, int value);
/** @brief Reads the hue of yellow, in the newer form (centred on 0; on older models the stored value less
 * half its range's span).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the hue
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetYellowHue2(const char *id1, const char *id2, int *value);
/** @brief Sets the hue of yellow, in the newer form (centred on 0; on older models half the range's span is added).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the hue
 * @retval DvOk done
 * @retval DvErrInvalidParameter on an older model, the value plus half the span does not fit the monitor's word
 * @retval DvErrRefused the monitor refused the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetYellowHue2(const char *id1, const char *id2, int value);
/** @brief Reads the saturation of yellow, in the newer form (centred on 0; on older models the stored value less
 * half its range's span).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the saturation
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetYellowSaturation2(const char *id1, const char *id2, int *value);
/** @brief Sets the saturation of yellow, in the newer form (centred on 0; on older models half the range's span is added).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the saturation
 * @retval DvOk done
 * @retval DvErrInvalidParameter on an older model, the value plus half the span does not fit the monitor's word
 * @retval DvErrRefused the monitor refused the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetYellowSaturation2(const char *id1, const char *id2, int value);
/** @brief Reads the lightness of yellow (one of the six values that DvCtrlGet6ColorsAllLightness reads).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the lightness
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetYellowLightness(const char *id1, const char *id2, int *value);
/** @brief Sets the lightness of yellow: reads all six lightness values, replaces this one and writes the six back.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the lightness
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request or the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetYellowLightness(const char *id1, const char *id2, int value);
/** @brief Reads the hue of green, in the newer form (centred on 0; on older models the stored value less
 * half its range's span).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the hue
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetGreenHue2(const char *id1, const char *id2, int *value);
/** @brief Sets the hue of green, in the newer form (centred on 0; on older models half the range's span is added).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the hue
 * @retval DvOk done
 * @retval DvErrInvalidParameter on an older model, the value plus half the span does not fit the monitor's word
 * @retval DvErrRefused the monitor refused the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetGreenHue2(const char *id1, const char *id2, int value);
/** @brief Reads the saturation of green, in the newer form (centred on 0; on older models the stored value less
 * half its range's span).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the saturation
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetGreenSaturation2(const char *id1, const char *id2, int *value);
/** @brief Sets the saturation of green, in the newer form (centred on 0; on older models half the range's span is added).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the saturation
 * @retval DvOk done
 * @retval DvErrInvalidParameter on an older model, the value plus half the span does not fit the monitor's word
 * @retval DvErrRefused the monitor refused the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetGreenSaturation2(const char *id1, const char *id2, int value);
/** @brief Reads the lightness of green (one of the six values that DvCtrlGet6ColorsAllLightness reads).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the lightness
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetGreenLightness(const char *id1, const char *id2, int *value);
/** @brief Sets the lightness of green: reads all six lightness values, replaces this one and writes the six back.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the lightness
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request or the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetGreenLightness(const char *id1, const char *id2, int value);
/** @brief Reads the hue of cyan, in the newer form (centred on 0; on older models the stored value less
 * half its range's span).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the hue
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetCyanHue2(const char *id1, const char *id2, int *value);
/** @brief Sets the hue of cyan, in the newer form (centred on 0; on older models half the range's span is added).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the hue
 * @retval DvOk done
 * @retval DvErrInvalidParameter on an older model, the value plus half the span does not fit the monitor's word
 * @retval DvErrRefused the monitor refused the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetCyanHue2(const char *id1, const char *id2, int value);
/** @brief Reads the saturation of cyan, in the newer form (centred on 0; on older models the stored value less
 * half its range's span).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the saturation
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetCyanSaturation2(const char *id1, const char *id2, int *value);
/** @brief Sets the saturation of cyan, in the newer form (centred on 0; on older models half the range's span is added).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the saturation
 * @retval DvOk done
 * @retval DvErrInvalidParameter on an older model, the value plus half the span does not fit the monitor's word
 * @retval DvErrRefused the monitor refused the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetCyanSaturation2(const char *id1, const char *id2, int value);
/** @brief Reads the lightness of cyan (one of the six values that DvCtrlGet6ColorsAllLightness reads).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the lightness
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetCyanLightness(const char *id1, const char *id2, int *value);
/** @brief Sets the lightness of cyan: reads all six lightness values, replaces this one and writes the six back.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the lightness
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request or the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetCyanLightness(const char *id1, const char *id2, int value);
/** @brief Reads the hue of blue, in the newer form (centred on 0; on older models the stored value less
 * half its range's span).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the hue
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetBlueHue2(const char *id1, const char *id2, int *value);
/** @brief Sets the hue of blue, in the newer form (centred on 0; on older models half the range's span is added).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the hue
 * @retval DvOk done
 * @retval DvErrInvalidParameter on an older model, the value plus half the span does not fit the monitor's word
 * @retval DvErrRefused the monitor refused the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetBlueHue2(const char *id1, const char *id2, int value);
/** @brief Reads the saturation of blue, in the newer form (centred on 0; on older models the stored value less
 * half its range's span).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the saturation
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetBlueSaturation2(const char *id1, const char *id2, int *value);
/** @brief Sets the saturation of blue, in the newer form (centred on 0; on older models half the range's span is added).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the saturation
 * @retval DvOk done
 * @retval DvErrInvalidParameter on an older model, the value plus half the span does not fit the monitor's word
 * @retval DvErrRefused the monitor refused the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetBlueSaturation2(const char *id1, const char *id2, int value);
/** @brief Reads the lightness of blue (one of the six values that DvCtrlGet6ColorsAllLightness reads).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the lightness
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetBlueLightness(const char *id1, const char *id2, int *value);
/** @brief Sets the lightness of blue: reads all six lightness values, replaces this one and writes the six back.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the lightness
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request or the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetBlueLightness(const char *id1, const char *id2, int value);
/** @brief Reads the hue of magenta, in the newer form (centred on 0; on older models the stored value less
 * half its range's span).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the hue
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetMagentaHue2(const char *id1, const char *id2, int *value);
/** @brief Sets the hue of magenta, in the newer form (centred on 0; on older models half the range's span is added).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the hue
 * @retval DvOk done
 * @retval DvErrInvalidParameter on an older model, the value plus half the span does not fit the monitor's word
 * @retval DvErrRefused the monitor refused the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetMagentaHue2(const char *id1, const char *id2, int value);
/** @brief Reads the saturation of magenta, in the newer form (centred on 0; on older models the stored value less
 * half its range's span).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the saturation
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetMagentaSaturation2(const char *id1, const char *id2, int *value);
/** @brief Sets the saturation of magenta, in the newer form (centred on 0; on older models half the range's span is added).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the saturation
 * @retval DvOk done
 * @retval DvErrInvalidParameter on an older model, the value plus half the span does not fit the monitor's word
 * @retval DvErrRefused the monitor refused the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetMagentaSaturation2(const char *id1, const char *id2, int value);
/** @brief Reads the lightness of magenta (one of the six values that DvCtrlGet6ColorsAllLightness reads).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the lightness
 * @retval DvOk done
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetMagentaLightness(const char *id1, const char *id2, int *value);
/** @brief Sets the lightness of magenta: reads all six lightness values, replaces this one and writes the six back.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value the lightness
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request or the value
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetMagentaLightness(const char *id1, const char *id2, int value);

/** @brief Reads the luminance in cd/m2.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] candela receives the luminance
 * @param[out] status written when the monitor reports it: 0 once the luminance has settled at its
 *        target; may be null
 * @retval DvOk done
 * @retval DvErrInvalidParameter `candela` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetCandela(const char *id1, const char *id2, double *candela, int *status);
/** @brief Sets the target luminance in cd/m2.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param candela the luminance
 * @retval DvOk done
 * @retval DvErrInvalidParameter `candela` has no whole number of hundredths in range
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetCandela(const char *id1, const char *id2, double candela);
/** @brief The luminance range in cd/m2.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest luminance
 * @param[out] minimum receives the smallest luminance
 * @retval DvOk done
 * @retval DvErrInvalidParameter `maximum` or `minimum` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetRangeCandela(const char *id1, const char *id2, double *maximum, double *minimum);
/** @brief HDR luminance range `index` (cd/m2) of the on-screen display; the count is
 * DvCtrlGetCandelaOSDRangeHDRCount.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the range, from 0
 * @param[out] maximum receives the largest luminance
 * @param[out] minimum receives the smallest luminance
 * @retval DvOk done
 * @retval DvErrInvalidParameter `maximum` or `minimum` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetCandelaOSDRangeHDR(const char *id1, const char *id2, int index, int *maximum,
                                            int *minimum);
/** @brief Reads every set of system primaries: x, y of red, green, blue and white (8 doubles) per set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] xy receives 8 doubles per set
 * @param sets the number of sets: DvCtrlGetSystemChromaticityAllCount
 * @retval DvOk done
 * @retval DvErrInvalidParameter `xy` is null, or `sets` is 0 or below or above the most the library takes
 * @retval DvErrSizeMismatch `sets` is not the monitor's count
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSystemChromaticityAll(const char *id1, const char *id2, double *xy, int sets);
/** @brief Writes every set of system primaries: x, y of red, green, blue and white (8 doubles) per set.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] xy 8 doubles per set
 * @param sets the number of sets: DvCtrlGetSystemChromaticityAllCount
 * @retval DvOk done
 * @retval DvErrInvalidParameter `xy` is null, `sets` is 0 or below or above the most the library takes, or a
 *         value has no encoding
 * @retval DvErrSizeMismatch `sets` is not the monitor's count
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSystemChromaticityAll(const char *id1, const char *id2, const double *xy, int sets);
/** @brief Reads a gain definition table: its 75 bytes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param table the table, 0 to 255
 * @param[out] definition receives 75 bytes
 * @retval DvOk done
 * @retval DvErrInvalidParameter `table` is outside 0 to 255, or `definition` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetGainDefinition(const char *id1, const char *id2, int table, uint8_t *definition);
/** @brief Switches the brightness regulator on or off; in colour modes of flavour 2 the value is sent as a
 * level.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param value nonzero: on; 0: off (a level in colour modes of flavour 2)
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetBrightRegulator(const char *id1, const char *id2, int value);
/** @brief The model's D65 reference colour (x and y).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] d65 receives the colour
 * @retval DvOk done
 * @retval DvErrInvalidParameter `d65` is null
 * @retval DvErrNotSupported the model has none
 * @retval DvErrFailed the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlGetD65CRTColor(const char *id1, const char *id2, colour *d65);

DVC_EXTERN_C_END
/* End of operations with an encoding of their own */

#ifdef __cplusplus
/** @brief Reads the gamma adjustment state. Exported under its C++ name: C hosts cannot call it.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] state receives the state
 * @retval DvOk done
 * @retval DvErrInvalidParameter `state` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetGammaAdjustmentState(const char *id1, const char *id2, int *state);
#endif

#endif
