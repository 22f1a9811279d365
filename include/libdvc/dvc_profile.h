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
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param show Nonzero to show `request`; 0 (or a null request) hides the patch.
 *  @param[in] request The patch; its colours must lie within 0.0 to 1.0.
 *  @return DvOk; DvErrOutOfUnitRange for a colour outside 0.0 to 1.0 (nothing sent); DvErrNotSupported when the
 *  monitor has no patch generator; DvErrFailed when the monitor is not known or the library is busy; the path's
 *  error otherwise. */
DVC_API DvError DvCtrlGenerateColorPatch(const char *id1, const char *id2, int show,
                                         const DvColorPatchRequest *request);

/* One tone curve of the profile data: kind 1 carries a gamma, kind 2 the
 * monitor's 256-entry LUT of the channel (levels 0.0 to 1.0). */
typedef struct DvToneCurve {
    uint32_t kind;
    union {
        double gamma;
        double lut[256];
        uint8_t bytes[2048];
    } data;
} DvToneCurve;

/* What a host needs to build a colour profile of the monitor: the colours
 * of device white, black and the three primaries as the monitor renders
 * them, normalised so that white has Y = 1, and the tone curves of the
 * three channels. */
typedef struct DvProfileData {
    double peakLuminance; /* cd/m2; 0.0 when the monitor does not report it */
    colour white;         /* device (1, 1, 1) */
    colour black;         /* device (0, 0, 0) */
    colour red;           /* device (1, 0, 0) */
    colour green;         /* device (0, 1, 0) */
    colour blue;          /* device (0, 0, 1) */
    DvToneCurve curves[3];
} DvProfileData;

/** @brief Assembles the data a colour profile of the monitor needs: device white, black and primaries as the
 *  monitor renders them (white normalised to Y = 1), the peak luminance, and the three tone curves. It calls
 *  other exports (system chromaticity, chip matrix, luminance, gamma index, tone LUT), each under its own lock.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param[out] profile Out: the profile data.
 *  @return DvOk; DvErrInvalidParameter for a null profile; DvErrFailed when white has no luminance through the
 *  monitor's matrices; otherwise the error of the first read that fails (what was filled before stays). */
DVC_API DvError DvCtrlProfGetData(const char *id1, const char *id2, DvProfileData *profile);

DVC_EXTERN_C_END

#endif
