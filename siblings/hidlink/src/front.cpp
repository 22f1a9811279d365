// The C front of hidlink: each discovery chooses the backend (virtual
// monitors when a world is active, else the hardware); every later call
// goes to the backend that handed out the current handles. Reports are
// delivered by the dispatcher's thread whatever the backend.
#include <atomic>
#include <mutex>

#include "backend.hpp"
#include "transport_guard.hpp"
#include "hidlink/hidlink.h"
#include "report_dispatcher.hpp"

namespace dvc::hidlink {
namespace {

std::mutex g_select;
std::atomic<Backend*> g_current{nullptr};

Backend* Current() { return g_current.load(std::memory_order_acquire); }


using dvc::transport::Guard;

}  // namespace
}  // namespace dvc::hidlink

using namespace dvc::hidlink;

// The exports (the library is built with hidden visibility; the version
// script then keeps exactly these).
#pragma GCC visibility push(default)
extern "C" {

int32_t DvHIDFind(void) {
    return Guard([&]() -> int32_t {
        std::lock_guard lock(g_select);
        Backend* sim = SimBackend();
        Backend* b = sim != nullptr ? sim : &HardwareBackend();
        Backend* old = Current();
        if (old != nullptr && old != b) {
            ReportDispatcher::Get().UnregisterAll();
            old->Release();
        }
        g_current.store(b, std::memory_order_release);
        return b->Find();
    });
}

int32_t DvHIDRetrieve(uint32_t index, uint32_t* handle) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->Retrieve(index, handle) : DvErrFailed;
    });
}

int32_t DvHIDGetFixedData(uint32_t handle, uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag,
                          uint32_t* length) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->GetFixedData(handle, code, maximum, minimum, flag, length) : DvErrFailed;
    });
}

int32_t DvHIDGetValue(uint32_t handle, uint32_t code, uint32_t* value) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->GetValue(handle, code, value) : DvErrFailed;
    });
}

int32_t DvHIDSetValue(uint32_t handle, uint32_t code, uint32_t value, uint32_t option) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->SetValue(handle, code, value, option) : DvErrFailed;
    });
}

int32_t DvHIDGetData(uint32_t handle, uint32_t code, void* buffer, uint32_t size) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->GetData(handle, code, buffer, size) : DvErrFailed;
    });
}

int32_t DvHIDSetData(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->SetData(handle, code, buffer, size, option) : DvErrFailed;
    });
}

int32_t DvHIDSetDataNoCheckResult(uint32_t handle, uint32_t code, const void* buffer, uint32_t size,
                                  uint32_t option) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->SetDataNoCheckResult(handle, code, buffer, size, option) : DvErrFailed;
    });
}

int32_t DvHIDReportON(uint32_t handle, DvHIDReportCallback report, DvHIDTeardownCallback teardown, void* context) {
    return Guard([&]() -> int32_t {
        if (report == nullptr) return DvErrInvalidParameter;
        Backend* b = Current();
        if (b == nullptr) return DvErrFailed;
        // Registered before the device starts, so that its first report finds it.
        ReportDispatcher::Get().Register(handle, report, teardown, context);
        int32_t r = b->ReportOn(handle);
        if (r < 0) ReportDispatcher::Get().Unregister(handle, false);
        return r;
    });
}

int32_t DvHIDReportOFF(uint32_t handle) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        int32_t r = b ? b->ReportOff(handle) : DvErrFailed;
        ReportDispatcher::Get().Unregister(handle, true);
        return r;
    });
}

int32_t DvHIDSupportsCriticalSection(uint32_t handle) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->SupportsCriticalSection(handle) : 0;
    });
}

int32_t DvHIDEnterCriticalSection(uint32_t handle) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->EnterCriticalSection(handle) : DvErrFailed;
    });
}

int32_t DvHIDExitCriticalSection(uint32_t handle) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->ExitCriticalSection(handle) : DvErrFailed;
    });
}

int32_t DvHIDRelease(void) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        int32_t r = b ? b->Release() : 0;
        ReportDispatcher::Get().UnregisterAll();
        return r;
    });
}

}  // extern "C"
#pragma GCC visibility pop
