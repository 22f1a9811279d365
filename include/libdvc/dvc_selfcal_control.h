/** @file
 * libdvc: self-calibration control, schedules and self-QC. */
#ifndef LIBDVC_DVC_SELFCAL_CONTROL_H
#define LIBDVC_DVC_SELFCAL_CONTROL_H

#include "libdvc/dvc_types.h"

DVC_EXTERN_C_BEGIN

/** @brief A self-calibration schedule in its second form. Which fields a
 * schedule type carries, and where the monitor keeps them, depends on the
 * type; a field the type does not carry reads as 0xFFFFFFFF. */
typedef struct DvSelfCalScheduleV2 {
    uint32_t first; /**< the caller's first byte of the record, 0 to 255 */
    uint32_t type;  /**< the schedule type, 0 to 255 */
    uint32_t date;  /**< the date word (types 0, 17, 51 to 53) */
    uint32_t e;     /**< a byte (types 0, 1, 50 to 53) */
    uint32_t f;     /**< a byte (types 0, 1, 33, 50 to 53) */
    uint32_t g;     /**< a 16-bit word (types 0, 1, 17, 32, 33, 50 to 53) */
    uint32_t h;     /**< a 16-bit word (types 2, 31) or a 32-bit one (type 16) */
} DvSelfCalScheduleV2;

/** @brief When a schedule runs next. Type 1: data[0..3] a 32-bit number
 * (little-endian) and data[4] a byte; type 2: data[0..1] a 16-bit number
 * (little-endian), then four bytes; 0xFFFFFFFF: the monitor gave a form this
 * library does not know, and data is all 0xFF. */
typedef struct DvSelfNextSchedule {
    uint32_t type;    /**< 1, 2, or 0xFFFFFFFF */
    uint8_t data[8];  /**< the fields of the type */
} DvSelfNextSchedule;

DVC_EXTERN_C_END

/* Feature table exports: written by scripts/gen_feature_headers.py from
 * src/features/selfcal_control_table.def; change the table, not these lines. */
DVC_EXTERN_C_BEGIN

/** @brief Switches self-calibration on or off (the value as the monitor takes it).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlEnableSelfCalibration(const char *id1, const char *id2, int value);
/** @brief Reads the colour mode that self-calibration calibrates.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSelfCalibrationTargetColorMode(const char *id1, const char *id2, int *value);
/** @brief Sets the colour mode that self-calibration calibrates.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSelfCalibrationTargetColorMode(const char *id1, const char *id2, int value);
/** @brief Reads the self-calibration state.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSelfCalibrationState(const char *id1, const char *id2, int *value);
/** @brief Sets the self-calibration state (the value as the monitor takes it).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSelfCalibrationState(const char *id1, const char *id2, int value);
/** @brief Reads the state of the self-QC calibration.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSelfQCCalState(const char *id1, const char *id2, int *value);
/** @brief Sets the state of the self-QC calibration (the value as the monitor takes it).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSelfQCCalState(const char *id1, const char *id2, int value);
/** @brief Reads the state of the self-QC greyscale check.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSelfQCGSCState(const char *id1, const char *id2, int *value);
/** @brief Sets the state of the self-QC greyscale check.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSelfQCGSCState(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has the self-QC greyscale check.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSelfQCGSC(const char *id1, const char *id2);
/** @brief Reads the state of the self-QC LEA measurement.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSelfQCLEAState(const char *id1, const char *id2, int *value);
/** @brief Stops a running self-QC LEA measurement.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSelfQCLEAStateToStop(const char *id1, const char *id2);
/** @brief Nonzero when the monitor has the self-QC LEA measurement.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSelfQCLEA(const char *id1, const char *id2);
/** @brief Reads when the self-QC LEA measurement runs.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSelfQCLEAMeasTiming(const char *id1, const char *id2, int *value);
/** @brief Sets when the self-QC LEA measurement runs.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSelfQCLEAMeasTiming(const char *id1, const char *id2, int value);
/** @brief Reads whether a failed greyscale check starts a recalibration.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSelfQCRecalibrationForGSCErrorEnable(const char *id1, const char *id2, int *value);
/** @brief Sets whether a failed greyscale check starts a recalibration.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSelfQCRecalibrationForGSCErrorEnable(const char *id1, const char *id2, int value);
/** @brief Nonzero when a failed greyscale check can start a recalibration.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSelfQCRecalibrationForGSCErrorEnable(const char *id1, const char *id2);
/** @brief Reads whether self-calibration cancels out the ambient light.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetAmbientLightCancelOnSelfCalibration(const char *id1, const char *id2, int *value);
/** @brief Sets whether self-calibration cancels out the ambient light.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetAmbientLightCancelOnSelfCalibration(const char *id1, const char *id2, int value);
/** @brief Nonzero when self-calibration can cancel out the ambient light.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedAmbientLightCancelOnSelfCalibration(const char *id1, const char *id2);
/** @brief Reads whether the schedule menu of the on-screen display is locked.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetSelfScheduleMenuLock(const char *id1, const char *id2, int *value);
/** @brief Locks (nonzero) or unlocks (0) the schedule menu of the on-screen display.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetSelfScheduleMenuLock(const char *id1, const char *id2, int value);
/** @brief Nonzero when the schedule menu can be locked.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSelfScheduleMenuLock(const char *id1, const char *id2);
/** @brief Nonzero when the monitor keeps a self-calibration schedule.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSelfCalibrationSchedule(const char *id1, const char *id2);
/** @brief Nonzero when the monitor keeps a self-calibration schedule (second form).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSelfCalibrationScheduleV2(const char *id1, const char *id2);
/** @brief Nonzero when the monitor has a self-calibration clock.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSelfCalibrationClockTime(const char *id1, const char *id2);
/** @brief Nonzero when the monitor corrects itself to a target.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSelfCorrection(const char *id1, const char *id2);
/** @brief Nonzero when the monitor pairs its calibration targets.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSelfTargetPairing(const char *id1, const char *id2);
/** @brief Nonzero when the monitor tells when its next schedule runs.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSelfNextSchedule(const char *id1, const char *id2);
/** @brief Nonzero when the monitor's calibration targets can be enabled one by one.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSelfTargetEnable(const char *id1, const char *id2);
/** @brief Nonzero when the monitor has the self-calibration lock.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSelfCalibrationMutex(const char *id1, const char *id2);
/** @brief Nonzero when the monitor has a self-calibration ageing time.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedSelfCalibrationAgingTime(const char *id1, const char *id2);
/** @brief Reads the self-diagnosis result block as the monitor keeps it.
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
DVC_API DvError DvCtrlGetQaSelfDiagnosisData(const char *id1, const char *id2, uint8_t *data, int *size);
/** @brief Nonzero when the monitor diagnoses itself.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedQaSelfDiagnosis(const char *id1, const char *id2);
/** @brief Reads the target of the self-compensation.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetQaSelfCompensationTarget(const char *id1, const char *id2, int *value);
/** @brief Sets the target of the self-compensation.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetQaSelfCompensationTarget(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor has a self-compensation target.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedQaSelfCompensationTarget(const char *id1, const char *id2);
/** @brief Reads the brightness parameters of the self-compensation as the monitor keeps them.
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
DVC_API DvError DvCtrlGetQaSelfCompensationBrightParam(const char *id1, const char *id2, uint8_t *data, int *size);
/** @brief Writes the brightness parameters of the self-compensation (at most the block's length; the rest is zero).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] data the data block to write
 * @param[in] size the block's length in bytes
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetQaSelfCompensationBrightParam(const char *id1, const char *id2, const uint8_t *data, int size);
/** @brief Nonzero when the monitor has self-compensation brightness parameters.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedQaSelfCompensationBrightParam(const char *id1, const char *id2);
/** @brief Reads the colour balance of the self-compensation as the monitor keeps it.
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
DVC_API DvError DvCtrlGetQaSelfCompensationColorBalance(const char *id1, const char *id2, uint8_t *data, int *size);
/** @brief Writes the colour balance of the self-compensation (at most the block's length; the rest is zero).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] data the data block to write
 * @param[in] size the block's length in bytes
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetQaSelfCompensationColorBalance(const char *id1, const char *id2, const uint8_t *data, int size);
/** @brief Nonzero when the monitor has a self-compensation colour balance.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedQaSelfCompensationColorBalance(const char *id1, const char *id2);
/** @brief Reads the serial number of the sensor the built-in sensor was correlated with.
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
DVC_API DvError DvCtrlGetQaCorrelationSensorSN(const char *id1, const char *id2, uint8_t *data, int *size);
/** @brief Nonzero when the monitor keeps the serial number of its correlation sensor.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedQaCorrelationSensorSN(const char *id1, const char *id2);
/** @brief Reads the correlation data of the built-in sensor as the monitor keeps them.
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
DVC_API DvError DvCtrlGetQaCorrelationData(const char *id1, const char *id2, uint8_t *data, int *size);
/** @brief Nonzero when the monitor keeps correlation data for its built-in sensor.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedQaCorrelationData(const char *id1, const char *id2);

DVC_EXTERN_C_END
/* End of feature table exports */

/* Operations with an encoding of their own */
DVC_EXTERN_C_BEGIN

/** @brief Nonzero when the monitor calibrates itself on a schedule (and neither corrects itself to a target nor runs the LEA self-check).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when it does; 0 when it does not, or the call failed */
DVC_API int DvCtrlSupportedSelfCalibration(const char *id1, const char *id2);
/** @brief Nonzero when the monitor runs the self-QC calibration (its state item and the LEA state item).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when it does; 0 when it does not, or the call failed */
DVC_API int DvCtrlSupportedSelfQCCal(const char *id1, const char *id2);
/** @brief Nonzero when the monitor keeps an ageing time for brightness changes (the ageing item is two bytes long).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when it does; 0 when it does not, or the call failed */
DVC_API int DvCtrlSupportedSelfCalibrationAgingTimeForBrightnessChange(const char *id1, const char *id2);
/** @brief Takes the self-calibration lock that cooperating programs keep in the monitor; the holder may lock again, which replaces its second byte.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] owner the owner's identifier, 1 to 255
 * @param[in] second a byte of the owner's own kept with the lock, 0 to 255
 * @retval DvOk done
 * @retval DvErrInvalidParameter owner is not 1 to 255 or second not 0 to 255
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrFailed another owner holds the lock, the lock cannot be read, the monitor is not known or the transport failed */
DVC_API DvError DvCtrlLockSelfCalibration(const char *id1, const char *id2, int owner, int second);
/** @brief Gives the self-calibration lock back; only its holder may.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] owner the holder's identifier, 0 to 255
 * @retval DvOk done
 * @retval DvErrInvalidParameter owner is not 0 to 255
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrFailed the lock is not held by owner, cannot be read, the monitor is not known or the transport failed */
DVC_API DvError DvCtrlUnlockSelfCalibration(const char *id1, const char *id2, int owner);
/** @brief Reads who holds the self-calibration lock (0: nobody).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] owner receives the holder's identifier
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCalibrationMutexOwner(const char *id1, const char *id2, int *owner);
/** @brief Reads the ageing time before a self-calibration.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] hours receives the ageing time
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCalibrationAgingTime(const char *id1, const char *id2, int *hours);
/** @brief Reads the ageing time after a brightness change.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] hours receives the ageing time
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCalibrationAgingTimeForBrightnessChange(const char *id1, const char *id2, int *hours);
/** @brief Sets the ageing time before a self-calibration (values above 255 are sent as 255); the ageing time for brightness changes is kept.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] hours the ageing time, from 0
 * @retval DvOk done
 * @retval DvErrInvalidParameter hours is negative
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSelfCalibrationAgingTime(const char *id1, const char *id2, int hours);
/** @brief Reads the time since the last self-calibration.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] elapsed receives the time
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCalibrationElapsedTime(const char *id1, const char *id2, uint32_t *elapsed);
/** @brief Reads the self-calibration clock.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] time receives the 32-bit time word
 * @param[out] extra receives the 16-bit word beside it
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCalibrationClockTime(const char *id1, const char *id2, uint32_t *time, uint16_t *extra);
/** @brief Sets the self-calibration clock.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] time the 32-bit time word
 * @param[in] extra the 16-bit word beside it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSelfCalibrationClockTime(const char *id1, const char *id2, uint32_t time, uint16_t extra);
/** @brief Reads when the last self-calibration result was made.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] time receives the 32-bit time word
 * @param[out] extra receives the 16-bit word beside it
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCalibrationResultTime(const char *id1, const char *id2, uint32_t *time, uint16_t *extra);
/** @brief Sets when the last self-calibration result was made.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] time the 32-bit time word
 * @param[in] extra the 16-bit word beside it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSelfCalibrationResultTime(const char *id1, const char *id2, uint32_t time, uint16_t extra);
/** @brief Reads the colour mode that self-calibration controls: 1, 2, 4 or 0x8000 (a code the monitor should not hold leaves *mode as it was).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] mode receives the mode
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCalibrationControlColorMode(const char *id1, const char *id2, int *mode);
/** @brief Sets the colour mode that self-calibration controls: 1, 2, 4 or 0x8000 (any other value selects the first mode).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] mode the mode
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSelfCalibrationControlColorMode(const char *id1, const char *id2, int mode);
/** @brief Reads the self index: 28, 29, 30 or -1 on monitors that follow the controlled colour mode, else the monitor's index (-1 for none) and its second byte.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] index receives the index
 * @param[out] second receives the second byte
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the controlled mode has no index, the monitor is not known or the transport failed */
DVC_API DvError DvCtrlGetSelfIndex(const char *id1, const char *id2, int *index, int *second);
/** @brief Sets the self index: on monitors that follow the controlled colour mode 28, 29, 30 or -1 with second 0; elsewhere -1 to 254 and a byte.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] index the index
 * @param[in] second the second byte
 * @retval DvOk done
 * @retval DvErrInvalidParameter the index or byte do not fit the monitor's two bytes
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the index names no controllable mode, the monitor is not known or the transport failed */
DVC_API DvError DvCtrlSetSelfIndex(const char *id1, const char *id2, int index, int second);
/** @brief Counts the calibration targets that can be selected.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the count; 0 when the monitor has none, or the call failed */
DVC_API int DvCtrlGetSelfTargetCount(const char *id1, const char *id2);
/** @brief Reads the selected calibration target (0xFFFFFFFF: none).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] index receives the target's index
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfTargetIndex(const char *id1, const char *id2, uint32_t *index);
/** @brief Selects a calibration target (0xFFFFFFFF: none).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] index the target's index, below DvCtrlGetSelfTargetCount
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the index is not below the target count, the monitor is not known or the transport failed */
DVC_API DvError DvCtrlSetSelfTargetIndex(const char *id1, const char *id2, uint32_t index);
/** @brief Reads which target each calibration target is paired with (0xFFFFFFFF: none).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] pairing receives one entry per target, at most count
 * @param[in] count the entries pairing holds
 * @retval DvOk done
 * @retval DvErrInvalidParameter pairing is null or count negative
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfTargetPairing(const char *id1, const char *id2, uint32_t *pairing, int count);
/** @brief Pairs the first count calibration targets (0xFFFFFFFF: none); the monitor is written only when an entry changes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] pairing one entry per target
 * @param[in] count the entries in pairing
 * @retval DvOk done
 * @retval DvErrInvalidParameter pairing is null, count negative, or an entry neither below 255 nor 0xFFFFFFFF
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSelfTargetPairing(const char *id1, const char *id2, const uint32_t *pairing, int count);
/** @brief Reads which self-calibration modes are enabled, one flag (1 or 0) per mode, at most 16.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] flags receives the flags
 * @param[in] count the flags that flags holds
 * @retval DvOk done
 * @retval DvErrInvalidParameter flags is null or count negative
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetEnableSelfCalibrationMode(const char *id1, const char *id2, int *flags, int count);
/** @brief Enables (nonzero) or disables (0) the first count self-calibration modes, at most 16; the monitor is written only when a flag changes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] flags the flags
 * @param[in] count the flags in flags
 * @retval DvOk done
 * @retval DvErrInvalidParameter flags is null or count negative
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetEnableSelfCalibrationMode(const char *id1, const char *id2, const int *flags, int count);
/** @brief Reads the self-calibration schedule in its first form: the type in the low byte of p, the type's fields in the rest of p and in q (types 0, 1 and 2; another type gives the type alone and q 0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] first receives the record's first byte
 * @param[out] p receives the type (bits 0-7) and the fields kept with it
 * @param[out] q receives the further fields
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCalibrationSchedule(const char *id1, const char *id2, uint8_t *first, uint32_t *p, uint32_t *q);
/** @brief Writes the self-calibration schedule in its first form (types 0, 1 and 2).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] first the record's first byte
 * @param[in] p the type (bits 0-7) and the fields kept with it (bits 16-31)
 * @param[in] q the further fields (type 0: bits 0-23; type 1: bits 0-15)
 * @retval DvOk done
 * @retval DvErrInvalidParameter the type is not 0, 1 or 2
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSelfCalibrationSchedule(const char *id1, const char *id2, uint8_t first, uint32_t p, uint32_t q);
/** @brief Reads the self-calibration schedule in its second form.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] schedule receives the schedule; fields its type does not carry are 0xFFFFFFFF
 * @retval DvOk done
 * @retval DvErrInvalidParameter schedule is null
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCalibrationScheduleV2(const char *id1, const char *id2, DvSelfCalScheduleV2 *schedule);
/** @brief Writes the self-calibration schedule in its second form; only the fields of its type are sent.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] schedule the schedule
 * @retval DvOk done
 * @retval DvErrInvalidParameter schedule is null, or a field does not fit its bytes
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSelfCalibrationScheduleV2(const char *id1, const char *id2, const DvSelfCalScheduleV2 *schedule);
/** @brief Gives the schedule types the monitor offers, one per index from 0: types 0, 1 and 2 on self-calibrating monitors, type 2 on self-correcting ones.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] index the position in the list, from 0
 * @param[out] type receives the schedule type
 * @retval DvOk done
 * @retval DvErrInvalidParameter type is null
 * @retval DvErrNoMoreItems index is past the end of the list, or the monitor offers none
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlEnumSupportedSelfCalibrationScheduleType(const char *id1, const char *id2, int index, int *type);
/** @brief Asks the monitor when a self-calibration schedule runs next.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] which the schedule, 0 to 255
 * @param[out] next receives when it runs
 * @retval DvOk done
 * @retval DvErrInvalidParameter next is null or which is not 0 to 255
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor answered another request, is not known, or the transport failed */
DVC_API DvError DvCtrlGetSelfNextSchedule(const char *id1, const char *id2, int which, DvSelfNextSchedule *next);
/** @brief Asks the monitor when a schedule of the given kind runs next: 0 self-calibration, 1 and 2 the self-QC kinds (these on monitors with the LEA self-check; kind 2 has no schedule 2).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] kind the kind, 0 to 2
 * @param[in] which the schedule, 0 to 255
 * @param[out] next receives when it runs
 * @retval DvOk done
 * @retval DvErrInvalidParameter next is null, kind or which out of range, or a self-QC kind the monitor does not have
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor answered another request, is not known, or the transport failed */
DVC_API DvError DvCtrlGetSelfQCNextSchedule(const char *id1, const char *id2, int kind, int which, DvSelfNextSchedule *next);
/** @brief Reads the target the monitor corrects itself to.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] enabled receives 1 when self-correction is on, else 0
 * @param[out] id receives the target's 16-bit number
 * @param[out] values receives the target's three numbers
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCorrectionTarget(const char *id1, const char *id2, int *enabled, uint16_t *id, double *values);
/** @brief Sets the target the monitor corrects itself to (the numbers travel in single precision).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] enabled nonzero switches self-correction on
 * @param[in] id the target's 16-bit number
 * @param[in] values the target's three numbers
 * @retval DvOk done
 * @retval DvErrInvalidParameter values is null, or a number is not finite or beyond single precision
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSelfCorrectionTarget(const char *id1, const char *id2, int enabled, uint16_t id, const double *values);
/** @brief Reads the result of the last self-correction.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] id receives the result's 16-bit number
 * @param[out] values receives the result's three numbers
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCorrectionResult(const char *id1, const char *id2, uint16_t *id, double *values);
/** @brief Writes the result of a self-correction (the numbers travel in single precision).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] id the result's 16-bit number
 * @param[in] values the result's three numbers
 * @retval DvOk done
 * @retval DvErrInvalidParameter values is null, or a number is not finite or beyond single precision
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the item
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSelfCorrectionResult(const char *id1, const char *id2, uint16_t id, const double *values);

DVC_EXTERN_C_END
/* End of operations with an encoding of their own */

#endif
