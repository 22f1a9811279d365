// The C front of hidlink (see transport_front.hpp). Reports are delivered
// by the dispatcher's thread whatever the backend; a discovery that moves to
// another backend tears down the old one's reports first. Fixed data,
// with the support flag, come from the link cache once a device has given
// them (link_cache.hpp).
#include "backend.hpp"
#include "hidlink/hidlink.h"
#include "link_cache.hpp"
#include "report_dispatcher.hpp"
#include "transport_front.hpp"

namespace dvc::hidlink {
namespace {

using transport::FixedAnswer;
using transport::Guard;

transport::Front<Backend> g_front(&SimBackend, &HardwareBackend);
transport::LinkCache g_cache;

// A call on one device; a link error drops what the cache knows of it.
template <typename... Params, typename... Args>
int32_t OnDevice(uint32_t handle, int32_t (Backend::*method)(Params...), Args... args) {
    const int32_t r = g_front.Forward(DvErrFailed, method, handle, args...);
    g_cache.Check(handle, r);
    return r;
}

// The device's fixed data of `code`: kept, else asked (every out filled, so
// that the whole answer can be kept). A device that lacks the code says so
// with the answer DvErrNotSupported and a zero flag, which is kept too.
FixedAnswer Fixed(Backend& b, uint32_t handle, uint32_t code, const FixedAnswer& seed) {
    if (auto kept = g_cache.Fixed(handle, code)) return *kept;
    FixedAnswer a = seed;
    a.result = b.GetFixedData(handle, code, &a.maximum, &a.minimum, &a.flag, &a.length);
    g_cache.Check(handle, a.result);
    if (a.result >= 0 || a.result == DvErrNotSupported) g_cache.KeepFixed(handle, code, a);
    return a;
}

Backend& Switch() {
    return g_front.Switch([](Backend& old) {
        ReportDispatcher::Get().UnregisterAll();
        old.Release();
    });
}

}  // namespace

// The exports: the library is built with hidden visibility, and its version
// script keeps exactly these.
#pragma GCC visibility push(default)
extern "C" {

int32_t DvHIDFind(void) {
    return Guard([]() -> int32_t {
        std::lock_guard lock(g_front.select);
        g_cache.Reset();
        return Switch().Find();
    });
}

int32_t DvHIDRetrieve(uint32_t index, uint32_t* handle) {
    return Guard([&]() -> int32_t {
        uint32_t h = handle != nullptr ? *handle : 0;
        const int32_t r = g_front.Forward(DvErrFailed, &Backend::Retrieve, index, handle != nullptr ? &h : nullptr);
        if (handle != nullptr) *handle = h;
        if (r >= 0 && h != 0) g_cache.Know(h);
        return r;
    });
}

int32_t DvHIDGetFixedData(uint32_t handle, uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag,
                          uint32_t* length) {
    return Guard([&]() -> int32_t {
        Backend* b = g_front.Current();
        if (b == nullptr) return DvErrFailed;
        // The caller's values stand where the backend writes nothing.
        FixedAnswer seed;
        if (maximum != nullptr) seed.maximum = *maximum;
        if (minimum != nullptr) seed.minimum = *minimum;
        if (flag != nullptr) seed.flag = *flag;
        if (length != nullptr) seed.length = *length;
        const FixedAnswer a = Fixed(*b, handle, code, seed);
        if (a.result >= 0 || a.result == DvErrRefused) {
            if (maximum != nullptr) *maximum = a.maximum;
            if (minimum != nullptr) *minimum = a.minimum;
            if (length != nullptr) *length = a.length;
        }
        if (flag != nullptr) *flag = a.result == DvErrNotSupported ? 0 : a.flag;
        return a.result;
    });
}

int32_t DvHIDGetValue(uint32_t handle, uint32_t code, uint32_t* value) {
    return OnDevice(handle, &Backend::GetValue, code, value);
}

int32_t DvHIDSetValue(uint32_t handle, uint32_t code, uint32_t value, uint32_t option) {
    return OnDevice(handle, &Backend::SetValue, code, value, option);
}

int32_t DvHIDGetData(uint32_t handle, uint32_t code, void* buffer, uint32_t size) {
    return OnDevice(handle, &Backend::GetData, code, buffer, size);
}

int32_t DvHIDSetData(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option) {
    return OnDevice(handle, &Backend::SetData, code, buffer, size, option);
}

int32_t DvHIDSetDataNoCheckResult(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option) {
    return OnDevice(handle, &Backend::SetDataNoCheckResult, code, buffer, size, option);
}

int32_t DvHIDReportON(uint32_t handle, DvHIDReportCallback report, DvHIDTeardownCallback teardown, void* context) {
    return Guard([&]() -> int32_t {
        if (report == nullptr) return DvErrInvalidParameter;
        Backend* b = g_front.Current();
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
        Backend* b = g_front.Current();
        int32_t r = b != nullptr ? b->ReportOff(handle) : DvErrFailed;
        ReportDispatcher::Get().Unregister(handle, true);
        return r;
    });
}

int32_t DvHIDSupportsCriticalSection(uint32_t handle) {
    return g_front.Forward(0, &Backend::SupportsCriticalSection, handle);
}

int32_t DvHIDEnterCriticalSection(uint32_t handle) {
    return g_front.Forward(DvErrFailed, &Backend::EnterCriticalSection, handle);
}

int32_t DvHIDExitCriticalSection(uint32_t handle) {
    return g_front.Forward(DvErrFailed, &Backend::ExitCriticalSection, handle);
}

int32_t DvHIDRelease(void) {
    return Guard([]() -> int32_t {
        g_cache.Reset();
        Backend* b = g_front.Current();
        int32_t r = b != nullptr ? b->Release() : 0;
        ReportDispatcher::Get().UnregisterAll();
        return r;
    });
}

}  // extern "C"
#pragma GCC visibility pop

}  // namespace dvc::hidlink
