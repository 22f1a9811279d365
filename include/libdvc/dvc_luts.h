/* libdvc: look-up tables, gamut and matrices. */
#ifndef LIBDVC_DVC_LUTS_H
#define LIBDVC_DVC_LUTS_H

#include "libdvc/dvc_types.h"

/* Feature table exports: written by scripts/gen_feature_headers.py from
 * src/features/luts_table.def; change the table, not these lines. */
DVC_EXTERN_C_BEGIN

/* Reads the colour gamut index. */
DVC_API DvError DvCtrlGetGamutIndex(const char *id1, const char *id2, int *value);
/* Sets the colour gamut index. */
DVC_API DvError DvCtrlSetGamutIndex(const char *id1, const char *id2, int value);
/* Nonzero when the colour gamut can be chosen. */
DVC_API int DvCtrlSupportedGamutIndex(const char *id1, const char *id2);
/* Reads whether the monitor takes XYZ signals. */
DVC_API DvError DvCtrlGetXYZFormat(const char *id1, const char *id2, int *value);
/* Makes the monitor take XYZ signals (nonzero) or not (0). */
DVC_API DvError DvCtrlSetXYZFormat(const char *id1, const char *id2, int value);
/* Nonzero when the monitor can take XYZ signals. */
DVC_API int DvCtrlSupportedXYZFormat(const char *id1, const char *id2);
/* Sets whether the colour matrices are in use. */
DVC_API DvError DvCtrlSetColorMatrixEnable(const char *id1, const char *id2, int value);
/* Nonzero when the colour matrices can be switched. */
DVC_API int DvCtrlSupportedColorMatrixEnable(const char *id1, const char *id2);
/* Nonzero when the monitor has a transferable 3D LUT. */
DVC_API int DvCtrlSupported3DLUT(const char *id1, const char *id2);
/* The number of colour routes; 0 when unknown. */
DVC_API int DvCtrlGetColorRouteCount(const char *id1, const char *id2);

DVC_EXTERN_C_END
/* End of feature table exports */

#endif
