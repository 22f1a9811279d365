// One medium that hidlink can reach monitors through. The front (front.cpp)
// picks a backend at each discovery and forwards every call to it; reports
// go through the front's dispatcher (report_dispatcher.hpp), whatever the
// backend.
#pragma once

#include <cstdint>

#include "libdvc/dvc_types.h"

namespace dvc::hidlink {

class Backend {
public:
    virtual ~Backend() = default;
    virtual int32_t Find() = 0;
    virtual int32_t Retrieve(uint32_t index, uint32_t* handle) = 0;
    virtual int32_t GetFixedData(uint32_t handle, uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag,
                                 uint32_t* length) = 0;
    virtual int32_t GetValue(uint32_t handle, uint32_t code, uint32_t* value) = 0;
    virtual int32_t SetValue(uint32_t handle, uint32_t code, uint32_t value, uint32_t option) = 0;
    virtual int32_t GetData(uint32_t handle, uint32_t code, void* buffer, uint32_t size) = 0;
    virtual int32_t SetData(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option) = 0;
    virtual int32_t SetDataNoCheckResult(uint32_t handle, uint32_t code, const void* buffer, uint32_t size,
                                         uint32_t option) = 0;
    // The device starts or stops sending reports to the dispatcher.
    virtual int32_t ReportOn(uint32_t handle) = 0;
    virtual int32_t ReportOff(uint32_t handle) = 0;
    virtual int32_t SupportsCriticalSection(uint32_t handle) = 0;
    virtual int32_t EnterCriticalSection(uint32_t handle) = 0;
    virtual int32_t ExitCriticalSection(uint32_t handle) = 0;
    virtual int32_t Release() = 0;
};

// The virtual monitors of libdvcsim, when a world is active; else null.
Backend* SimBackend();
// Monitors on the machine's hidraw devices.
Backend& HardwareBackend();

}  // namespace dvc::hidlink
