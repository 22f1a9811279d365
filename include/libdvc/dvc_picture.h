/* libdvc: picture adjustments. */
#ifndef LIBDVC_DVC_PICTURE_H
#define LIBDVC_DVC_PICTURE_H

#include "libdvc/dvc_types.h"

/* Operations with an encoding of their own */
DVC_EXTERN_C_BEGIN

/* What DvCtrlDisableColorForCandelaUpdate changed, kept by the caller until
 * DvCtrlRestoreDisableColorForCandelaUpdate gives it back (opaque). */
typedef struct DvColorDisableState DvColorDisableState;

/* Switches colour processing off (1) or on (0). `previous` (may be null)
 * receives the state before the call; when colour goes off from on and
 * `waitMs` is nonzero, the tone-curve state is refreshed and the call waits
 * `waitMs` milliseconds for the picture to settle. */
DVC_API DvError DvCtrlSetColorDisable(const char *id1, const char *id2, int value, int *previous, int waitMs);
/* Switches colour processing and the 3D LUT off for a luminance update and
 * hands back a new state record in *state; the caller owns it until it
 * passes it to DvCtrlRestoreDisableColorForCandelaUpdate. */
DVC_API DvError DvCtrlDisableColorForCandelaUpdate(const char *id1, const char *id2, DvColorDisableState **state,
                                                   int waitMs);
/* Puts back what the state record says and frees it, whatever the result;
 * the record must not be used afterwards. A null record gives
 * DvErrInvalidParameter. */
DVC_API DvError DvCtrlRestoreDisableColorForCandelaUpdate(const char *id1, const char *id2,
                                                          DvColorDisableState *state);
/* x and y of the red, green and blue primaries and of white: from the
 * monitor's chromaticity controls, else from its EDID (other members are
 * zeroed then). */
DVC_API DvError DvCtrlGetRGBWChromaticities(const char *id1, const char *id2, colour *red, colour *green,
                                            colour *blue, colour *white);

DVC_EXTERN_C_END
/* End of operations with an encoding of their own */

#endif
