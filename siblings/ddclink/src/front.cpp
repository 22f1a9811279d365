// The C front of ddclink: each discovery chooses the backend (virtual
// monitors when a world is active, else the hardware), and every later call
// goes to the backend that made the current index list.
#include <atomic>
#include <mutex>

#include "backend.hpp"
#include "transport_guard.hpp"
#include "ddclink/ddclink.h"

namespace dvc::ddclink {
namespace {

std::mutex g_select;
std::atomic<Backend*> g_current{nullptr};
int32_t g_type = 0;

Backend* Select() {
    Backend* sim = SimBackend();
    return sim != nullptr ? sim : &HardwareBackend();
}

Backend* Current() { return g_current.load(std::memory_order_acquire); }

// Discovery may move to another backend: the old one drops its list first,
// and the new one is told the communication type it has not seen.
Backend* Switch() {
    Backend* b = Select();
    Backend* old = Current();
    if (b != old) {
        if (old != nullptr) old->Release();
        g_current.store(b, std::memory_order_release);
    }
    return b;
}


using dvc::transport::Guard;

}  // namespace
}  // namespace dvc::ddclink

using namespace dvc::ddclink;

// The exports (the library is built with hidden visibility; the version
// script then keeps exactly these).
#pragma GCC visibility push(default)
extern "C" {

int32_t DvDDCCISetCommunicationType(int32_t type) {
    return Guard([&]() -> int32_t {
        if (type != 0 && type != 1) return DvErrInvalidParameter;
        std::lock_guard lock(g_select);
        g_type = type;
        return Switch()->SetCommunicationType(type);
    });
}

int32_t DvDDCCIFind(void) {
    return Guard([&]() -> int32_t {
        std::lock_guard lock(g_select);
        Backend* before = Current();
        Backend* b = Switch();
        if (b != before) b->SetCommunicationType(g_type);
        return b->Find();
    });
}

int32_t DvDDCCIIsSupported(uint32_t index, uint32_t code) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->IsSupported(index, code) : 0;
    });
}

int32_t DvDDCCIGetFixedData(uint32_t index, uint32_t code, int32_t* maximum, int32_t* minimum, uint32_t* length) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->GetFixedData(index, code, maximum, minimum, length) : DvErrFailed;
    });
}

int32_t DvDDCCIGetValue(uint32_t index, uint32_t code, uint32_t* value) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->GetValue(index, code, value) : DvErrFailed;
    });
}

int32_t DvDDCCISetValue(uint32_t index, uint32_t code, const uint32_t* value) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->SetValue(index, code, value) : DvErrFailed;
    });
}

int32_t DvDDCCIGetData(uint32_t index, uint32_t code, void* buffer, uint32_t size) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->GetData(index, code, buffer, size) : DvErrFailed;
    });
}

int32_t DvDDCCISetData(uint32_t index, uint32_t code, const void* buffer, uint32_t size) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->SetData(index, code, buffer, size) : DvErrFailed;
    });
}

int32_t DvDDCCIRelease(void) {
    return Guard([&]() -> int32_t {
        Backend* b = Current();
        return b ? b->Release() : 0;
    });
}

}  // extern "C"
#pragma GCC visibility pop
