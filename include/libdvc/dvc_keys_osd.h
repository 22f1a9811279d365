/* libdvc: keys, on-screen display, markers and patterns. */
#ifndef LIBDVC_DVC_KEYS_OSD_H
#define LIBDVC_DVC_KEYS_OSD_H

#include "libdvc/dvc_types.h"

/* Operations with an encoding of their own */
DVC_EXTERN_C_BEGIN

/* Shows the centre cross marker (the call takes 200 ms). */
DVC_API DvError DvCtrlShowCenterCrossMarker(const char *id1, const char *id2);
/* Hides the centre cross marker and checks that it went (three tries). */
DVC_API DvError DvCtrlHideCenterCrossMarker(const char *id1, const char *id2);
/* How often the front key `key` (0 to 255) has been pressed. */
DVC_API DvError DvCtrlGetKeyPushCount(const char *id1, const char *id2, int key, int *count);

DVC_EXTERN_C_END
/* End of operations with an encoding of their own */

#endif
