/* ddclink: DDC/CI transport. A monitor is named by its index in the list
 * that the last DvDDCCIFind built. Results are DvError codes: negative is
 * failure. Every out pointer may be null and is then skipped. */
#ifndef DDCLINK_DDCLINK_H
#define DDCLINK_DDCLINK_H
#include <stdint.h>
#ifdef __cplusplus
extern "C" {
#endif

int32_t DvDDCCISetCommunicationType(int32_t type);
int32_t DvDDCCIFind(void);
int32_t DvDDCCIIsSupported(uint32_t index, uint32_t code);
int32_t DvDDCCIGetFixedData(uint32_t index, uint32_t code, int32_t* maximum, int32_t* minimum, uint32_t* length);
int32_t DvDDCCIGetValue(uint32_t index, uint32_t code, uint32_t* value);
int32_t DvDDCCISetValue(uint32_t index, uint32_t code, const uint32_t* value);
int32_t DvDDCCIGetData(uint32_t index, uint32_t code, void* buffer, uint32_t size);
int32_t DvDDCCISetData(uint32_t index, uint32_t code, const void* buffer, uint32_t size);
int32_t DvDDCCIRelease(void);

#ifdef __cplusplus
}
#endif
#endif
