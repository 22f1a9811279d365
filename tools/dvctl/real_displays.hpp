// The real displays on this machine's display buses, as dvctl shows them
// beside the library's monitors: which bus and connector leads to a monitor,
// its full serial number, and why nothing could be looked at.
#pragma once

#include <string>

#include "ddc/probe.hpp"
#include "session.hpp"

namespace dvc::cli {

// True when the command line or the environment selects virtual monitors.
bool UsingVirtualMonitors(const GlobalOptions& global);

// Each display bus's EDID, read without any DDC/CI traffic.
ddc::ProbeResult LookAtDisplayBuses();

// The display that names itself as `monitor` does; null when none does.
const ddc::Display* DisplayOf(const ddc::ProbeResult& found, const Monitor& monitor);

// "i2c-4 (HDMI-A-1)".
std::string Where(const ddc::Display& display);

// What keeps dvctl from the display buses, and how to fix it; empty when
// nothing does.
std::string AccessProblem(const ddc::ProbeResult& found);

}  // namespace dvc::cli
