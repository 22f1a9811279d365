/** @file
 * libdvc: the types that every export shares. */
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
 * (top bit set), so "result < 0" tests for failure. The transports and the
 * virtual monitors answer in the same code space.
 *
 * The list of results, one line each: name, value, and the sentence that
 * says what the value means to a user (DvErrorText in dvc_errors.h). The
 * enumeration below, DvErrorName and DvErrorText are all built from it. */
#define DVC_ERROR_LIST(X) \
    X(DvOk,                  0x00000000u, "Success.") \
    X(DvErrFailed,           0x80000000u, "The call failed: the monitor is not known, the library is busy, or the transport failed.") \
    X(DvErrInvalidParameter, 0x80000001u, "An argument is out of range, or a required pointer or handle is null.") \
    X(DvErrNullOutput,       0x80000002u, "The pointer that should receive the result is null.") \
    X(DvErrSizeMismatch,     0x80000003u, "A buffer is missing or its size does not match the data.") \
    X(DvErrDeviceNotUsable,  0x80000004u, "No communication path could be made from the device handle.") \
    X(DvErrBadSignature,     0x80000005u, "A data block from the monitor lacks its expected signature.") \
    X(DvErrRefused,          0x80000006u, "The monitor refused the request.") \
    X(DvErrNotSupported,     0x80000007u, "The monitor or path does not support this feature.") \
    X(DvErrNotImplemented,   0x80000009u, "This communication path does not carry the operation.") \
    X(DvErrOutOfUnitRange,   0x8000000Au, "A normalised value lies outside 0.0 to 1.0.") \
    X(DvErrNoMoreItems,      0x8000000Bu, "There are no more items.") \
    X(DvErrDataTruncated,    0x80000011u, "A record runs past the end of its data block.") \
    X(DvErrTimeout,          0x80000013u, "The monitor did not reach the awaited state in time.") \
    X(DvErrCountOutOfRange,  0x80000014u, "A count read from the monitor is out of range.") \
    X(DvErrInvalidIndex,     0x80000015u, "The index is negative, or the monitor reports the value as unset.") \
    X(DvErrChecksum,         0x80000016u, "A data block's checksum does not match its contents.") \
    X(DvErrNoData,           0x8000001Au, "A required data buffer was not given.") \
    X(DvErrWrongLength,      0x8000001Bu, "A data block has the wrong length for this model.")

typedef enum DvError DVC_ENUM_BASE {
#define DVC_ERROR_ENUMERATOR(name, value, text) name = (int32_t)value,
    DVC_ERROR_LIST(DVC_ERROR_ENUMERATOR)
#undef DVC_ERROR_ENUMERATOR
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
