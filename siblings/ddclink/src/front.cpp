// The C front of ddclink (see transport_front.hpp). A discovery that moves
// to another backend tells the new one the communication type it has not
// seen. Support answers and fixed data come from the link cache once a
// monitor has given them (link_cache.hpp).
#include "backend.hpp"
#include "ddclink/ddclink.h"
#include "link_cache.hpp"
#include "transport_front.hpp"

namespace dvc::ddclink {
namespace {

using transport::FixedAnswer;
using transport::Guard;

transport::Front<Backend> g_front(&SimBackend, &HardwareBackend);
transport::LinkCache g_cache;
int32_t g_type = 0;

// A call on one monitor; a link error drops what the cache knows of it.
template <typename... Params, typename... Args>
int32_t OnMonitor(uint32_t index, int32_t (Backend::*method)(Params...), Args... args) {
    const int32_t r = g_front.Forward(DvErrFailed, method, index, args...);
    g_cache.Check(index, r);
    return r;
}

// The monitor's fixed data of `code`: kept, refused at once when the
// monitor said it lacks the code, else asked (every out filled, so that
// the whole answer can be kept).
FixedAnswer Fixed(Backend& b, uint32_t index, uint32_t code, const FixedAnswer& seed) {
    if (auto kept = g_cache.Fixed(index, code)) return *kept;
    if (g_cache.Support(index, code) == 0) return FixedAnswer{DvErrNotSupported};
    FixedAnswer a = seed;
    a.result = b.GetFixedData(index, code, &a.maximum, &a.minimum, &a.length);
    g_cache.Check(index, a.result);
    if (a.result >= 0 || a.result == DvErrNotSupported) g_cache.KeepFixed(index, code, a);
    return a;
}

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
        g_cache.Reset();
        return Switch().SetCommunicationType(type);
    });
}

int32_t DvDDCCIFind(void) {
    return Guard([]() -> int32_t {
        std::lock_guard lock(g_front.select);
        Backend* before = g_front.Current();
        Backend& b = Switch();
        if (&b != before) b.SetCommunicationType(g_type);
        g_cache.Reset();
        const int32_t n = b.Find();
        for (int32_t i = 0; i < n; ++i) g_cache.Know(static_cast<uint32_t>(i));
        return n;
    });
}

int32_t DvDDCCIIsSupported(uint32_t index, uint32_t code) {
    return Guard([&]() -> int32_t {
        if (auto kept = g_cache.Support(index, code)) return *kept;
        const int32_t r = g_front.Forward(0, &Backend::IsSupported, index, code);
        g_cache.Check(index, r);
        if (r >= 0) g_cache.KeepSupport(index, code, r);
        return r;
    });
}

int32_t DvDDCCIGetFixedData(uint32_t index, uint32_t code, int32_t* maximum, int32_t* minimum, uint32_t* length) {
    return Guard([&]() -> int32_t {
        Backend* b = g_front.Current();
        if (b == nullptr) return DvErrFailed;
        // The caller's values stand where the backend writes nothing.
        FixedAnswer seed;
        if (maximum != nullptr) seed.maximum = *maximum;
        if (minimum != nullptr) seed.minimum = *minimum;
        if (length != nullptr) seed.length = *length;
        const FixedAnswer a = Fixed(*b, index, code, seed);
        if (a.result >= 0 || a.result == DvErrRefused) {
            if (maximum != nullptr) *maximum = a.maximum;
            if (minimum != nullptr) *minimum = a.minimum;
            if (length != nullptr) *length = a.length;
        }
        return a.result;
    });
}

int32_t DvDDCCIGetValue(uint32_t index, uint32_t code, uint32_t* value) {
    return OnMonitor(index, &Backend::GetValue, code, value);
}

int32_t DvDDCCISetValue(uint32_t index, uint32_t code, const uint32_t* value) {
    return OnMonitor(index, &Backend::SetValue, code, value);
}

int32_t DvDDCCIGetData(uint32_t index, uint32_t code, void* buffer, uint32_t size) {
    return OnMonitor(index, &Backend::GetData, code, buffer, size);
}

int32_t DvDDCCISetData(uint32_t index, uint32_t code, const void* buffer, uint32_t size) {
    return OnMonitor(index, &Backend::SetData, code, buffer, size);
}

int32_t DvDDCCIRelease(void) {
    return Guard([]() -> int32_t {
        g_cache.Reset();
        return g_front.Forward(0, &Backend::Release);
    });
}

}  // extern "C"
#pragma GCC visibility pop

}  // namespace dvc::ddclink
