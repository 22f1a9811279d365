/** @file
 * libdvc: names and sentences for DvError values (header only). */
#ifndef LIBDVC_DVC_ERRORS_H
#define LIBDVC_DVC_ERRORS_H

#include "libdvc/dvc_types.h"

/* The enumerator's name, or "DvErrUnknown" for a value outside the set. */
static inline const char *DvErrorName(int32_t code) {
    switch ((uint32_t)code) {
#define DVC_ERROR_NAME_CASE(name, value, text) case value: return #name;
    DVC_ERROR_LIST(DVC_ERROR_NAME_CASE)
#undef DVC_ERROR_NAME_CASE
    default: return code >= 0 ? "DvOk" : "DvErrUnknown";
    }
}

/* One sentence that says what the value means to a user. */
static inline const char *DvErrorText(int32_t code) {
    switch ((uint32_t)code) {
#define DVC_ERROR_TEXT_CASE(name, value, text) case value: return text;
    DVC_ERROR_LIST(DVC_ERROR_TEXT_CASE)
#undef DVC_ERROR_TEXT_CASE
    default: return code >= 0 ? "Success." : "Unknown error.";
    }
}

#endif
