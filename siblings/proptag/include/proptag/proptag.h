/* proptag: parser of the property-tag block in which a monitor describes
 * itself (format in FORMAT.md). One parsed block is current per process;
 * every function may be called from any thread.
 *
 * Results: 0 or more is success, negative is failure. Every pointer
 * argument must be non-null; a null one gives PROPTAG_ERR_INVALID_PARAMETER
 * and changes nothing. */
#ifndef PROPTAG_PROPTAG_H
#define PROPTAG_PROPTAG_H
#include <stdint.h>

/* The library builds with hidden visibility; these four are its exports. */
#if defined(__GNUC__)
#define PROPTAG_API __attribute__((visibility("default")))
#else
#define PROPTAG_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define PROPTAG_OK 0
#define PROPTAG_ERR_NO_BLOCK ((int32_t)0x80000000u)          /* no block is current */
#define PROPTAG_ERR_INVALID_PARAMETER ((int32_t)0x80000001u) /* a null pointer */
#define PROPTAG_ERR_BAD_SIGNATURE ((int32_t)0x80000005u)     /* signature or version differs */
#define PROPTAG_ERR_NOT_FOUND ((int32_t)0x8000000Bu)         /* the tag is not in the block */
#define PROPTAG_ERR_TRUNCATED ((int32_t)0x80000011u)         /* an item runs past the checksum */
#define PROPTAG_ERR_ITEM_COUNT ((int32_t)0x80000014u)        /* item count differs from the items */
#define PROPTAG_ERR_DUPLICATE_TAG ((int32_t)0x80000015u)     /* a tag id appears twice */
#define PROPTAG_ERR_CHECKSUM ((int32_t)0x80000016u)          /* the checksum does not match */
#define PROPTAG_ERR_LENGTH ((int32_t)0x8000001Bu)            /* length below 8 or above 0xFFFF */

/* Parses *length bytes at block. On success returns PROPTAG_OK and the
 * block (copied) becomes the current one; on failure returns the error of
 * the first rule broken and the previous block stays current. *length is a
 * 16-bit value held in 32 bits. */
PROPTAG_API int32_t DvpTagParse(const void* block, const uint32_t* length);

/* The length in bytes of the current block's item `*tag`, also written to
 * *size. PROPTAG_ERR_NOT_FOUND when absent, PROPTAG_ERR_NO_BLOCK when no
 * block is current. */
PROPTAG_API int32_t DvpGetTagDataSize(const uint16_t* tag, uint16_t* size);

/* Copies the first min(*size, item length) bytes of item `*tag` into
 * buffer and writes the number copied to *size. Returns the item's full
 * length, so a result above the new *size tells the caller that the
 * buffer was too small and the copy holds only the item's first bytes.
 * Failures as for DvpGetTagDataSize; on failure nothing is written. */
PROPTAG_API int32_t DvpGetTagData(const uint16_t* tag, void* buffer, uint16_t* size);

/* Frees the current block; afterwards no block is current. Harmless when
 * none is. */
PROPTAG_API void DvpReleaseTagData(void);

#ifdef __cplusplus
}
#endif
#endif
