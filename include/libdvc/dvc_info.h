/* libdvc: information, save and reset. */
#ifndef LIBDVC_DVC_INFO_H
#define LIBDVC_DVC_INFO_H

#include "libdvc/dvc_types.h"

/* Feature table exports: written by scripts/gen_feature_headers.py from
 * src/features/info_table.def; change the table, not these lines. */
DVC_EXTERN_C_BEGIN

/* Reads the screen size setting. */
DVC_API DvError DvCtrlGetScreenSize(const char *id1, const char *id2, int *value);
/* Sets the screen size setting. */
DVC_API DvError DvCtrlSetScreenSize(const char *id1, const char *id2, int value);
/* Nonzero when the screen size can be set. */
DVC_API int DvCtrlSupportedScreenSize(const char *id1, const char *id2);
/* Saves the current settings into the monitor's memory `value`. */
DVC_API DvError DvCtrlSaveAtIndex(const char *id1, const char *id2, int value);
/* Resets the monitor's memory `value` to its factory settings. */
DVC_API DvError DvCtrlResetAtIndex(const char *id1, const char *id2, int value);
/* Nonzero when the monitor reports its firmware version. */
DVC_API int DvCtrlSupportedFirmwareVersion(const char *id1, const char *id2);

DVC_EXTERN_C_END
/* End of feature table exports */

/* Operations with an encoding of their own */
DVC_EXTERN_C_BEGIN

/* Resets settings: kind 1 all settings, 3 the colour-adjustment state, 0
 * and 2 and 6 upwards as the monitor defines them. Kinds 4 and 5 give
 * DvErrNotSupported. */
DVC_API DvError DvCtrlReset(const char *id1, const char *id2, int kind);
/* Resets one setting group, named by the monitor's reset value. */
DVC_API DvError DvCtrlEachReset(const char *id1, const char *id2, int value);
/* Saves the current settings: kind 0, 1 or 2 selects what is saved, `value`
 * (16 bits) where. */
DVC_API DvError DvCtrlCurrentSave(const char *id1, const char *id2, int kind, int value);
/* Stores the current settings in the monitor. */
DVC_API DvError DvCtrlSave(const char *id1, const char *id2);
/* The firmware version text; DvErrSizeMismatch when it does not fit. */
DVC_API DvError DvCtrlGetFirmwareVersion(const char *id1, const char *id2, char *buffer, int capacity);

DVC_EXTERN_C_END
/* End of operations with an encoding of their own */

#endif
