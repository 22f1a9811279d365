/* libdvc: colour patches that the monitor generates, and the data a host
 * needs to build a colour profile of the monitor. */
#ifndef LIBDVC_DVC_PROFILE_H
#define LIBDVC_DVC_PROFILE_H

#include "libdvc/dvc_types.h"

DVC_EXTERN_C_BEGIN

/* A flat patch for DvCtrlGenerateColorPatch. The meaning of the kind words
 * and of the geometry values belongs to the monitor's firmware; the library
 * only moves them. */
typedef struct DvColorPatchRequest {
    uint32_t kindFlag;     /* nonzero: patch kind 3, zero: kind 1 */
    uint32_t raiseKind;    /* 1: the kind is raised by 1 */
    double red;            /* 0.0 to 1.0 */
    double green;          /* 0.0 to 1.0 */
    double blue;           /* 0.0 to 1.0 */
    uint16_t geometry[4];  /* passed to the monitor unchanged */
} DvColorPatchRequest;

/** @brief Shows a flat colour patch generated inside the monitor, or hides it. When a patch appears
 *  where none was shown, the call waits the model's settle time before it returns.
 *  @param show Nonzero to show `request`; 0 (or a null request) hides the patch.
 *  @param request The patch; its colours must lie within 0.0 to 1.0.
 *  @return DvOk; DvErrOutOfUnitRange for a colour outside 0.0 to 1.0 (nothing sent); DvErrNotSupported when the
 *  monitor has no patch generator; the path's error otherwise. */
DVC_API DvError DvCtrlGenerateColorPatch(const char *id1, const char *id2, int show,
                                         const DvColorPatchRequest *request);

DVC_EXTERN_C_END

#endif
