// What the picture operations ask about the monitor's colour modes: whether
// it has modes at all, and the flavour of the current one.
#pragma once

#include <optional>

#include "registry/varn_monitor.hpp"

namespace dvc::features {

// Whether any path reports colour modes.
bool HasModes(VarnMonitor& monitor);

// The flavour of the current colour mode: empty when no path reports
// flavours or none can read it.
std::optional<int> CurrentFlavor(VarnMonitor& monitor);

}  // namespace dvc::features
