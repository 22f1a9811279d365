// Discovery on the display buses: each bus is opened, its EDID read and
// checked, and its display asked whether it speaks DDC/CI; the displays that
// do are asked for their capabilities once. Buses are probed in parallel,
// one thread each, so N displays take about as long as one.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ddc/capabilities.hpp"
#include "ddc/channel.hpp"
#include "ddc/display_buses.hpp"
#include "ddc/edid.hpp"
#include "ddc/identity.hpp"

namespace dvc::ddc {

struct Display {
    DisplayBus where;
    Edid edid;
    Identity identity;
    std::string capabilitiesText;  // empty when the display would not give it
    Capabilities capabilities;
    std::unique_ptr<Channel> channel;
};

struct ProbeResult {
    std::vector<std::unique_ptr<Display>> displays;  // in bus order
    int busesSeen = 0;
    int denied = 0;   // buses whose device node we may not open
    int missing = 0;  // buses without a device node (i2c-dev not loaded)
};

// How far a probe goes: the EDID only (who is attached, for tools), the
// DDC/CI probe as well, or also the capabilities (discovery).
enum class ProbeDepth { kEdid, kDdc, kCapabilities };

ProbeResult ProbeBuses(const std::vector<DisplayBus>& buses, BusOpener open, const Timing& timing,
                       ProbeDepth depth = ProbeDepth::kCapabilities);

}  // namespace dvc::ddc
