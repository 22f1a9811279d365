/* proptag: parser of the property-tag block in which a monitor describes
 * itself. One parsed block is current per process; see FORMAT.md. */
#ifndef PROPTAG_PROPTAG_H
#define PROPTAG_PROPTAG_H
#include <stdint.h>
#ifdef __cplusplus
extern "C" {
#endif

/* Parses the block; negative when it is malformed. On success the block
 * becomes the current one. *length is a 16-bit value held in 32 bits. */
int32_t DvpTagParse(const void *block, const uint32_t *length);
/* The item's length (also written to *size), or negative when absent. */
int32_t DvpGetTagDataSize(const uint16_t *tag, uint16_t *size);
/* Copies at most *size bytes of the item; negative on failure. */
int32_t DvpGetTagData(const uint16_t *tag, void *buffer, uint16_t *size);
/* Frees the current parsed block. */
void    DvpReleaseTagData(void);

#ifdef __cplusplus
}
#endif
#endif
