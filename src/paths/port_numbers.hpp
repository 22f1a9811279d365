// The numbers by which the library exports the monitor's input-port codes.
// Codes that the table does not name export as 0.
#pragma once

#include <algorithm>
#include <array>
#include <optional>

namespace dvc::paths {

struct PortNumber {
    int code;
    int number;
};

inline constexpr std::array<PortNumber, 19> kPortNumbers{{
    {0x100, 10},    {0x101, 11},    {0x200, 20},    {0x201, 21},    {0x300, 30},    {0x301, 31},    {0x400, 40},
    {0x401, 41},    {0x500, 50},    {0x501, 51},    {0x502, 52},    {0x503, 53},    {0xA00, 0xA00}, {0xA01, 0xA01},
    {0xA02, 0xA02}, {0xA03, 0xA03}, {0xA10, 0xA10}, {0xA11, 0xA11}, {0xA20, 0xA20},
}};

constexpr int ExportedPortNumber(int code) {
    const auto* it =
        std::find_if(kPortNumbers.begin(), kPortNumbers.end(), [code](const PortNumber& p) { return p.code == code; });
    return it != kPortNumbers.end() ? it->number : 0;
}

// The port code that an exported number stands for; none for 0 and for
// numbers outside the table.
constexpr std::optional<int> PortCodeOf(int number) {
    const auto* it = std::find_if(kPortNumbers.begin(), kPortNumbers.end(),
                                  [number](const PortNumber& p) { return p.number == number; });
    if (it == kPortNumbers.end()) return std::nullopt;
    return it->code;
}

}  // namespace dvc::paths
