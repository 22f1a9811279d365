#include "ddc/self_description.hpp"

#include "ddc/vcp_map.hpp"

namespace dvc::ddc {
namespace {

constexpr uint32_t kSelectedInput = 0x71;  // the library's code of the input source control
constexpr uint16_t kInputPortsTag = 0x53;  // a list of 16-bit input-port codes

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

}  // namespace

std::vector<uint8_t> SelfDescription(const Capabilities& caps) {
    const auto input = MapFeature(kSelectedInput);
    if (!input || !caps.Has(input->vcp)) return {};
    std::vector<uint8_t> ports;
    for (const uint8_t value : caps.vcp.at(input->vcp)) {
        const uint32_t port = FromDisplay(*input, value);
        // Values without a port code of their own cannot be selected by code.
        if (ToDisplay(*input, port, {value}) != value) continue;
        Put16(ports, port);
    }
    if (ports.empty()) return {};
    std::vector<uint8_t> block{'P', 'T', 1, 0};
    Put16(block, 1);  // one item
    Put16(block, kInputPortsTag);
    Put16(block, static_cast<uint32_t>(ports.size()));
    block.insert(block.end(), ports.begin(), ports.end());
    uint32_t sum = 0;
    for (const uint8_t b : block) sum += b;
    Put16(block, sum & 0xFFFF);
    return block;
}

}  // namespace dvc::ddc
