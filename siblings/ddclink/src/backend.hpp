// One medium that ddclink can reach monitors through. The front (front.cpp)
// picks a backend at each discovery and forwards every call to it.
#pragma once

#include <cstdint>

#include "libdvc/dvc_types.h"

namespace dvc::ddclink {

class Backend {
public:
    virtual ~Backend() = default;
    virtual int32_t SetCommunicationType(int32_t type) = 0;
    virtual int32_t Find() = 0;
    virtual int32_t IsSupported(uint32_t index, uint32_t code) = 0;
    virtual int32_t GetFixedData(uint32_t index, uint32_t code, int32_t* maximum, int32_t* minimum,
                                 uint32_t* length) = 0;
    virtual int32_t GetValue(uint32_t index, uint32_t code, uint32_t* value) = 0;
    virtual int32_t SetValue(uint32_t index, uint32_t code, const uint32_t* value) = 0;
    virtual int32_t GetData(uint32_t index, uint32_t code, void* buffer, uint32_t size) = 0;
    virtual int32_t SetData(uint32_t index, uint32_t code, const void* buffer, uint32_t size) = 0;
    virtual int32_t Release() = 0;
};

// The virtual monitors of libdvcsim, when a world is active; else null.
Backend* SimBackend();
// Monitors on the machine's I2C buses.
Backend& HardwareBackend();

}  // namespace dvc::ddclink
