// The model's input ports as exported port numbers.
#include <algorithm>
#include <array>

#include "features/model.hpp"

namespace dvc::features {

namespace {

struct PortNumber {
    int code;
    int number;
};

// Monitor port code -> exported number; codes not listed export as 0.
constexpr std::array<PortNumber, 19> kPortNumbers{{
    {0x100, 10},    {0x101, 11},    {0x200, 20},    {0x201, 21},    {0x300, 30},    {0x301, 31},    {0x400, 40},
    {0x401, 41},    {0x500, 50},    {0x501, 51},    {0x502, 52},    {0x503, 53},    {0xA00, 0xA00}, {0xA01, 0xA01},
    {0xA02, 0xA02}, {0xA03, 0xA03}, {0xA10, 0xA10}, {0xA11, 0xA11}, {0xA20, 0xA20},
}};

int ExportedPortNumber(int code) {
    const auto* it =
        std::find_if(kPortNumbers.begin(), kPortNumbers.end(), [code](const PortNumber& p) { return p.code == code; });
    return it != kPortNumbers.end() ? it->number : 0;
}

}  // namespace

DvError GetSupportedInputPort(VarnMonitor& monitor, int* ports, int capacity) {
    std::vector<int> codes;
    const DvError r = LoadInputPortList(monitor, codes);
    if (r != DvOk) return r;
    const std::size_t room = capacity > 0 ? static_cast<std::size_t>(capacity) : 0;
    const std::size_t n = std::min(codes.size(), room);
    if (n > 0 && ports == nullptr) return DvErrInvalidParameter;
    for (std::size_t i = 0; i < n; ++i) ports[i] = ExportedPortNumber(codes[i]);
    return r;
}

int GetSupportedInputPortCount(VarnMonitor& monitor) {
    return monitor.Record() != nullptr ? static_cast<int>(monitor.Record()->inputPorts.size()) : 0;
}

}  // namespace dvc::features
