/* libdvc: modes, inputs, signal, layouts and USB. */
#ifndef LIBDVC_DVC_MODES_INPUTS_H
#define LIBDVC_DVC_MODES_INPUTS_H

#include "libdvc/dvc_types.h"

/* Operations with an encoding of their own */
DVC_EXTERN_C_BEGIN

/* One area of the image-in-image layout, as the monitor reports it. */
typedef struct DvIISArea {
    uint32_t setting[3];  /* the area's three one-byte settings */
    uint32_t geometry[4]; /* its four 16-bit position and size values */
} DvIISArea;

/* The properties of one output segment, as the monitor reports them. */
typedef struct DvOutputSegmentProperty {
    uint16_t values[4]; /* four 16-bit values */
    int32_t flag;       /* 1 when set, else 0 */
    uint8_t bytes[2];   /* two one-byte settings */
    int32_t kind;       /* 1 or 2; 0 when the monitor reports another kind */
} DvOutputSegmentProperty;

/* What the monitor knows of the incoming signal. Every field is -1 when the
 * monitor does not say; portType is 0 for a port code it does not name. */
typedef struct DvSignalInfoFrame {
    int32_t portType;          /* 10, 11, 20, 21, 30, 31, 40, 41, 50..53, 60, 61, 70, 71, 80, 81, 2560..2592 */
    int32_t quantizationRange; /* 0 full, 1 limited */
    int32_t bitDepth;          /* bits per component: 6, 8, 10, 12 or 16 */
    int32_t colorFormat;       /* 0 RGB, 1 YCbCr 4:2:2, 2 YCbCr 4:4:4, 3 YCbCr 4:2:0, 4 another format */
    int32_t colorimetry;       /* the monitor's colorimetry number (0..15) */
    int32_t transferFunction;  /* 0 SDR, 1 HDR, 2 SMPTE ST 2084, 3 HLG (CTA-861 EOTF) */
} DvSignalInfoFrame;

/* Writes the EDID to the monitor's DDC and waits (up to five minutes) until
 * the monitor reports it done; DvErrFailed when it reports failure. */
DVC_API DvError DvCtrlExecuteEDIDDDCWrite(const char *id1, const char *id2);
/* Starts an automatic adjustment: kind 1 to 4. With `wait` nonzero, waits
 * up to 10 s for it to finish (DvErrTimeout when it does not). */
DVC_API DvError DvCtrlSetAutoAdjust(const char *id1, const char *id2, int kind, int wait);
/* The image-in-image area at `index` (0 to the area count - 1). */
DVC_API DvError DvCtrlGetIISArea(const char *id1, const char *id2, int index, DvIISArea *area);
/* The current properties of output segment `segment`. */
DVC_API DvError DvCtrlGetOutputSegmentProperty(const char *id1, const char *id2, int segment,
                                               DvOutputSegmentProperty *property);
/* The fixed properties of output segment `segment`. */
DVC_API DvError DvCtrlGetOutputSegmentPropertyConstant(const char *id1, const char *id2, int segment,
                                                       DvOutputSegmentProperty *property);
/* Selects the USB upstream port (0 to 255); over USB HID only. */
DVC_API DvError DvCtrlSetUSBSelection(const char *id1, const char *id2, int port);
/* Clears the selection of the target that later target-selection calls
 * address. */
DVC_API DvError DvCtrlClearTargetSelection(const char *id1, const char *id2);
/* Port type, range, bit depth, colour format, colorimetry and transfer
 * function of the incoming signal. */
DVC_API DvError DvCtrlGetSignalInfoFrame(const char *id1, const char *id2, DvSignalInfoFrame *info);

DVC_EXTERN_C_END
/* End of operations with an encoding of their own */

#endif
