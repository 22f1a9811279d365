/* libdvc: names and sentences for DvError values (header only). */
#ifndef LIBDVC_DVC_ERRORS_H
#define LIBDVC_DVC_ERRORS_H

#include "libdvc/dvc_types.h"

/* The enumerator's name, or "DvErrUnknown" for a value outside the set. */
static inline const char *DvErrorName(int32_t code) {
    switch ((uint32_t)code) {
    case 0x00000000u: return "DvOk";
    case 0x80000000u: return "DvErrFailed";
    case 0x80000001u: return "DvErrInvalidParameter";
    case 0x80000002u: return "DvErrNullOutput";
    case 0x80000003u: return "DvErrSizeMismatch";
    case 0x80000004u: return "DvErrDeviceNotUsable";
    case 0x80000005u: return "DvErrBadSignature";
    case 0x80000006u: return "DvErrRefused";
    case 0x80000007u: return "DvErrNotSupported";
    case 0x80000009u: return "DvErrNotImplemented";
    case 0x8000000Au: return "DvErrOutOfUnitRange";
    case 0x8000000Bu: return "DvErrNoMoreItems";
    case 0x80000011u: return "DvErrDataTruncated";
    case 0x80000013u: return "DvErrTimeout";
    case 0x80000014u: return "DvErrCountOutOfRange";
    case 0x80000015u: return "DvErrInvalidIndex";
    case 0x80000016u: return "DvErrChecksum";
    case 0x8000001Au: return "DvErrNoData";
    case 0x8000001Bu: return "DvErrWrongLength";
    default: return code >= 0 ? "DvOk" : "DvErrUnknown";
    }
}

/* One sentence that says what the value means to a user. */
static inline const char *DvErrorText(int32_t code) {
    switch ((uint32_t)code) {
    case 0x80000000u: return "The call failed: the monitor is not known, the library is busy, or the transport failed.";
    case 0x80000001u: return "An argument is out of range, or a required pointer or handle is null.";
    case 0x80000002u: return "The pointer that should receive the result is null.";
    case 0x80000003u: return "A buffer is missing or its size does not match the data.";
    case 0x80000004u: return "No communication path could be made from the device handle.";
    case 0x80000005u: return "A data block from the monitor lacks its expected signature.";
    case 0x80000006u: return "The monitor refused the request.";
    case 0x80000007u: return "The monitor or path does not support this feature.";
    case 0x80000009u: return "This communication path does not carry the operation.";
    case 0x8000000Au: return "A normalised value lies outside 0.0 to 1.0.";
    case 0x8000000Bu: return "There are no more items.";
    case 0x80000011u: return "A record runs past the end of its data block.";
    case 0x80000013u: return "The monitor did not reach the awaited state in time.";
    case 0x80000014u: return "A count read from the monitor is out of range.";
    case 0x80000015u: return "The index is negative, or the monitor reports the value as unset.";
    case 0x80000016u: return "A data block's checksum does not match its contents.";
    case 0x8000001Au: return "A required data buffer was not given.";
    case 0x8000001Bu: return "A data block has the wrong length for this model.";
    default: return code >= 0 ? "Success." : "Unknown error.";
    }
}

#endif
