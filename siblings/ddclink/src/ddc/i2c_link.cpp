#include "ddc/i2c_link.hpp"

#include <cstring>

#include "ddc/self_description.hpp"
#include "libdvc/dvc_types.h"

namespace dvc::ddc {
namespace {

constexpr uint32_t kIdentification = 0x11;  // serial number and model name, built from the EDID
constexpr uint32_t kPropertyTags = 0x50;    // the display's self-description, built from its capabilities

}  // namespace

// Both communication types reach the same displays: the type only tells
// which path kind the library files them under.
int32_t I2cLink::SetCommunicationType(int32_t type) { return type == 0 || type == 1 ? 0 : DvErrInvalidParameter; }

int32_t I2cLink::Find() {
    std::vector<DisplayBus> buses = env_.buses ? env_.buses() : std::vector<DisplayBus>{};
    ProbeResult found = ProbeBuses(buses, env_.open, env_.timing);
    std::unique_lock lock(listLock_);
    list_.clear();
    for (auto& d : found.displays) {
        auto e = std::make_unique<Entry>();
        e->identification = d->identity.Block();
        e->selfDescription = SelfDescription(d->capabilities);
        e->display = std::move(d);
        list_.push_back(std::move(e));
    }
    return static_cast<int32_t>(list_.size());
}

int32_t I2cLink::Release() {
    std::unique_lock lock(listLock_);
    list_.clear();
    return 0;
}

I2cLink::Entry* I2cLink::At(uint32_t index) { return index < list_.size() ? list_[index].get() : nullptr; }

// The data-type controls: blocks the backend builds itself rather than
// reads over the bus, both made at discovery. Null for any other code, or
// for a self-description with nothing in it.
const std::vector<uint8_t>* I2cLink::Block(Entry& e, uint32_t code) {
    if (code == kIdentification) return &e.identification;
    if (code == kPropertyTags && !e.selfDescription.empty()) return &e.selfDescription;
    return nullptr;
}

// The mapping when the display announced the control, else null.
const VcpMapping* I2cLink::Supported(Entry& e, uint32_t code, VcpMapping* storage) {
    const auto m = MapFeature(code);
    if (!m || !e.display->capabilities.Has(m->vcp)) return nullptr;
    *storage = *m;
    return storage;
}

// One Get VCP; the display's maximum is kept, so that a later range query
// costs no bus traffic.
int32_t I2cLink::Read(Entry& e, const VcpMapping& m, VcpReading* out) {
    const int32_t r = e.display->channel->GetVcp(m.vcp, out);
    if (r >= 0) {
        std::lock_guard lock(e.maxima);
        e.maximum[m.vcp] = out->maximum;
    }
    return r;
}

int32_t I2cLink::IsSupported(uint32_t index, uint32_t code) {
    std::shared_lock lock(listLock_);
    Entry* e = At(index);
    if (e == nullptr) return 0;
    if (Block(*e, code) != nullptr) return 1;
    VcpMapping m{};
    return Supported(*e, code, &m) != nullptr ? 1 : 0;
}

int32_t I2cLink::GetFixedData(uint32_t index, uint32_t code, int32_t* maximum, int32_t* minimum, uint32_t* length) {
    std::shared_lock lock(listLock_);
    Entry* e = At(index);
    if (e == nullptr) return DvErrFailed;
    if (const auto* block = Block(*e, code)) {
        if (maximum != nullptr) *maximum = 0;
        if (minimum != nullptr) *minimum = 0;
        if (length != nullptr) *length = static_cast<uint32_t>(block->size());
        return 0;
    }
    VcpMapping storage{};
    const VcpMapping* m = Supported(*e, code, &storage);
    if (m == nullptr) return DvErrNotSupported;
    uint16_t top = 0;
    bool known = false;
    {
        std::lock_guard guard(e->maxima);
        const auto it = e->maximum.find(m->vcp);
        known = it != e->maximum.end();
        if (known) top = it->second;
    }
    if (!known) {
        VcpReading reading;
        const int32_t r = Read(*e, *m, &reading);
        if (r < 0) return r;
        top = reading.maximum;
    }
    if (maximum != nullptr) *maximum = MaximumFromDisplay(*m, top);
    if (minimum != nullptr) *minimum = 0;
    if (length != nullptr) *length = 2;  // a VCP value is 16 bits
    return 0;
}

int32_t I2cLink::GetValue(uint32_t index, uint32_t code, uint32_t* value) {
    std::shared_lock lock(listLock_);
    Entry* e = At(index);
    if (e == nullptr) return DvErrFailed;
    VcpMapping storage{};
    const VcpMapping* m = Supported(*e, code, &storage);
    if (m == nullptr) return DvErrNotSupported;
    VcpReading reading;
    const int32_t r = Read(*e, *m, &reading);
    if (r >= 0 && value != nullptr) *value = FromDisplay(*m, reading.value);
    return r;
}

int32_t I2cLink::SetValue(uint32_t index, uint32_t code, const uint32_t* value) {
    std::shared_lock lock(listLock_);
    Entry* e = At(index);
    if (e == nullptr) return DvErrFailed;
    if (value == nullptr) return DvErrNullOutput;
    VcpMapping storage{};
    const VcpMapping* m = Supported(*e, code, &storage);
    if (m == nullptr) return DvErrNotSupported;
    const auto announced = e->display->capabilities.vcp.at(m->vcp);
    const auto raw = ToDisplay(*m, *value, announced);
    if (!raw) return DvErrInvalidParameter;
    {
        // A value above the display's known maximum would be clamped or
        // ignored by it; say so instead.
        std::lock_guard guard(e->maxima);
        const auto it = e->maximum.find(m->vcp);
        if (m->values == VcpValues::Raw && announced.empty() && it != e->maximum.end() && it->second != 0 &&
            *raw > it->second)
            return DvErrInvalidParameter;
    }
    return e->display->channel->SetVcp(m->vcp, *raw);
}

int32_t I2cLink::GetData(uint32_t index, uint32_t code, void* buffer, uint32_t size) {
    std::shared_lock lock(listLock_);
    Entry* e = At(index);
    if (e == nullptr) return DvErrFailed;
    const auto* block = Block(*e, code);
    if (block == nullptr) return DvErrNotSupported;  // no other data-type control has a VCP counterpart
    if (buffer == nullptr) return DvErrNoData;
    if (size != block->size()) return DvErrSizeMismatch;
    std::memcpy(buffer, block->data(), block->size());
    return 0;
}

int32_t I2cLink::SetData(uint32_t index, uint32_t, const void* buffer, uint32_t) {
    std::shared_lock lock(listLock_);
    if (At(index) == nullptr) return DvErrFailed;
    if (buffer == nullptr) return DvErrNoData;
    return DvErrNotSupported;  // the identification is the EDID's, and nothing else is data
}

}  // namespace dvc::ddc
