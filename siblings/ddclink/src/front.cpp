// The C front of ddclink (see transport_front.hpp). A discovery that moves
// to another backend tells the new one the communication type it has not
// seen.
#include "backend.hpp"
#include "ddclink/ddclink.h"
#include "transport_front.hpp"

namespace dvc::ddclink {
namespace {

using transport::Guard;

transport::Front<Backend> g_front(&SimBackend, &HardwareBackend);
int32_t g_type = 0;

Backend& Switch() {
    return g_front.Switch([](Backend& old) { old.Release(); });
}

}  // namespace

// The exports: the library is built with hidden visibility, and its version
// script keeps exactly these.
#pragma GCC visibility push(default)
extern "C" {

int32_t DvDDCCISetCommunicationType(int32_t type) {
    return Guard([&]() -> int32_t {
        if (type != 0 && type != 1) return DvErrInvalidParameter;
        std::lock_guard lock(g_front.select);
        g_type = type;
        return Switch().SetCommunicationType(type);
    });
}

int32_t DvDDCCIFind(void) {
    return Guard([]() -> int32_t {
        std::lock_guard lock(g_front.select);
        Backend* before = g_front.Current();
        Backend& b = Switch();
        if (&b != before) b.SetCommunicationType(g_type);
        return b.Find();
    });
}

int32_t DvDDCCIIsSupported(uint32_t index, uint32_t code) {
    return g_front.Forward(0, &Backend::IsSupported, index, code);
}

int32_t DvDDCCIGetFixedData(uint32_t index, uint32_t code, int32_t* maximum, int32_t* minimum, uint32_t* length) {
    return g_front.Forward(DvErrFailed, &Backend::GetFixedData, index, code, maximum, minimum, length);
}

int32_t DvDDCCIGetValue(uint32_t index, uint32_t code, uint32_t* value) {
    return g_front.Forward(DvErrFailed, &Backend::GetValue, index, code, value);
}

int32_t DvDDCCISetValue(uint32_t index, uint32_t code, const uint32_t* value) {
    return g_front.Forward(DvErrFailed, &Backend::SetValue, index, code, value);
}

int32_t DvDDCCIGetData(uint32_t index, uint32_t code, void* buffer, uint32_t size) {
    return g_front.Forward(DvErrFailed, &Backend::GetData, index, code, buffer, size);
}

int32_t DvDDCCISetData(uint32_t index, uint32_t code, const void* buffer, uint32_t size) {
    return g_front.Forward(DvErrFailed, &Backend::SetData, index, code, buffer, size);
}

int32_t DvDDCCIRelease(void) { return g_front.Forward(0, &Backend::Release); }

}  // extern "C"
#pragma GCC visibility pop

}  // namespace dvc::ddclink
