// The virtual monitors: every call goes to libdvcsim's backend table, which
// is loaded at discovery (see dvcsim/backend_loader.hpp).
#include <dvcsim/backend_loader.hpp>

#include "backend.hpp"

namespace dvc::ddclink {
namespace {

class SimLink final : public Backend {
public:
    explicit SimLink(const DvSimBackend* t) : t_(t) {}
    int32_t SetCommunicationType(int32_t type) override { return t_->ddc_set_communication_type(type); }
    int32_t Find() override { return t_->ddc_find(); }
    int32_t IsSupported(uint32_t i, uint32_t c) override { return t_->ddc_is_supported(i, c); }
    int32_t GetFixedData(uint32_t i, uint32_t c, int32_t* mx, int32_t* mn, uint32_t* l) override {
        return t_->ddc_get_fixed_data(i, c, mx, mn, l);
    }
    int32_t GetValue(uint32_t i, uint32_t c, uint32_t* v) override { return t_->ddc_get_value(i, c, v); }
    int32_t SetValue(uint32_t i, uint32_t c, const uint32_t* v) override { return t_->ddc_set_value(i, c, v); }
    int32_t GetData(uint32_t i, uint32_t c, void* b, uint32_t n) override { return t_->ddc_get_data(i, c, b, n); }
    int32_t SetData(uint32_t i, uint32_t c, const void* b, uint32_t n) override { return t_->ddc_set_data(i, c, b, n); }
    int32_t Release() override { return t_->ddc_release(); }

private:
    const DvSimBackend* t_;
};

}  // namespace

Backend* SimBackend() {
    const DvSimBackend* table = dvc::sim::loader::SelectSim(reinterpret_cast<const void*>(&SimBackend));
    if (table == nullptr) return nullptr;
    // The table lives as long as the process (libdvcsim is never unloaded).
    static SimLink link(table);
    return &link;
}

}  // namespace dvc::ddclink
