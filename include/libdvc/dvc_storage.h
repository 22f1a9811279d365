/** @file
 * libdvc: storage inside the monitor: asset tag, usage time, data items. */
#ifndef LIBDVC_DVC_STORAGE_H
#define LIBDVC_DVC_STORAGE_H

#include "libdvc/dvc_types.h"

/* Operations with an encoding of their own */
DVC_EXTERN_C_BEGIN

/** Copies the asset tag text (at most 16 characters, at most size - 1) into
 * the zero-filled buffer; size 0 or below gives DvErrSizeMismatch. */
DVC_API DvError DvCtrlGetAssetTag(const char *id1, const char *id2, char *buffer, int size);
/** The buffer size for the asset tag text with its NUL; 0 for an empty tag
 * or when the monitor does not answer. */
DVC_API int DvCtrlGetAssetTagSize(const char *id1, const char *id2);
/** Shows (1) or hides (any other value) the asset tag. */
DVC_API DvError DvCtrlSetEnableAssetTag(const char *id1, const char *id2, int value);

DVC_EXTERN_C_END
/* End of operations with an encoding of their own */

#endif
