// The virtual monitors: every call goes to the hid_ entry of libdvcsim's
// table (see sim_link.hpp); the monitors' reports come back through the
// dispatcher.
#include "backend.hpp"
#include "report_dispatcher.hpp"
#include "sim_link.hpp"

namespace dvc::hidlink {
namespace {

using T = DvSimBackend;

void Sink(uint32_t handle, uint32_t code, const void* data, uint32_t size, void*) {
    ReportDispatcher::Get().Enqueue(handle, code, data, size);
}

class SimLink final : public Backend, transport::SimTable {
public:
    explicit SimLink(const T* t) : SimTable(t) { table().hid_set_report_sink(&Sink, nullptr); }
    int32_t Find() override { return Call<&T::hid_find>(); }
    int32_t Retrieve(uint32_t i, uint32_t* h) override { return Call<&T::hid_retrieve>(i, h); }
    int32_t GetFixedData(uint32_t h, uint32_t c, int32_t* mx, int32_t* mn, int32_t* f, uint32_t* l) override {
        return Call<&T::hid_get_fixed_data>(h, c, mx, mn, f, l);
    }
    int32_t GetValue(uint32_t h, uint32_t c, uint32_t* v) override { return Call<&T::hid_get_value>(h, c, v); }
    int32_t SetValue(uint32_t h, uint32_t c, uint32_t v, uint32_t o) override {
        return Call<&T::hid_set_value>(h, c, v, o);
    }
    int32_t GetData(uint32_t h, uint32_t c, void* b, uint32_t n) override { return Call<&T::hid_get_data>(h, c, b, n); }
    int32_t SetData(uint32_t h, uint32_t c, const void* b, uint32_t n, uint32_t o) override {
        return Call<&T::hid_set_data>(h, c, b, n, o);
    }
    int32_t SetDataNoCheckResult(uint32_t h, uint32_t c, const void* b, uint32_t n, uint32_t o) override {
        return Call<&T::hid_set_data_no_check_result>(h, c, b, n, o);
    }
    int32_t ReportOn(uint32_t h) override { return Call<&T::hid_report_on>(h); }
    int32_t ReportOff(uint32_t h) override { return Call<&T::hid_report_off>(h); }
    int32_t SupportsCriticalSection(uint32_t h) override { return Call<&T::hid_supports_critical_section>(h); }
    int32_t EnterCriticalSection(uint32_t h) override { return Call<&T::hid_enter_critical_section>(h); }
    int32_t ExitCriticalSection(uint32_t h) override { return Call<&T::hid_exit_critical_section>(h); }
    int32_t Release() override { return Call<&T::hid_release>(); }
};

}  // namespace

Backend* SimBackend() { return transport::SimLinkFor<SimLink>(reinterpret_cast<const void*>(&SimBackend)); }

}  // namespace dvc::hidlink
