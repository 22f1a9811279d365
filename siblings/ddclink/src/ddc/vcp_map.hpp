// The library's feature codes as VCP controls (the table: vcp_map.def).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace dvc::ddc {

enum class VcpValues { Raw, Switch, Mute, Input };

struct VcpMapping {
    uint32_t library;
    uint8_t vcp;
    VcpValues values;
};

std::optional<VcpMapping> MapFeature(uint32_t libraryCode);

// The display's value as the library's, and back. `announced` is the value
// list of the control in the display's capabilities. ToDisplay gives
// nullopt for a value the control cannot take.
uint32_t FromDisplay(const VcpMapping& m, uint16_t value);
uint16_t MaximumFromDisplay(const VcpMapping& m, uint16_t maximum);
std::optional<uint16_t> ToDisplay(const VcpMapping& m, uint32_t value, const std::vector<uint8_t>& announced);

}  // namespace dvc::ddc

namespace dvc::ddc {

// The library code whose control this is, when the table has one.
std::optional<uint32_t> LibraryCodeOf(uint8_t vcp);

}  // namespace dvc::ddc
