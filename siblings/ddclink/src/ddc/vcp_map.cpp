#include "ddc/vcp_map.hpp"

#include <algorithm>
#include <array>

namespace dvc::ddc {
namespace {

constexpr VcpMapping kTable[] = {
#define DVC_VCP(library, vcp, values) {library, vcp, VcpValues::values},
#include "ddc/vcp_map.def"
#undef DVC_VCP
};

struct InputPort {
    uint16_t library;
    uint8_t vcp;
};

constexpr InputPort kInputs[] = {
#define DVC_VCP(library, vcp, values)
#define DVC_VCP_INPUT(library, vcp) {library, vcp},
#include "ddc/vcp_map.def"
#undef DVC_VCP_INPUT
#undef DVC_VCP
};

constexpr uint16_t kPowerOn = 1, kMuted = 1, kUnmuted = 2;

bool Listed(const std::vector<uint8_t>& announced, uint32_t v) {
    return std::find(announced.begin(), announced.end(), v) != announced.end();
}

}  // namespace

std::optional<VcpMapping> MapFeature(uint32_t libraryCode) {
    for (const VcpMapping& m : kTable)
        if (m.library == libraryCode) return m;
    return std::nullopt;
}

std::optional<uint32_t> LibraryCodeOf(uint8_t vcp) {
    for (const VcpMapping& m : kTable)
        if (m.vcp == vcp) return m.library;
    return std::nullopt;
}

uint32_t FromDisplay(const VcpMapping& m, uint16_t value) {
    switch (m.values) {
    case VcpValues::Switch: return value == kPowerOn ? 1 : 0;
    case VcpValues::Mute: return value == kMuted ? 1 : 0;
    case VcpValues::Input:
        for (const InputPort& p : kInputs)
            if (p.vcp == value) return p.library;
        return value;
    default: return value;
    }
}

uint16_t MaximumFromDisplay(const VcpMapping& m, uint16_t maximum) { return m.values == VcpValues::Raw ? maximum : 1; }

std::optional<uint16_t> ToDisplay(const VcpMapping& m, uint32_t value, const std::vector<uint8_t>& announced) {
    switch (m.values) {
    case VcpValues::Switch: {
        if (value > 1) return std::nullopt;
        if (value == 1) return kPowerOn;
        for (const uint16_t off : {4, 5, 2, 3})
            if (Listed(announced, off)) return off;
        return 4;
    }
    case VcpValues::Mute:
        if (value > 1) return std::nullopt;
        return value == 1 ? kMuted : kUnmuted;
    case VcpValues::Input:
        for (const InputPort& p : kInputs)
            if (p.library == value && (announced.empty() || Listed(announced, p.vcp))) return p.vcp;
        return std::nullopt;
    default:
        if (value > 0xFFFF) return std::nullopt;
        // A control with a value list takes only the values it lists.
        if (!announced.empty() && !Listed(announced, value)) return std::nullopt;
        return static_cast<uint16_t>(value);
    }
}

}  // namespace dvc::ddc
