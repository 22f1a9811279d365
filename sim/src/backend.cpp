// The C table that ddclink's and hidlink's sim backends call. No exception
// leaves it: a failure inside the simulator becomes DvErrFailed.
#include <string>
#include <vector>

#include "dvcsim/backend.h"
#include "dvcsim/reports.hpp"
#include "sim.hpp"
#include "transport_guard.hpp"

namespace dvc::sim {
namespace {

using transport::Guard;

Sim& S() { return Sim::Get(); }

const DvSimBackend kTable = {
    DVCSIM_BACKEND_ABI,
    sizeof(DvSimBackend),
    [] { return Guard([] { return S().Active() ? 1 : 0; }); },
    [](int32_t type) { return Guard([&] { return S().DdcSetType(type); }); },
    [] { return Guard([] { return S().DdcFind(); }); },
    [](uint32_t i, uint32_t c) { return Guard([&] { return S().DdcIsSupported(i, c); }); },
    [](uint32_t i, uint32_t c, int32_t* mx, int32_t* mn, uint32_t* l) {
        return Guard([&] { return S().DdcGetFixed(i, c, mx, mn, l); });
    },
    [](uint32_t i, uint32_t c, uint32_t* v) { return Guard([&] { return S().DdcGetValue(i, c, v); }); },
    [](uint32_t i, uint32_t c, const uint32_t* v) { return Guard([&] { return S().DdcSetValue(i, c, v); }); },
    [](uint32_t i, uint32_t c, void* b, uint32_t n) { return Guard([&] { return S().DdcGetData(i, c, b, n); }); },
    [](uint32_t i, uint32_t c, const void* b, uint32_t n) { return Guard([&] { return S().DdcSetData(i, c, b, n); }); },
    [] { return Guard([] { return S().DdcRelease(); }); },
    [] { return Guard([] { return S().HidFind(); }); },
    [](uint32_t i, uint32_t* h) { return Guard([&] { return S().HidRetrieve(i, h); }); },
    [](uint32_t h, uint32_t c, int32_t* mx, int32_t* mn, int32_t* f, uint32_t* l) {
        return Guard([&] { return S().HidGetFixed(h, c, mx, mn, f, l); });
    },
    [](uint32_t h, uint32_t c, uint32_t* v) { return Guard([&] { return S().HidGetValue(h, c, v); }); },
    [](uint32_t h, uint32_t c, uint32_t v, uint32_t o) { return Guard([&] { return S().HidSetValue(h, c, v, o); }); },
    [](uint32_t h, uint32_t c, void* b, uint32_t n) { return Guard([&] { return S().HidGetData(h, c, b, n); }); },
    [](uint32_t h, uint32_t c, const void* b, uint32_t n, uint32_t o) {
        return Guard([&] { return S().HidSetData(h, c, b, n, o, Op::SetData); });
    },
    [](uint32_t h, uint32_t c, const void* b, uint32_t n, uint32_t o) {
        return Guard([&] { return S().HidSetData(h, c, b, n, o, Op::SetDataNoCheckResult); });
    },
    [](uint32_t h) { return Guard([&] { return S().HidReport(h, true); }); },
    [](uint32_t h) { return Guard([&] { return S().HidReport(h, false); }); },
    [](DvSimReportSink sink, void* ctx) {
        Guard([&] {
            S().SetReportSink(sink, ctx);
            return 0;
        });
    },
    [](uint32_t h) { return Guard([&] { return S().HidSupportsLock(h); }); },
    [](uint32_t h) { return Guard([&] { return S().HidLock(h, true); }); },
    [](uint32_t h) { return Guard([&] { return S().HidLock(h, false); }); },
    [] { return Guard([] { return S().HidRelease(); }); },
};

}  // namespace
}  // namespace dvc::sim

extern "C" const DvSimBackend* dvcsim_backend(void) { return &dvc::sim::kTable; }

extern "C" int32_t dvcsim_post_report(const char* serial, uint32_t code, const uint8_t* data, uint32_t size) {
    if (serial == nullptr || (data == nullptr && size != 0)) return -1;
    try {
        return dvc::sim::PostReport(serial, code, std::vector<uint8_t>(data, data + size)) ? 0 : -1;
    } catch (...) {
        return -1;
    }
}

extern "C" const char* dvcsim_problem(void) {
    // Kept per thread so that the text stays valid until the caller's next call.
    thread_local std::string text;
    try {
        text = dvc::sim::Problem();
    } catch (...) {
        text = "the simulator failed";
    }
    return text.empty() ? nullptr : text.c_str();
}
