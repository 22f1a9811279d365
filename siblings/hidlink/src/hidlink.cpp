// Placeholder front: no backend yet, so no device is ever found.
#include "hidlink/hidlink.h"

namespace {
constexpr int32_t kFailed = static_cast<int32_t>(0x80000000u);
}

extern "C" {
int32_t DvHIDFind(void) { return 0; }
int32_t DvHIDRetrieve(uint32_t, uint32_t *) { return kFailed; }
int32_t DvHIDGetFixedData(uint32_t, uint32_t, int32_t *, int32_t *, int32_t *, uint32_t *) { return kFailed; }
int32_t DvHIDGetValue(uint32_t, uint32_t, uint32_t *) { return kFailed; }
int32_t DvHIDSetValue(uint32_t, uint32_t, uint32_t, uint32_t) { return kFailed; }
int32_t DvHIDGetData(uint32_t, uint32_t, void *, uint32_t) { return kFailed; }
int32_t DvHIDSetData(uint32_t, uint32_t, const void *, uint32_t, uint32_t) { return kFailed; }
int32_t DvHIDSetDataNoCheckResult(uint32_t, uint32_t, const void *, uint32_t, uint32_t) { return kFailed; }
int32_t DvHIDReportON(uint32_t, DvHIDReportCallback, DvHIDTeardownCallback, void *) { return kFailed; }
int32_t DvHIDReportOFF(uint32_t) { return kFailed; }
int32_t DvHIDSupportsCriticalSection(uint32_t) { return 0; }
int32_t DvHIDEnterCriticalSection(uint32_t) { return kFailed; }
int32_t DvHIDExitCriticalSection(uint32_t) { return kFailed; }
int32_t DvHIDRelease(void) { return 0; }
}
