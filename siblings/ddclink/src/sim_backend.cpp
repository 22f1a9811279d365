// The virtual monitors: every call goes to the ddc_ entry of libdvcsim's
// table (see sim_link.hpp).
#include "backend.hpp"
#include "sim_link.hpp"

namespace dvc::ddclink {
namespace {

using T = DvSimBackend;

class SimLink final : public Backend, transport::SimTable {
public:
    using SimTable::SimTable;
    int32_t SetCommunicationType(int32_t type) override { return Call<&T::ddc_set_communication_type>(type); }
    int32_t Find() override { return Call<&T::ddc_find>(); }
    int32_t IsSupported(uint32_t i, uint32_t c) override { return Call<&T::ddc_is_supported>(i, c); }
    int32_t GetFixedData(uint32_t i, uint32_t c, int32_t* mx, int32_t* mn, uint32_t* l) override {
        return Call<&T::ddc_get_fixed_data>(i, c, mx, mn, l);
    }
    int32_t GetValue(uint32_t i, uint32_t c, uint32_t* v) override { return Call<&T::ddc_get_value>(i, c, v); }
    int32_t SetValue(uint32_t i, uint32_t c, const uint32_t* v) override { return Call<&T::ddc_set_value>(i, c, v); }
    int32_t GetData(uint32_t i, uint32_t c, void* b, uint32_t n) override { return Call<&T::ddc_get_data>(i, c, b, n); }
    int32_t SetData(uint32_t i, uint32_t c, const void* b, uint32_t n) override {
        return Call<&T::ddc_set_data>(i, c, b, n);
    }
    int32_t Release() override { return Call<&T::ddc_release>(); }
};

}  // namespace

Backend* SimBackend() { return transport::SimLinkFor<SimLink>(reinterpret_cast<const void*>(&SimBackend)); }

}  // namespace dvc::ddclink
