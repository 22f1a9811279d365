// The C front of hidlink (see transport_front.hpp). Reports are delivered
// by the dispatcher's thread whatever the backend; a discovery that moves to
// another backend tears down the old one's reports first.
#include "backend.hpp"
#include "hidlink/hidlink.h"
#include "report_dispatcher.hpp"
#include "transport_front.hpp"

namespace dvc::hidlink {
namespace {

using transport::Guard;

transport::Front<Backend> g_front(&SimBackend, &HardwareBackend);

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
        return Switch().Find();
    });
}

int32_t DvHIDRetrieve(uint32_t index, uint32_t* handle) {
    return g_front.Forward(DvErrFailed, &Backend::Retrieve, index, handle);
}

int32_t DvHIDGetFixedData(uint32_t handle, uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag,
                          uint32_t* length) {
    return g_front.Forward(DvErrFailed, &Backend::GetFixedData, handle, code, maximum, minimum, flag, length);
}

int32_t DvHIDGetValue(uint32_t handle, uint32_t code, uint32_t* value) {
    return g_front.Forward(DvErrFailed, &Backend::GetValue, handle, code, value);
}

int32_t DvHIDSetValue(uint32_t handle, uint32_t code, uint32_t value, uint32_t option) {
    return g_front.Forward(DvErrFailed, &Backend::SetValue, handle, code, value, option);
}

int32_t DvHIDGetData(uint32_t handle, uint32_t code, void* buffer, uint32_t size) {
    return g_front.Forward(DvErrFailed, &Backend::GetData, handle, code, buffer, size);
}

int32_t DvHIDSetData(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option) {
    return g_front.Forward(DvErrFailed, &Backend::SetData, handle, code, buffer, size, option);
}

int32_t DvHIDSetDataNoCheckResult(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option) {
    return g_front.Forward(DvErrFailed, &Backend::SetDataNoCheckResult, handle, code, buffer, size, option);
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
        Backend* b = g_front.Current();
        int32_t r = b != nullptr ? b->Release() : 0;
        ReportDispatcher::Get().UnregisterAll();
        return r;
    });
}

}  // extern "C"
#pragma GCC visibility pop

}  // namespace dvc::hidlink
