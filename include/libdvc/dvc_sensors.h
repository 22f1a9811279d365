/** @file
 * libdvc: sensors and calibration timing. */
#ifndef LIBDVC_DVC_SENSORS_H
#define LIBDVC_DVC_SENSORS_H

#include "libdvc/dvc_types.h"

/* Feature table exports: written by scripts/gen_feature_headers.py from
 * src/features/sensors_table.def; change the table, not these lines. */
DVC_EXTERN_C_BEGIN

/** @brief Reads the acceleration sensor's data block as the monitor keeps it.
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
DVC_API DvError DvCtrlGetAccSensorData(const char *id1, const char *id2, uint8_t *data, int *size);
/** @brief Nonzero when the monitor has an acceleration sensor.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedAccSensorData(const char *id1, const char *id2);
/** @brief Reads the time after which the monitor asks for a calibration.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetCalibrationAlertTime(const char *id1, const char *id2, int *value);
/** @brief Sets the time after which the monitor asks for a calibration.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetCalibrationAlertTime(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has a calibration alert time.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedCalibrationAlertTime(const char *id1, const char *id2);
/** @brief Nonzero when the monitor keeps the time a calibration takes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedCalibrationExecutionTime(const char *id1, const char *id2);
/** @brief Reads the calibration state.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetCalibrationState(const char *id1, const char *id2, int *value);
/** @brief Sets the calibration state on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetCalibrationState(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has a calibration state.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedCalibrationState(const char *id1, const char *id2);
/** @brief Reads the 8 bytes of the panel luminance measured at the factory.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] data receives the data block
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetFactoryPanelLuminance(const char *id1, const char *id2, uint8_t *data);
/** @brief Nonzero when the monitor keeps its factory panel luminance.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedFactoryPanelLuminance(const char *id1, const char *id2);
/** @brief Reads the outside light sensor's converter value.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetOutsidePhotoSensorAD(const char *id1, const char *id2, int *value);
/** @brief Reads the range (maximum, minimum) of the outside light sensor's value.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetRangeOutsidePhotoSensorAD(const char *id1, const char *id2, int *maximum, int *minimum);
/** @brief Nonzero when the monitor has an outside light sensor.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedOutsidePhotoSensorAD(const char *id1, const char *id2);
/** @brief Reads the light sensor's converter value.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetPhotoSensorAD(const char *id1, const char *id2, int *value);
/** @brief Sets the light sensor's converter value.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetPhotoSensorAD(const char *id1, const char *id2, int value);
/** @brief Reads the range (maximum, minimum) of the light sensor's value.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the largest value
 * @param[out] minimum receives the smallest value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetRangePhotoSensorAD(const char *id1, const char *id2, int *maximum, int *minimum);
/** @brief Nonzero when the monitor has a light sensor.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedPhotoSensorAD(const char *id1, const char *id2);

DVC_EXTERN_C_END
/* End of feature table exports */

/* Operations with an encoding of their own */
DVC_EXTERN_C_BEGIN

/**@{*/
/** @brief Reads the monitor's temperature.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] celsius receives the temperature in degrees Celsius
 * @retval DvOk done
 * @retval DvErrInvalidParameter `celsius` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetTemperature(const char *id1, const char *id2, double *celsius);
/** @brief Nonzero when the monitor reports its temperature.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it has; 0 when it has not, or the call failed */
DVC_API int DvCtrlSupportedTemperature(const char *id1, const char *id2);
/**@}*/
/** @brief Nonzero when the monitor has a calibration sensor.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it has; 0 when it has not, or the call failed */
DVC_API int DvCtrlHasSensor(const char *id1, const char *id2);
/**@{*/
/** @brief Reads the time a calibration takes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] hours receives the time in hours
 * @retval DvOk done
 * @retval DvErrInvalidParameter `hours` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetCalibrationExecutionTime(const char *id1, const char *id2, int *hours);
/** @brief Sets the time a calibration takes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param hours the time in hours
 * @retval DvOk done
 * @retval DvErrInvalidParameter `hours` is negative
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetCalibrationExecutionTime(const char *id1, const char *id2, int hours);
/** @brief Reads the time a calibration takes, in the 4-byte form of revision-9 firmware alone.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] hours receives the time in hours
 * @retval DvOk done
 * @retval DvErrInvalidParameter `hours` is null
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetCalibrationExecutionTimeForR9(const char *id1, const char *id2, int *hours);
/** @brief Sets the time a calibration takes, in the 4-byte form of revision-9 firmware alone.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param hours the time in hours
 * @retval DvOk done
 * @retval DvErrInvalidParameter `hours` is negative
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetCalibrationExecutionTimeForR9(const char *id1, const char *id2, int hours);
/**@}*/
/** @brief Measures the ambient light; waits up to 5 s for the result.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] lux receives the illuminance in lux
 * @retval DvOk done
 * @retval DvErrInvalidParameter `lux` is null
 * @retval DvErrTimeout the result did not come within 5 s
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlMeasureAmbientLight(const char *id1, const char *id2, double *lux);
/**@{*/
/** @brief Where the model measures on the screen, in pixels.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] x receives the horizontal position
 * @param[out] y receives the vertical position
 * @retval DvOk done
 * @retval DvErrInvalidParameter `x` or `y` is null
 * @retval DvErrNotSupported the model gives no position
 * @retval DvErrFailed the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlGetSensorMeasurementPosition(const char *id1, const char *id2, int *x, int *y);
/** @brief Where the model measures on the screen, in percent of the native resolution (reads the resolution).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] x receives the horizontal position
 * @param[out] y receives the vertical position
 * @retval DvOk done
 * @retval DvErrInvalidParameter `x` or `y` is null
 * @retval DvErrNotSupported the model gives no position
 * @retval DvErrFailed the native resolution is empty, the monitor is not known, or the library is busy
 * @return otherwise the error of reading the native resolution */
DVC_API DvError DvCtrlGetSensorMeasurementPositionPercent(const char *id1, const char *id2, double *x, double *y);
/**@}*/
/**@{*/
/** @brief The rectangle that the sensor measures, in pixels.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] x receives the left edge
 * @param[out] y receives the top edge
 * @param[out] width receives the width
 * @param[out] height receives the height
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer is null
 * @retval DvErrFailed the model gives no rectangle, the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlGetSensorMeasurementRect(const char *id1, const char *id2, int *x, int *y, int *width,
                                               int *height);
/** @brief Nonzero when the model gives a measured rectangle.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it has; 0 when it has not, or the call failed */
DVC_API int DvCtrlSupportedSensorMeasurementRect(const char *id1, const char *id2);
/**@}*/
/** @brief Nonzero when the model shows a centre cross marker (it gives a measurement position).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it has; 0 when it has not, or the call failed */
DVC_API int DvCtrlSupportedCenterCrossMarker(const char *id1, const char *id2);

DVC_EXTERN_C_END
/* End of operations with an encoding of their own */

#endif
