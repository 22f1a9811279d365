// Placeholder front: no backend yet, so no monitor is ever found.
#include "ddclink/ddclink.h"

namespace {
constexpr int32_t kFailed = static_cast<int32_t>(0x80000000u);
}

extern "C" {
int32_t DvDDCCISetCommunicationType(int32_t type) { return (type == 0 || type == 1) ? 0 : kFailed; }
int32_t DvDDCCIFind(void) { return 0; }
int32_t DvDDCCIIsSupported(uint32_t, uint32_t) { return 0; }
int32_t DvDDCCIGetFixedData(uint32_t, uint32_t, int32_t *, int32_t *, uint32_t *) { return kFailed; }
int32_t DvDDCCIGetValue(uint32_t, uint32_t, uint32_t *) { return kFailed; }
int32_t DvDDCCISetValue(uint32_t, uint32_t, const uint32_t *) { return kFailed; }
int32_t DvDDCCIGetData(uint32_t, uint32_t, void *, uint32_t) { return kFailed; }
int32_t DvDDCCISetData(uint32_t, uint32_t, const void *, uint32_t) { return kFailed; }
int32_t DvDDCCIRelease(void) { return 0; }
}
