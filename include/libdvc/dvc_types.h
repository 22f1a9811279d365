/* libdvc: the types that every export shares. */
#ifndef LIBDVC_DVC_TYPES_H
#define LIBDVC_DVC_TYPES_H

#include <stdint.h>

#if defined(__GNUC__)
#define DVC_API __attribute__((visibility("default")))
#else
#define DVC_API
#endif

#ifdef __cplusplus
#define DVC_EXTERN_C_BEGIN extern "C" {
#define DVC_EXTERN_C_END }
#define DVC_ENUM_BASE : int32_t
#else
#define DVC_EXTERN_C_BEGIN
#define DVC_EXTERN_C_END
#define DVC_ENUM_BASE
#endif

/* Result code of most exports: 0 is success, every failure is negative
 * (top bit set), so "result < 0" tests for failure. */
typedef enum DvError DVC_ENUM_BASE {
    DvOk                  = 0,
    DvErrFailed           = (int32_t)0x80000000u, /* general failure; unknown monitor; busy lock */
    DvErrInvalidParameter = (int32_t)0x80000001u, /* argument out of range, or a required pointer is null */
    DvErrNullOutput       = (int32_t)0x80000002u, /* the out-pointer for the result is null */
    DvErrSizeMismatch     = (int32_t)0x80000003u, /* caller buffer missing or of the wrong element count */
    DvErrDeviceNotUsable  = (int32_t)0x80000004u, /* no communication path could be made from a handle */
    DvErrBadSignature     = (int32_t)0x80000005u, /* a block from the monitor lacks its signature */
    DvErrRefused          = (int32_t)0x80000006u, /* the monitor answered with a refusal: a final answer */
    DvErrNotSupported     = (int32_t)0x80000007u, /* not supported by this model or path */
    DvErrNotImplemented   = (int32_t)0x80000009u, /* the path kind does not carry the operation */
    DvErrOutOfUnitRange   = (int32_t)0x8000000Au, /* a normalised value lies outside 0.0 to 1.0 */
    DvErrNoMoreItems      = (int32_t)0x8000000Bu, /* end of an enumeration, or nothing found */
    DvErrDataTruncated    = (int32_t)0x80000011u, /* a record runs past the end of its block */
    DvErrTimeout          = (int32_t)0x80000013u, /* the awaited state did not come in time */
    DvErrCountOutOfRange  = (int32_t)0x80000014u, /* a count from the monitor is out of range */
    DvErrInvalidIndex     = (int32_t)0x80000015u, /* a negative index, or a value reported as unset */
    DvErrChecksum         = (int32_t)0x80000016u, /* a block's checksum does not match */
    DvErrNoData           = (int32_t)0x8000001Au, /* a required data buffer was not given */
    DvErrWrongLength      = (int32_t)0x8000001Bu  /* a block's length is not the model's */
} DvError;

/* Communication path kinds, as DvCtrlFind takes them and
 * DvCtrlGetCommunicationPath returns them. */
enum {
    DvPathHID = 0,       /* USB HID */
    DvPathDDCCIType0 = 1, /* DDC/CI, transport communication type 0 */
    DvPathDDCCIType1 = 2  /* DDC/CI, transport communication type 1 */
};

/* A colour as the colour library passes it: 18 doubles, by value. Only the
 * tristimulus values and the chromaticity are used. */
#ifndef DVC_COLOUR_DEFINED
#define DVC_COLOUR_DEFINED
typedef struct colour {
    double reserved_a[7];   /* kept and copied; zero when built */
    double X, Y, Z;         /* tristimulus values */
    double x, y;            /* chromaticity */
    double reserved_b[6];
} colour;
#endif

#endif
