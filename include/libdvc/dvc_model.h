/** @file
 * libdvc: what identification learned about a monitor's model. These calls
 * answer from the model's description and make no monitor traffic. */
#ifndef LIBDVC_DVC_MODEL_H
#define LIBDVC_DVC_MODEL_H

#include "libdvc/dvc_types.h"

DVC_EXTERN_C_BEGIN

/** Number of picture modes of the model; 0 when it has none. */
DVC_API int DvCtrlGetModeCount(const char *id1, const char *id2);
/** Gamma value of entry `index` of the model's gamma table (negative values
 * name special tone curves); DvErrNoMoreItems past the end. */
DVC_API DvError DvCtrlEnumGamma(const char *id1, const char *id2, int index, double *gamma);
/** Gamma index of entry `index`: the monitor's gamma code + 1 below 208, the
 * code itself from 208 up; DvErrNoMoreItems past the end. */
DVC_API DvError DvCtrlEnumGammaIndex(const char *id1, const char *id2, int index, int *gammaIndex);
/** Colour-temperature value `index` that the model offers (kelvin, or 0 and
 * 0xFF00 upwards for presets); DvErrNoMoreItems past the end. */
DVC_API DvError DvCtrlEnumColorTemperature(const char *id1, const char *id2, int index, int *value);
/** Native LUT bit depth (8 or 10); -1 and DvErrNotSupported without one. */
DVC_API DvError DvCtrlGetNativeLUTBitDepth(const char *id1, const char *id2, int *depth);
/** Revision number of the panel, as the monitor describes itself. */
DVC_API DvError DvCtrlGetPanelRevision(const char *id1, const char *id2, int *revision);
/** Number of media-emulation tables; 0 when the model has none. */
DVC_API int DvCtrlGetMediaEmuCount(const char *id1, const char *id2);
/** The 32 feature flags of preset flavor entry `entry` (flags 0 to 14 may be
 * set); DvErrNotSupported without flavors, DvErrInvalidParameter for an
 * entry past the end. */
DVC_API DvError DvCtrlGetSupportedFeature(const char *id1, const char *id2, int entry, int features[32]);
/** Mode number (1 to 8) at `position` of flavor entry `entry`;
 * DvErrInvalidParameter past the end of either list. */
DVC_API DvError DvCtrlEnumSupportedFlavor(const char *id1, const char *id2, int entry, int position, int *mode);
/** Flavor number of flavor entry `entry`. */
DVC_API DvError DvCtrlGetPresetFlavor(const char *id1, const char *id2, int entry, int *flavor);
/** Exported numbers of the model's first `capacity` input ports (10, 11, 20,
 * 21, 30, 31, 40, 41, 50 to 53, 2560 to 2563, 2576, 2577, 2592; 0 for a
 * port without a number). */
DVC_API DvError DvCtrlGetSupportedInputPort(const char *id1, const char *id2, int *ports, int capacity);
/** Number of the model's input ports. */
DVC_API int DvCtrlGetSupportedInputPortCount(const char *id1, const char *id2);
/**@{*/
/** The model's USB-C ports with an alternate mode (first `capacity`). */
DVC_API DvError DvCtrlGetUSBCAltModePort(const char *id1, const char *id2, int *ports, int capacity);
DVC_API int DvCtrlGetUSBCAltModePortCount(const char *id1, const char *id2);
/**@}*/
/** 1 for a panel of the current generation, else 0. */
DVC_API DvError DvCtrlGetPanelType(const char *id1, const char *id2, int *type);
/** The model's picture-by-picture type (0: none). */
DVC_API DvError DvCtrlGetMonitorPbyPType(const char *id1, const char *id2, int *type);
/**@{*/
/** Calibration modes: pair `index` of (Tonality value, calibration slot),
 * DvErrNoMoreItems past the last; the current Tonality when it is one. */
DVC_API int DvCtrlSupportedTNFunction(const char *id1, const char *id2);
DVC_API DvError DvCtrlGetTNInformation(const char *id1, const char *id2, int index, int *tonality, int *slot);
DVC_API DvError DvCtrlGetCurrentCalibrationTN(const char *id1, const char *id2, int *tonality);
/**@}*/

DVC_EXTERN_C_END

#endif
