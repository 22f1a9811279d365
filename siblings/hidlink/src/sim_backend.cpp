// The virtual monitors: every call goes to libdvcsim's backend table, which
// is loaded at discovery (see dvcsim/backend_loader.hpp); the monitors'
// reports come back through the dispatcher.
#include <dvcsim/backend_loader.hpp>

#include "backend.hpp"
#include "report_dispatcher.hpp"

namespace dvc::hidlink {
namespace {

void Sink(uint32_t handle, uint32_t code, const void* data, uint32_t size, void*) {
    ReportDispatcher::Get().Enqueue(handle, code, data, size);
}

class SimLink final : public Backend {
public:
    explicit SimLink(const DvSimBackend* t) : t_(t) { t_->hid_set_report_sink(&Sink, nullptr); }
    int32_t Find() override { return t_->hid_find(); }
    int32_t Retrieve(uint32_t i, uint32_t* h) override { return t_->hid_retrieve(i, h); }
    int32_t GetFixedData(uint32_t h, uint32_t c, int32_t* mx, int32_t* mn, int32_t* f, uint32_t* l) override {
        return t_->hid_get_fixed_data(h, c, mx, mn, f, l);
    }
    int32_t GetValue(uint32_t h, uint32_t c, uint32_t* v) override { return t_->hid_get_value(h, c, v); }
    int32_t SetValue(uint32_t h, uint32_t c, uint32_t v, uint32_t o) override { return t_->hid_set_value(h, c, v, o); }
    int32_t GetData(uint32_t h, uint32_t c, void* b, uint32_t n) override { return t_->hid_get_data(h, c, b, n); }
    int32_t SetData(uint32_t h, uint32_t c, const void* b, uint32_t n, uint32_t o) override {
        return t_->hid_set_data(h, c, b, n, o);
    }
    int32_t SetDataNoCheckResult(uint32_t h, uint32_t c, const void* b, uint32_t n, uint32_t o) override {
        return t_->hid_set_data_no_check_result(h, c, b, n, o);
    }
    int32_t ReportOn(uint32_t h) override { return t_->hid_report_on(h); }
    int32_t ReportOff(uint32_t h) override { return t_->hid_report_off(h); }
    int32_t SupportsCriticalSection(uint32_t h) override { return t_->hid_supports_critical_section(h); }
    int32_t EnterCriticalSection(uint32_t h) override { return t_->hid_enter_critical_section(h); }
    int32_t ExitCriticalSection(uint32_t h) override { return t_->hid_exit_critical_section(h); }
    int32_t Release() override { return t_->hid_release(); }

private:
    const DvSimBackend* t_;
};

}  // namespace

Backend* SimBackend() {
    const DvSimBackend* table = dvc::sim::loader::SelectSim(reinterpret_cast<const void*>(&SimBackend));
    if (table == nullptr) return nullptr;
    static SimLink link(table);
    return &link;
}

}  // namespace dvc::hidlink
