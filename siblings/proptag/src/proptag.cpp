// Placeholder: every block is rejected until the parser lands.
#include "proptag/proptag.h"

extern "C" {
int32_t DvpTagParse(const void *, const uint32_t *) { return -1; }
int32_t DvpGetTagDataSize(const uint16_t *, uint16_t *) { return -1; }
int32_t DvpGetTagData(const uint16_t *, void *, uint16_t *) { return -1; }
void DvpReleaseTagData(void) {}
}
