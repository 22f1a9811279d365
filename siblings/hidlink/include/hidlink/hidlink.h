/* hidlink: USB HID transport. A device is named by a handle that
 * DvHIDRetrieve hands out; 0 is never a valid handle. Results are DvError
 * codes: negative is failure. Every out pointer may be null. */
#ifndef HIDLINK_HIDLINK_H
#define HIDLINK_HIDLINK_H
#include <stdint.h>
#ifdef __cplusplus
extern "C" {
#endif

/* Called on a thread that hidlink owns; data is valid during the call only. */
typedef void (*DvHIDReportCallback)(uint32_t handle, uint32_t code, const void* data, uint32_t size, void* context);
typedef void (*DvHIDTeardownCallback)(uint32_t handle, void* context);

int32_t DvHIDFind(void);
int32_t DvHIDRetrieve(uint32_t index, uint32_t* handle);
int32_t DvHIDGetFixedData(uint32_t handle, uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag,
                          uint32_t* length);
int32_t DvHIDGetValue(uint32_t handle, uint32_t code, uint32_t* value);
int32_t DvHIDSetValue(uint32_t handle, uint32_t code, uint32_t value, uint32_t option);
int32_t DvHIDGetData(uint32_t handle, uint32_t code, void* buffer, uint32_t size);
int32_t DvHIDSetData(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option);
int32_t DvHIDSetDataNoCheckResult(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option);
int32_t DvHIDReportON(uint32_t handle, DvHIDReportCallback report, DvHIDTeardownCallback teardown, void* context);
int32_t DvHIDReportOFF(uint32_t handle);
int32_t DvHIDSupportsCriticalSection(uint32_t handle);
int32_t DvHIDEnterCriticalSection(uint32_t handle);
int32_t DvHIDExitCriticalSection(uint32_t handle);
int32_t DvHIDRelease(void);

#ifdef __cplusplus
}
#endif
#endif
