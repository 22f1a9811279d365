/* libdvc: information, save and reset. */
#ifndef LIBDVC_DVC_INFO_H
#define LIBDVC_DVC_INFO_H

#include "libdvc/dvc_types.h"

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

DVC_EXTERN_C_END
/* End of operations with an encoding of their own */

#endif
