/** @file
 * libdvc: what identification learned about a monitor's model. These calls
 * answer from the model's description and make no monitor traffic. */
#ifndef LIBDVC_DVC_MODEL_H
#define LIBDVC_DVC_MODEL_H

#include "libdvc/dvc_types.h"

DVC_EXTERN_C_BEGIN

/** @brief Number of picture modes of the model.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the number of modes; 0 when it has none, or the call failed */
DVC_API int DvCtrlGetModeCount(const char *id1, const char *id2);
/** @brief Gamma value of entry `index` of the model's gamma table (negative values name special tone curves).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the entry, from 0
 * @param[out] gamma receives the gamma value
 * @retval DvOk done
 * @retval DvErrNoMoreItems `index` is negative or past the end
 * @retval DvErrInvalidParameter `gamma` is null
 * @retval DvErrFailed the monitor is not known, the library is busy, or it has no model description */
DVC_API DvError DvCtrlEnumGamma(const char *id1, const char *id2, int index, double *gamma);
/** @brief Gamma index of entry `index`: the monitor's gamma code + 1 below 208, the code itself from 208 up.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the entry, from 0
 * @param[out] gammaIndex receives the gamma index
 * @retval DvOk done
 * @retval DvErrNoMoreItems `index` is negative or past the end
 * @retval DvErrInvalidParameter `gammaIndex` is null
 * @retval DvErrFailed the monitor is not known, the library is busy, or it has no model description */
DVC_API DvError DvCtrlEnumGammaIndex(const char *id1, const char *id2, int index, int *gammaIndex);
/** @brief Colour-temperature value `index` that the model offers (kelvin, or 0 and 0xFF00 upwards for presets).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the entry, from 0
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrNoMoreItems `index` is negative or past the end
 * @retval DvErrInvalidParameter `value` is null
 * @retval DvErrFailed the monitor is not known, the library is busy, or it has no model description */
DVC_API DvError DvCtrlEnumColorTemperature(const char *id1, const char *id2, int index, int *value);
/** @brief Native LUT bit depth of the model.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] depth receives 8 or 10; -1 when the model has no native LUT
 * @retval DvOk done
 * @retval DvErrNotSupported the model has no native LUT
 * @retval DvErrInvalidParameter `depth` is null
 * @retval DvErrFailed the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlGetNativeLUTBitDepth(const char *id1, const char *id2, int *depth);
/** @brief Revision number of the panel, as the monitor describes itself.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] revision receives the revision
 * @retval DvOk done
 * @retval DvErrInvalidParameter `revision` is null
 * @retval DvErrFailed the monitor is not known, the library is busy, or it has no model description */
DVC_API DvError DvCtrlGetPanelRevision(const char *id1, const char *id2, int *revision);
/** @brief Number of media-emulation tables of the model.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the number of tables; 0 when the model has none, or the call failed */
DVC_API int DvCtrlGetMediaEmuCount(const char *id1, const char *id2);
/** @brief The 32 feature flags of preset flavor entry `entry` (flags 0 to 14 may be set).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param entry the flavor entry, from 0
 * @param[out] features receives the 32 flags
 * @retval DvOk done
 * @retval DvErrNotSupported the model has no flavors
 * @retval DvErrInvalidParameter `entry` is past the end, or `features` is null
 * @retval DvErrFailed the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlGetSupportedFeature(const char *id1, const char *id2, int entry, int features[32]);
/** @brief Mode number (1 to 8) at `position` of flavor entry `entry`.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param entry the flavor entry, from 0
 * @param position the position in the entry's mode list, from 0
 * @param[out] mode receives the mode number
 * @retval DvOk done
 * @retval DvErrNotSupported the model has no flavors
 * @retval DvErrInvalidParameter `entry` or `position` is past the end of its list, or `mode` is null
 * @retval DvErrFailed the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlEnumSupportedFlavor(const char *id1, const char *id2, int entry, int position, int *mode);
/** @brief Flavor number of flavor entry `entry`.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param entry the flavor entry, from 0
 * @param[out] flavor receives the flavor number
 * @retval DvOk done
 * @retval DvErrNotSupported the model has no flavors
 * @retval DvErrInvalidParameter `entry` is past the end, or `flavor` is null
 * @retval DvErrFailed the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlGetPresetFlavor(const char *id1, const char *id2, int entry, int *flavor);
/** @brief Exported numbers of the model's first `capacity` input ports (10, 11, 20, 21, 30, 31, 40, 41, 50 to
 * 53, 2560 to 2563, 2576, 2577, 2592; 0 for a port without a number).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] ports receives min(port count, capacity) numbers
 * @param capacity room in `ports`; 0 or less writes nothing
 * @retval DvOk done
 * @retval DvErrInvalidParameter `ports` is null while there is something to write
 * @retval DvErrFailed the monitor is not known, the library is busy, or it has no model description */
DVC_API DvError DvCtrlGetSupportedInputPort(const char *id1, const char *id2, int *ports, int capacity);
/** @brief Number of the model's input ports.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the number of ports; 0 when the call failed */
DVC_API int DvCtrlGetSupportedInputPortCount(const char *id1, const char *id2);
/**@{*/
/** @brief Copies the first `capacity` of the model's USB-C ports with an alternate mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] ports receives min(port count, capacity) ports
 * @param capacity room in `ports`
 * @retval DvOk done
 * @retval DvErrInvalidParameter `ports` is null or `capacity` is negative
 * @retval DvErrFailed the monitor is not known, the library is busy, or it has no model description */
DVC_API DvError DvCtrlGetUSBCAltModePort(const char *id1, const char *id2, int *ports, int capacity);
/** @brief Number of the model's USB-C ports with an alternate mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the number of ports; 0 when the call failed */
DVC_API int DvCtrlGetUSBCAltModePortCount(const char *id1, const char *id2);
/**@}*/
/** @brief The panel type of the model.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] type receives 1 for a panel of the current generation, else 0
 * @retval DvOk done
 * @retval DvErrInvalidParameter `type` is null
 * @retval DvErrFailed the monitor is not known, the library is busy, or it has no model description */
DVC_API DvError DvCtrlGetPanelType(const char *id1, const char *id2, int *type);
/** @brief The model's picture-by-picture type.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] type receives the type (0: none)
 * @retval DvOk done
 * @retval DvErrInvalidParameter `type` is null
 * @retval DvErrFailed the monitor is not known, the library is busy, or it has no model description */
DVC_API DvError DvCtrlGetMonitorPbyPType(const char *id1, const char *id2, int *type);
/** @brief Nonzero when the model has calibration modes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it has; 0 when it has not, or the call failed */
DVC_API int DvCtrlSupportedTNFunction(const char *id1, const char *id2);
/** @brief Calibration mode `index`: a pair of Tonality value and calibration slot.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the calibration mode, from 0
 * @param[out] tonality receives the Tonality value
 * @param[out] slot receives the calibration slot
 * @retval DvOk done
 * @retval DvErrNoMoreItems `index` is negative or past the last
 * @retval DvErrInvalidParameter `tonality` or `slot` is null
 * @retval DvErrFailed the monitor is not known, the library is busy, or it has no model description */
DVC_API DvError DvCtrlGetTNInformation(const char *id1, const char *id2, int index, int *tonality, int *slot);
/** @brief The monitor's current Tonality, when it is one of the calibration modes (reads the monitor).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] tonality receives the Tonality value
 * @retval DvOk done
 * @retval DvErrNotSupported the model has no calibration modes, or the current Tonality is none of them
 * @retval DvErrInvalidParameter `tonality` is null
 * @retval DvErrFailed the monitor is not known, or the library is busy
 * @return otherwise the error of reading the Tonality */
DVC_API DvError DvCtrlGetCurrentCalibrationTN(const char *id1, const char *id2, int *tonality);

DVC_EXTERN_C_END

#endif
