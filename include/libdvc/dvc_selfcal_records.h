/** @file
 * libdvc: self-calibration records: the target, result and result-setting
 * objects, their transfer to and from the monitor, and the older fixed
 * records. */
#ifndef LIBDVC_DVC_SELFCAL_RECORDS_H
#define LIBDVC_DVC_SELFCAL_RECORDS_H

#include "libdvc/dvc_types.h"

DVC_EXTERN_C_BEGIN

/* A self-calibration target, result or result setting: opaque objects that
 * the library makes (DvCtrlCreate..., DvCtrlGetCurrent...) and the host
 * gives back through a release export. Which properties an object carries
 * is fixed when it is made, from what the monitor supports. */
/** A self-calibration target: luminance, white, gamut, gamma, LUT and the like the monitor calibrates to. */
typedef struct DvCtrlSelfCalTargetV5 DvCtrlSelfCalTargetV5;
/** A self-calibration result: what the monitor measured after calibrating. */
typedef struct DvCtrlSelfCalResultV5 DvCtrlSelfCalResultV5;
/** A self-calibration result setting: the contrast, matrices, gamma and LUT a calibration produced. */
typedef struct DvCtrlSelfCalResultSettingV5 DvCtrlSelfCalResultSettingV5;

/* The older fixed records. Chromaticities are x and y of a colour; the
 * version-1 target keeps the monitor's codes as they are, the version-3
 * target holds them translated (colour temperature in kelvin or
 * 0x1000FFxx for a named white, gamut 1 native, 255 user primaries, 2 to 9
 * standards; gamma index as in the target objects). */

/** The version-1 self-calibration target, codes as the monitor keeps them. */
typedef struct DvSelfCalibrationTarget {
    uint16_t id;               /**< target ID */
    uint16_t luminance;        /**< white luminance, cd/m2 */
    colour white;              /**< white point (x, y) */
    uint16_t colorTemperature; /**< colour-temperature code */
    uint8_t colorGamut;        /**< colour-gamut code */
    colour red;                /**< red primary (x, y) */
    colour green;              /**< green primary (x, y) */
    colour blue;               /**< blue primary (x, y) */
    uint32_t gammaCode;        /**< one-byte gamma code */
} DvSelfCalibrationTarget;

/** The version-3 self-calibration target, codes translated. */
typedef struct DvSelfCalibrationTargetV3 {
    uint32_t enable;           /**< 1: the target is enabled */
    uint16_t id;               /**< target ID */
    double luminance;          /**< white luminance, cd/m2 */
    colour white;              /**< white point (x, y) */
    uint32_t colorTemperature; /**< kelvin, or 0x1000FFxx for a named white (0x1000FFFD native) */
    uint32_t colorGamut;       /**< 1 native, 255 user primaries, 2 to 9 standards */
    colour red;                /**< red primary (x, y) */
    colour green;              /**< green primary (x, y) */
    colour blue;               /**< blue primary (x, y) */
    uint32_t gammaIndex;       /**< gamma index */
    uint32_t gamutClipping;    /**< 1: gamut clipping on */
} DvSelfCalibrationTargetV3;

/** The version-1 self-calibration result; the primaries' luminances come from the white point. */
typedef struct DvSelfCalibrationResult {
    uint16_t firstWord;        /**< the result's first word: its error code */
    uint16_t luminance;        /**< white luminance, cd/m2 */
    colour white;              /**< white (Y, x, y; X and Z completed) */
    colour red;                /**< red primary */
    colour green;              /**< green primary */
    colour blue;               /**< blue primary */
    uint32_t targetGammaIndex; /**< target gamma index */
} DvSelfCalibrationResult;

/** The version-1 self-calibration result setting. */
typedef struct DvSelfCalibrationResultSetting {
    uint32_t recordTag;         /**< the monitor's record tag */
    uint32_t contrast;          /**< contrast the calibration set */
    double gainMatrix[9];       /**< gain matrix, row by row */
    double emulationMatrix[9];  /**< emulation matrix, row by row */
} DvSelfCalibrationResultSetting;

/* Objects on a monitor */

/** @brief Makes an empty self-calibration target object for the monitor, its LUT size from the model.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] object receives the new object (null when the monitor has no target records); release it with
 * DvCtrlReleaseSelfCalTargetV5
 * @retval DvOk done
 * @retval DvErrNullOutput `object` is null
 * @retval DvErrNotSupported the monitor keeps no self-calibration target
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlCreateSelfCalTargetV5(const char *id1, const char *id2, DvCtrlSelfCalTargetV5 **object);
/** @brief Makes an empty self-calibration result object for the monitor.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] object receives the new object (null when the monitor has no result records); release it with
 * DvCtrlReleaseSelfCalResultV5
 * @retval DvOk done
 * @retval DvErrNullOutput `object` is null
 * @retval DvErrNotSupported the monitor keeps no self-calibration result
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlCreateSelfCalResultV5(const char *id1, const char *id2, DvCtrlSelfCalResultV5 **object);
/** @brief Makes an empty self-calibration result-setting object for the monitor, its LUT size from the model.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] object receives the new object (null when the monitor has no result-setting records); release
 * it with DvCtrlReleaseSelfCalResultSettingV5
 * @retval DvOk done
 * @retval DvErrNullOutput `object` is null
 * @retval DvErrNotSupported the monitor keeps no self-calibration result setting
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlCreateSelfCalResultSettingV5(const char *id1, const char *id2,
                                                   DvCtrlSelfCalResultSettingV5 **object);
/** @brief Nonzero when the monitor keeps a self-calibration target in any form.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it does; 0 when not, or the call failed */
DVC_API int DvCtrlSupportedSelfCalTargetV5(const char *id1, const char *id2);
/** @brief Nonzero when the monitor keeps a self-calibration result in any form.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it does; 0 when not, or the call failed */
DVC_API int DvCtrlSupportedSelfCalResultV5(const char *id1, const char *id2);
/** @brief Nonzero when the monitor keeps a self-calibration result setting in any form.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it does; 0 when not, or the call failed */
DVC_API int DvCtrlSupportedSelfCalResultSettingV5(const char *id1, const char *id2);
/** @brief Nonzero when target objects of the monitor carry the property; id 0 (the Limited109 optimisation) is
 * the only property id.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param id the property id
 * @return 1 when they do; 0 when not, for any other id, or the call failed */
DVC_API int DvCtrlSupportedSelfCalTargetV5Property(const char *id1, const char *id2, int id);
/** @brief Nonzero when result objects of the monitor carry the property; id 0 (the Limited109 colours) is the
 * only property id.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param id the property id
 * @return 1 when they do; 0 when not, for any other id, or the call failed */
DVC_API int DvCtrlSupportedSelfCalResultV5Property(const char *id1, const char *id2, int id);
/** @brief Nonzero when result-setting objects of the monitor carry the property; id 0 (the Limited109
 * setting) is the only property id.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param id the property id
 * @return 1 when they do; 0 when not, for any other id, or the call failed */
DVC_API int DvCtrlSupportedSelfCalResultSettingV5Property(const char *id1, const char *id2, int id);
/** @brief The number of entries of the monitor's self-calibration LUT (256 or 1024).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] count receives the number; 0 when the model has no self-calibration LUT
 * @retval DvOk done
 * @retval DvErrInvalidParameter `count` is null
 * @retval DvErrNotSupported the model has no self-calibration LUT
 * @retval DvErrFailed the monitor is not known or the library is busy */
DVC_API DvError DvCtrlGetSelfCalLUTSize(const char *id1, const char *id2, int *count);

/* The current records of a monitor, as objects */

/** @brief Reads the monitor's current self-calibration target into a new object: from the paged records, or
 * from the version-3 or version-1 target block on monitors without them.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] object receives the new object, also when the read then fails (null when the monitor keeps no
 * target); release it with DvCtrlReleaseSelfCalTargetV5
 * @retval DvOk done
 * @retval DvErrNullOutput `object` is null
 * @retval DvErrWrongLength the monitor's records do not fit the item's blocks
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor keeps no target in a form the library reads
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetCurrentSelfCalTargetV5(const char *id1, const char *id2, DvCtrlSelfCalTargetV5 **object);
/** @brief Sends a self-calibration target object to the monitor: as paged records, or as the version-3 or version-1 target block on
 * monitors without them.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] object the object
 * @retval DvOk done
 * @retval DvErrInvalidParameter `object` is not a live object of its kind, a value does not fit its form on the
 * monitor, or the target fails a check (native white without a white point, user primaries without
 * primaries, the LUT curve without a whole LUT, LUT arrays of different lengths); nothing was sent
 * @retval DvErrWrongLength the records do not fit the monitor's item; nothing was sent
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor keeps no target in a form the library writes
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetCurrentSelfCalTargetV5(const char *id1, const char *id2, DvCtrlSelfCalTargetV5 *object);
/** @brief Reads the monitor's current self-calibration result into a new object: from the paged records, or
 * from the version-1 result block on monitors without them.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] object receives the new object, also when the read then fails (null when the monitor keeps no
 * result); release it with DvCtrlReleaseSelfCalResultV5
 * @retval DvOk done
 * @retval DvErrNullOutput `object` is null
 * @retval DvErrWrongLength the monitor's records do not fit the item's blocks
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor keeps no result in a form the library reads
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetCurrentSelfCalResultV5(const char *id1, const char *id2, DvCtrlSelfCalResultV5 **object);
/** @brief Sends a self-calibration result object to the monitor: as paged records, or as the version-1 result block on
 * monitors without them.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] object the object
 * @retval DvOk done
 * @retval DvErrInvalidParameter `object` is not a live object of its kind, or a value does not fit its form on
 * the monitor; nothing was sent
 * @retval DvErrWrongLength the records do not fit the monitor's item; nothing was sent
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor keeps no result in a form the library writes
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetCurrentSelfCalResultV5(const char *id1, const char *id2, DvCtrlSelfCalResultV5 *object);
/** @brief Reads the monitor's current self-calibration result setting into a new object: from the paged records, or
 * from the version-1 result-setting block on monitors without them.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] object receives the new object, also when the read then fails (null when the monitor keeps no
 * result setting); release it with DvCtrlReleaseSelfCalResultSettingV5
 * @retval DvOk done
 * @retval DvErrNullOutput `object` is null
 * @retval DvErrWrongLength the monitor's records do not fit the item's blocks
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor keeps no result setting in a form the library reads
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetCurrentSelfCalResultSettingV5(const char *id1, const char *id2, DvCtrlSelfCalResultSettingV5 **object);
/** @brief Sends a self-calibration result setting object to the monitor: as paged records, or as the version-1 result-setting block on
 * monitors without them.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] object the object
 * @retval DvOk done
 * @retval DvErrInvalidParameter `object` is not a live object of its kind, or a value does not fit its form on
 * the monitor; nothing was sent
 * @retval DvErrWrongLength the records do not fit the monitor's item; nothing was sent
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported the monitor keeps no result setting in a form the library writes
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetCurrentSelfCalResultSettingV5(const char *id1, const char *id2, DvCtrlSelfCalResultSettingV5 *object);

/* The older fixed records */

/** @brief Reads the version-1 self-calibration target, codes as the monitor keeps them.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] record receives the record after a successful read; null still reads
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the record
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCalibrationTarget(const char *id1, const char *id2, DvSelfCalibrationTarget *record);
/** @brief Writes the version-1 self-calibration target, codes as the monitor keeps them: chromaticities x 10000 and luminances rounded half up, matrices x 2^29.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] record the record
 * @retval DvOk done
 * @retval DvErrInvalidParameter `record` is null, or a value does not fit its form on the monitor; nothing was
 * sent
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the record
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSelfCalibrationTarget(const char *id1, const char *id2, const DvSelfCalibrationTarget *record);
/** @brief Reads the version-3 self-calibration target (the version-1 block on monitors without it), codes translated.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] record receives the record after a successful read; null still reads
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the record
 * @retval DvErrFailed the monitor has neither target block, is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCalibrationTargetV3(const char *id1, const char *id2, DvSelfCalibrationTargetV3 *record);
/** @brief Writes the version-3 self-calibration target (the version-1 block on monitors without it), codes translated: chromaticities x 10000 and luminances rounded half up, matrices x 2^29.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] record the record
 * @retval DvOk done
 * @retval DvErrInvalidParameter `record` is null, or a value does not fit its form on the monitor; nothing was
 * sent
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the record
 * @retval DvErrFailed the monitor has neither target block, is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSelfCalibrationTargetV3(const char *id1, const char *id2, const DvSelfCalibrationTargetV3 *record);
/** @brief Reads the version-1 self-calibration result; reading completes the primaries' luminances from the white point.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] record receives the record after a successful read; null still reads
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the record
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCalibrationResult(const char *id1, const char *id2, DvSelfCalibrationResult *record);
/** @brief Writes the version-1 self-calibration result; reading completes the primaries' luminances from the white point: chromaticities x 10000 and luminances rounded half up, matrices x 2^29.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] record the record
 * @retval DvOk done
 * @retval DvErrInvalidParameter `record` is null, or a value does not fit its form on the monitor; nothing was
 * sent
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the record
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSelfCalibrationResult(const char *id1, const char *id2, const DvSelfCalibrationResult *record);
/** @brief Reads the version-1 self-calibration result setting.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] record receives the record after a successful read; null still reads
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the record
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlGetSelfCalibrationResultSetting(const char *id1, const char *id2, DvSelfCalibrationResultSetting *record);
/** @brief Writes the version-1 self-calibration result setting: chromaticities x 10000 and luminances rounded half up, matrices x 2^29.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] record the record
 * @retval DvOk done
 * @retval DvErrInvalidParameter `record` is null, or a value does not fit its form on the monitor; nothing was
 * sent
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the record
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlSetSelfCalibrationResultSetting(const char *id1, const char *id2, const DvSelfCalibrationResultSetting *record);

/* Record versions a monitor keeps */

/** @brief Nonzero when the monitor keeps the version-3 self-calibration target.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it does; 0 when not, or the call failed */
DVC_API int DvCtrlSupportedSelfCalibrationTargetV3(const char *id1, const char *id2);
/** @brief Nonzero when the monitor keeps the version-2 self-calibration result.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it does; 0 when not, or the call failed */
DVC_API int DvCtrlSupportedSelfCalibrationResultV2(const char *id1, const char *id2);
/** @brief Nonzero when the monitor keeps the version-3 self-calibration result.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it does; 0 when not, or the call failed */
DVC_API int DvCtrlSupportedSelfCalibrationResultV3(const char *id1, const char *id2);
/** @brief Nonzero when the monitor keeps the version-4 self-calibration result.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it does; 0 when not, or the call failed */
DVC_API int DvCtrlSupportedSelfCalibrationResultV4(const char *id1, const char *id2);
/** @brief Nonzero when the monitor's self-calibration results carry L* data.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it does; 0 when not, or the call failed */
DVC_API int DvCtrlSupportedSelfCalLStar(const char *id1, const char *id2);
/** @brief Nonzero when the monitor keeps its self-calibration records in the paged form of the current generation.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it does; 0 when not, or the call failed */
DVC_API int DvCtrlSupportedSelfCalibrationV5(const char *id1, const char *id2);

/* Releasing objects: each of the three releases an object of any kind. */

/** @brief Destroys a self-calibration object; it must not be used afterwards.
 * @param[in] object the object; null is accepted and ignored
 * @retval DvOk done, or `object` was null
 * @retval DvErrInvalidParameter `object` is not a live object of the library */
DVC_API DvError DvCtrlReleaseSelfCalTargetV5(DvCtrlSelfCalTargetV5 *object);
/** @brief Destroys a self-calibration object; it must not be used afterwards.
 * @param[in] object the object; null is accepted and ignored
 * @retval DvOk done, or `object` was null
 * @retval DvErrInvalidParameter `object` is not a live object of the library */
DVC_API DvError DvCtrlReleaseSelfCalResultV5(DvCtrlSelfCalResultV5 *object);
/** @brief Destroys a self-calibration object; it must not be used afterwards.
 * @param[in] object the object; null is accepted and ignored
 * @retval DvOk done, or `object` was null
 * @retval DvErrInvalidParameter `object` is not a live object of the library */
DVC_API DvError DvCtrlReleaseSelfCalResultSettingV5(DvCtrlSelfCalResultSettingV5 *object);

/* Properties of the objects (work on the object alone, touch no monitor) */

/** @brief Reads the white luminance in cd/m2 of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetLuminance(DvCtrlSelfCalTargetV5 *object, double *value);
/** @brief Sets the white luminance in cd/m2 of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetLuminance(DvCtrlSelfCalTargetV5 *object, double value);
/** @brief Reads the white point of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetWhite(DvCtrlSelfCalTargetV5 *object, colour *value);
/** @brief Sets the white point of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetWhite(DvCtrlSelfCalTargetV5 *object, colour value);
/** @brief Reads the colour-temperature code (kelvin, or 0x1000FFxx for a named white) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetColorTemperature(DvCtrlSelfCalTargetV5 *object, uint32_t *value);
/** @brief Sets the colour-temperature code (kelvin, or 0x1000FFxx for a named white) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetColorTemperature(DvCtrlSelfCalTargetV5 *object, uint32_t value);
/** @brief Reads the black luminance in cd/m2 of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetBlackLuminance(DvCtrlSelfCalTargetV5 *object, double *value);
/** @brief Sets the black luminance in cd/m2 of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetBlackLuminance(DvCtrlSelfCalTargetV5 *object, double value);
/** @brief Reads the colour-gamut code (1 native, 255 user primaries, 2 to 9 standards) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetColorGamut(DvCtrlSelfCalTargetV5 *object, uint32_t *value);
/** @brief Sets the colour-gamut code (1 native, 255 user primaries, 2 to 9 standards) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetColorGamut(DvCtrlSelfCalTargetV5 *object, uint32_t value);
/** @brief Reads the red primary of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetRed(DvCtrlSelfCalTargetV5 *object, colour *value);
/** @brief Sets the red primary of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetRed(DvCtrlSelfCalTargetV5 *object, colour value);
/** @brief Reads the green primary of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetGreen(DvCtrlSelfCalTargetV5 *object, colour *value);
/** @brief Sets the green primary of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetGreen(DvCtrlSelfCalTargetV5 *object, colour value);
/** @brief Reads the blue primary of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetBlue(DvCtrlSelfCalTargetV5 *object, colour *value);
/** @brief Sets the blue primary of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetBlue(DvCtrlSelfCalTargetV5 *object, colour value);
/** @brief Reads gamut clipping (1 on) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetGamutClipping(DvCtrlSelfCalTargetV5 *object, uint32_t *value);
/** @brief Sets gamut clipping (1 on) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetGamutClipping(DvCtrlSelfCalTargetV5 *object, uint32_t value);
/** @brief Reads how the gamma is given (0 by index, 1 by value) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetGammaType(DvCtrlSelfCalTargetV5 *object, uint32_t *value);
/** @brief Reads the gamma index (1 to 17 stand for 1.4 to 3.0; larger indices name special curves) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetGammaIndex(DvCtrlSelfCalTargetV5 *object, int32_t *value);
/** @brief Reads the gamma value of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetGammaValue(DvCtrlSelfCalTargetV5 *object, double *value);
/** @brief Reads the calibration priority code of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetCalPriority(DvCtrlSelfCalTargetV5 *object, uint32_t *value);
/** @brief Sets the calibration priority code of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetCalPriority(DvCtrlSelfCalTargetV5 *object, uint32_t value);
/** @brief Reads the HLG system gamma code (0x80000000 when unset) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetHLGSystemGamma(DvCtrlSelfCalTargetV5 *object, uint32_t *value);
/** @brief Sets the HLG system gamma code (0x80000000 when unset) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetHLGSystemGamma(DvCtrlSelfCalTargetV5 *object, uint32_t value);
/** @brief Reads HLG clipping (1 on) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetHLGClipping(DvCtrlSelfCalTargetV5 *object, uint32_t *value);
/** @brief Sets HLG clipping (1 on) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetHLGClipping(DvCtrlSelfCalTargetV5 *object, uint32_t value);
/** @brief Reads whether the target is enabled (1 on) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetEnable(DvCtrlSelfCalTargetV5 *object, uint32_t *value);
/** @brief Sets whether the target is enabled (1 on) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetEnable(DvCtrlSelfCalTargetV5 *object, uint32_t value);
/** @brief Reads the Limited109 optimisation (nonzero on) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetLimited109Optimization(DvCtrlSelfCalTargetV5 *object, uint32_t *value);
/** @brief Sets the Limited109 optimisation (nonzero on) of a target object.
 * @param[in] object the object from DvCtrlCreateSelfCalTargetV5 or DvCtrlGetCurrentSelfCalTargetV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetLimited109Optimization(DvCtrlSelfCalTargetV5 *object, uint32_t value);
/** @brief Reads the error code of the calibration (0xFFFFFFFF when never run) of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5GetError(DvCtrlSelfCalResultV5 *object, uint32_t *value);
/** @brief Sets the error code of the calibration (0xFFFFFFFF when never run) of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5SetError(DvCtrlSelfCalResultV5 *object, uint32_t value);
/** @brief Reads the white luminance in cd/m2 of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5GetLuminance(DvCtrlSelfCalResultV5 *object, double *value);
/** @brief Sets the white luminance in cd/m2 of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5SetLuminance(DvCtrlSelfCalResultV5 *object, double value);
/** @brief Reads the white point of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5GetWhite(DvCtrlSelfCalResultV5 *object, colour *value);
/** @brief Sets the white point of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5SetWhite(DvCtrlSelfCalResultV5 *object, colour value);
/** @brief Reads the red primary of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5GetRed(DvCtrlSelfCalResultV5 *object, colour *value);
/** @brief Sets the red primary of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5SetRed(DvCtrlSelfCalResultV5 *object, colour value);
/** @brief Reads the green primary of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5GetGreen(DvCtrlSelfCalResultV5 *object, colour *value);
/** @brief Sets the green primary of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5SetGreen(DvCtrlSelfCalResultV5 *object, colour value);
/** @brief Reads the blue primary of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5GetBlue(DvCtrlSelfCalResultV5 *object, colour *value);
/** @brief Sets the blue primary of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5SetBlue(DvCtrlSelfCalResultV5 *object, colour value);
/** @brief Reads the measured black of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5GetBlack(DvCtrlSelfCalResultV5 *object, colour *value);
/** @brief Sets the measured black of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5SetBlack(DvCtrlSelfCalResultV5 *object, colour value);
/** @brief Reads the target gamma index of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5GetTargetGammaIndex(DvCtrlSelfCalResultV5 *object, uint32_t *value);
/** @brief Sets the target gamma index of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5SetTargetGammaIndex(DvCtrlSelfCalResultV5 *object, uint32_t value);
/** @brief Reads whether the black was measured (nonzero yes) of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5GetHasMeasuredBlack(DvCtrlSelfCalResultV5 *object, uint32_t *value);
/** @brief Sets whether the black was measured (nonzero yes) of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5SetHasMeasuredBlack(DvCtrlSelfCalResultV5 *object, uint32_t value);
/** @brief Reads the white measured in the Limited109 range of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5GetLimited109White(DvCtrlSelfCalResultV5 *object, colour *value);
/** @brief Sets the white measured in the Limited109 range of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5SetLimited109White(DvCtrlSelfCalResultV5 *object, colour value);
/** @brief Reads the red measured in the Limited109 range of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5GetLimited109Red(DvCtrlSelfCalResultV5 *object, colour *value);
/** @brief Sets the red measured in the Limited109 range of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5SetLimited109Red(DvCtrlSelfCalResultV5 *object, colour value);
/** @brief Reads the green measured in the Limited109 range of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5GetLimited109Green(DvCtrlSelfCalResultV5 *object, colour *value);
/** @brief Sets the green measured in the Limited109 range of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5SetLimited109Green(DvCtrlSelfCalResultV5 *object, colour value);
/** @brief Reads the blue measured in the Limited109 range of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5GetLimited109Blue(DvCtrlSelfCalResultV5 *object, colour *value);
/** @brief Sets the blue measured in the Limited109 range of a result object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultV5 or DvCtrlGetCurrentSelfCalResultV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result object */
DVC_API DvError DvCtrlSelfCalResultV5SetLimited109Blue(DvCtrlSelfCalResultV5 *object, colour value);
/** @brief Reads the contrast the calibration set of a result setting object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultSettingV5 or DvCtrlGetCurrentSelfCalResultSettingV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5GetContrast(DvCtrlSelfCalResultSettingV5 *object, uint32_t *value);
/** @brief Sets the contrast the calibration set of a result setting object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultSettingV5 or DvCtrlGetCurrentSelfCalResultSettingV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5SetContrast(DvCtrlSelfCalResultSettingV5 *object, uint32_t value);
/** @brief Reads the gamma area code of a result setting object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultSettingV5 or DvCtrlGetCurrentSelfCalResultSettingV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5GetGammaArea(DvCtrlSelfCalResultSettingV5 *object, uint32_t *value);
/** @brief Sets the gamma area code of a result setting object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultSettingV5 or DvCtrlGetCurrentSelfCalResultSettingV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5SetGammaArea(DvCtrlSelfCalResultSettingV5 *object, uint32_t value);
/** @brief Reads how the target gamma is given (0 by index, 1 by value) of a result setting object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultSettingV5 or DvCtrlGetCurrentSelfCalResultSettingV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5GetTargetGammaType(DvCtrlSelfCalResultSettingV5 *object, uint32_t *value);
/** @brief Reads the target gamma index of a result setting object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultSettingV5 or DvCtrlGetCurrentSelfCalResultSettingV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5GetTargetGammaIndex(DvCtrlSelfCalResultSettingV5 *object, int32_t *value);
/** @brief Reads the target gamma value of a result setting object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultSettingV5 or DvCtrlGetCurrentSelfCalResultSettingV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5GetTargetGammaValue(DvCtrlSelfCalResultSettingV5 *object, double *value);
/** @brief Reads the HLG system gamma code (0x80000000 when unset) of a result setting object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultSettingV5 or DvCtrlGetCurrentSelfCalResultSettingV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5GetHLGSystemGamma(DvCtrlSelfCalResultSettingV5 *object, uint32_t *value);
/** @brief Sets the HLG system gamma code (0x80000000 when unset) of a result setting object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultSettingV5 or DvCtrlGetCurrentSelfCalResultSettingV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5SetHLGSystemGamma(DvCtrlSelfCalResultSettingV5 *object, uint32_t value);
/** @brief Reads HLG clipping (1 on) of a result setting object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultSettingV5 or DvCtrlGetCurrentSelfCalResultSettingV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5GetHLGClipping(DvCtrlSelfCalResultSettingV5 *object, uint32_t *value);
/** @brief Sets HLG clipping (1 on) of a result setting object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultSettingV5 or DvCtrlGetCurrentSelfCalResultSettingV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5SetHLGClipping(DvCtrlSelfCalResultSettingV5 *object, uint32_t value);
/** @brief Reads the Limited109 setting of a result setting object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultSettingV5 or DvCtrlGetCurrentSelfCalResultSettingV5
 * @param[out] value receives the stored value, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property
 * @retval DvErrInvalidParameter `object` is null, released or not a result setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5GetLimited109Setting(DvCtrlSelfCalResultSettingV5 *object, uint32_t *value);
/** @brief Sets the Limited109 setting of a result setting object.
 * @param[in] object the object from DvCtrlCreateSelfCalResultSettingV5 or DvCtrlGetCurrentSelfCalResultSettingV5
 * @param value the new value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the property; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5SetLimited109Setting(DvCtrlSelfCalResultSettingV5 *object, uint32_t value);

/** @brief Reads the 16-byte ID of a target object.
 * @param[in] object the target object
 * @param[out] id receives 16 bytes, also when the property is not available; may be null
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the ID
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetID(DvCtrlSelfCalTargetV5 *object, uint8_t *id);
/** @brief Sets the 16-byte ID of a target object.
 * @param[in] object the target object
 * @param[in] id 16 bytes
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the ID; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object, or `id` is null */
DVC_API DvError DvCtrlSelfCalTargetV5SetID(DvCtrlSelfCalTargetV5 *object, const uint8_t *id);
/** @brief Reads the first two bytes of a target's ID as a little-endian number.
 * @param[in] object the target object
 * @param[out] value receives the number; may be null
 * @retval DvOk done
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetIDInt16(DvCtrlSelfCalTargetV5 *object, uint16_t *value);
/** @brief Clears a target's 16-byte ID and writes the number into its first two bytes, low byte first.
 * @param[in] object the target object
 * @param value the number
 * @retval DvOk done
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetIDInt16(DvCtrlSelfCalTargetV5 *object, uint16_t value);
/** @brief Gives a target's gamma by index: the type becomes 0, the value follows for indices 1 to 17
 * (1.3 + 0.1 x index) and is 0.0 for any other index.
 * @param[in] object the target object
 * @param index the gamma index
 * @retval DvOk done
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetGammaIndex(DvCtrlSelfCalTargetV5 *object, int32_t index);
/** @brief Gives a target's gamma by value: the type becomes 1; the index follows when the value is a tenth
 * step from 1.4 to 3.0 (2.2 gives 9), else it is 0.
 * @param[in] object the target object
 * @param value the gamma value
 * @retval DvOk done
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5SetGammaValue(DvCtrlSelfCalTargetV5 *object, double value);
/** @brief Copies the per-entry adjustable flags of the target LUT (nonzero adjustable) out.
 * @param[in] object the target object
 * @param[out] values receives `count` entries; null asks only whether the object carries the array
 * @param count the number of entries the caller expects: exactly what the object holds
 * @retval DvOk done
 * @retval DvErrSizeMismatch the object holds another number of entries (none until set or read); nothing copied
 * @retval DvErrNotSupported the object does not carry the array
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetLUTAdjustable(DvCtrlSelfCalTargetV5 *object, uint32_t *values, int count);
/** @brief Replaces the per-entry adjustable flags of the target LUT (nonzero adjustable).
 * @param[in] object the target object
 * @param[in] values `count` entries
 * @param count the number of entries: the object's LUT size (DvCtrlGetSelfCalLUTSize)
 * @retval DvOk done
 * @retval DvErrSizeMismatch `count` is not the LUT size; nothing changed
 * @retval DvErrNotSupported the object does not carry the array; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object, or `values` is null */
DVC_API DvError DvCtrlSelfCalTargetV5SetLUTAdjustable(DvCtrlSelfCalTargetV5 *object, const uint32_t *values, int count);
/** @brief Copies the per-entry thresholds of the target LUT out.
 * @param[in] object the target object
 * @param[out] values receives `count` entries; null asks only whether the object carries the array
 * @param count the number of entries the caller expects: exactly what the object holds
 * @retval DvOk done
 * @retval DvErrSizeMismatch the object holds another number of entries (none until set or read); nothing copied
 * @retval DvErrNotSupported the object does not carry the array
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetLUTThreshold(DvCtrlSelfCalTargetV5 *object, double *values, int count);
/** @brief Replaces the per-entry thresholds of the target LUT.
 * @param[in] object the target object
 * @param[in] values `count` entries
 * @param count the number of entries: the object's LUT size (DvCtrlGetSelfCalLUTSize)
 * @retval DvOk done
 * @retval DvErrSizeMismatch `count` is not the LUT size; nothing changed
 * @retval DvErrNotSupported the object does not carry the array; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object, or `values` is null */
DVC_API DvError DvCtrlSelfCalTargetV5SetLUTThreshold(DvCtrlSelfCalTargetV5 *object, const double *values, int count);
/** @brief Copies the entries of the target LUT, as fractions of full scale out.
 * @param[in] object the target object
 * @param[out] values receives `count` entries; null asks only whether the object carries the array
 * @param count the number of entries the caller expects: exactly what the object holds
 * @retval DvOk done
 * @retval DvErrSizeMismatch the object holds another number of entries (none until set or read); nothing copied
 * @retval DvErrNotSupported the object does not carry the array
 * @retval DvErrInvalidParameter `object` is null, released or not a target object */
DVC_API DvError DvCtrlSelfCalTargetV5GetLUTValue(DvCtrlSelfCalTargetV5 *object, double *values, int count);
/** @brief Replaces the entries of the target LUT, as fractions of full scale.
 * @param[in] object the target object
 * @param[in] values `count` entries
 * @param count the number of entries: the object's LUT size (DvCtrlGetSelfCalLUTSize)
 * @retval DvOk done
 * @retval DvErrSizeMismatch `count` is not the LUT size; nothing changed
 * @retval DvErrNotSupported the object does not carry the array; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a target object, or `values` is null */
DVC_API DvError DvCtrlSelfCalTargetV5SetLUTValue(DvCtrlSelfCalTargetV5 *object, const double *values, int count);
/** @brief Copies the gain matrix of a result-setting object: nine doubles, row by row.
 * @param[in] object the result-setting object
 * @param[out] values receives nine doubles; may be null
 * @retval DvOk done
 * @retval DvErrInvalidParameter `object` is null, released or not a result-setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5GetGainMatrix(DvCtrlSelfCalResultSettingV5 *object, double *values);
/** @brief Sets the gain matrix of a result-setting object: nine doubles, row by row.
 * @param[in] object the result-setting object
 * @param[in] values nine doubles
 * @retval DvOk done
 * @retval DvErrInvalidParameter `object` is null, released or not a result-setting object, or `values` is null */
DVC_API DvError DvCtrlSelfCalResultSettingV5SetGainMatrix(DvCtrlSelfCalResultSettingV5 *object, const double *values);
/** @brief Copies the emulation matrix of a result-setting object: nine doubles, row by row.
 * @param[in] object the result-setting object
 * @param[out] values receives nine doubles; may be null
 * @retval DvOk done
 * @retval DvErrInvalidParameter `object` is null, released or not a result-setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5GetEmulationMatrix(DvCtrlSelfCalResultSettingV5 *object, double *values);
/** @brief Sets the emulation matrix of a result-setting object: nine doubles, row by row.
 * @param[in] object the result-setting object
 * @param[in] values nine doubles
 * @retval DvOk done
 * @retval DvErrInvalidParameter `object` is null, released or not a result-setting object, or `values` is null */
DVC_API DvError DvCtrlSelfCalResultSettingV5SetEmulationMatrix(DvCtrlSelfCalResultSettingV5 *object, const double *values);
/** @brief Gives a result setting's target gamma by index: the type becomes 0, the value follows for indices
 * 1 to 17 (1.3 + 0.1 x index) and is 0.0 for any other index.
 * @param[in] object the result-setting object
 * @param index the gamma index
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the target gamma
 * @retval DvErrInvalidParameter `object` is null, released or not a result-setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5SetTargetGammaIndex(DvCtrlSelfCalResultSettingV5 *object, int32_t index);
/** @brief Gives a result setting's target gamma by value: the type becomes 1; the index follows when the value
 * is a tenth step from 1.4 to 3.0, else it is 0.
 * @param[in] object the result-setting object
 * @param value the gamma value
 * @retval DvOk done
 * @retval DvErrNotSupported the object does not carry the target gamma
 * @retval DvErrInvalidParameter `object` is null, released or not a result-setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5SetTargetGammaValue(DvCtrlSelfCalResultSettingV5 *object, double value);
/** @brief Copies the three LUT channels of a result setting out, channel 0 first; a null channel is skipped.
 * @param[in] object the result-setting object
 * @param[out] channel0 receives `count` entries of channel 0; may be null
 * @param[out] channel1 receives `count` entries of channel 1; may be null
 * @param[out] channel2 receives `count` entries of channel 2; may be null
 * @param count the number of entries per channel: exactly what the object holds
 * @retval DvOk done
 * @retval DvErrSizeMismatch a channel holds another number of entries; the channels before it were copied
 * @retval DvErrNotSupported the object does not carry the LUT
 * @retval DvErrInvalidParameter `object` is null, released or not a result-setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5GetLUT(DvCtrlSelfCalResultSettingV5 *object, double *channel0,
                                                   double *channel1, double *channel2, int count);
/** @brief Replaces the LUT channels of a result setting that are given, channel 0 first.
 * @param[in] object the result-setting object
 * @param[in] channel0 `count` entries of channel 0; null leaves the channel
 * @param[in] channel1 `count` entries of channel 1; null leaves the channel
 * @param[in] channel2 `count` entries of channel 2; null leaves the channel
 * @param count the number of entries per channel: the object's LUT size
 * @retval DvOk done
 * @retval DvErrSizeMismatch `count` is not the LUT size; no channel changed
 * @retval DvErrNotSupported the object does not carry the LUT; nothing changed
 * @retval DvErrInvalidParameter `object` is null, released or not a result-setting object */
DVC_API DvError DvCtrlSelfCalResultSettingV5SetLUT(DvCtrlSelfCalResultSettingV5 *object, const double *channel0,
                                                   const double *channel1, const double *channel2, int count);

DVC_EXTERN_C_END

#endif
