// ddclink's backend for displays on I2C buses: discovery builds the list of
// DDC/CI displays, and each call maps the library's feature code to its VCP
// control. Where the buses come from and how they open is given at
// construction, so that tests put emulated buses behind it.
#pragma once

#include <functional>
#include <mutex>
#include <shared_mutex>
#include <unordered_map>

#include "backend.hpp"
#include "ddc/probe.hpp"
#include "ddc/vcp_map.hpp"

namespace dvc::ddc {

struct Environment {
    std::function<std::vector<DisplayBus>()> buses;
    BusOpener open = nullptr;
    Timing timing;
};

class I2cLink final : public ddclink::Backend {
public:
    explicit I2cLink(Environment env) : env_(std::move(env)) {}

    int32_t SetCommunicationType(int32_t type) override;
    int32_t Find() override;
    int32_t IsSupported(uint32_t index, uint32_t code) override;
    int32_t GetFixedData(uint32_t index, uint32_t code, int32_t* maximum, int32_t* minimum, uint32_t* length) override;
    int32_t GetValue(uint32_t index, uint32_t code, uint32_t* value) override;
    int32_t SetValue(uint32_t index, uint32_t code, const uint32_t* value) override;
    int32_t GetData(uint32_t index, uint32_t code, void* buffer, uint32_t size) override;
    int32_t SetData(uint32_t index, uint32_t code, const void* buffer, uint32_t size) override;
    int32_t Release() override;

private:
    struct Entry {
        std::unique_ptr<Display> display;
        std::mutex maxima;                              // guards `maximum`
        std::unordered_map<uint8_t, uint16_t> maximum;  // learnt from Get VCP replies
        std::vector<uint8_t> selfDescription;           // the property-tag block; empty when there is none
        std::vector<uint8_t> identification;            // built from the EDID
    };
    Entry* At(uint32_t index);
    static const std::vector<uint8_t>* Block(Entry& e, uint32_t code);
    const VcpMapping* Supported(Entry& e, uint32_t code, VcpMapping* storage);
    int32_t Read(Entry& e, const VcpMapping& m, VcpReading* out);

    Environment env_;
    std::shared_mutex listLock_;  // discovery and release change the list; calls share it
    std::vector<std::unique_ptr<Entry>> list_;
};

}  // namespace dvc::ddc
