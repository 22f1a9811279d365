// Which I2C buses lead to displays. Only those are ever opened: the DDC bus
// of each connected DRM connector, or, on a machine without DRM connectors
// in sysfs, the /dev/i2c-* adapters whose name is a graphics adapter's.
#pragma once

#include <string>
#include <vector>

namespace dvc::ddc {

struct DisplayBus {
    int bus = -1;
    std::string connector;  // "DP-1", "HDMI-A-2"; empty when found by adapter name
};

// `sysRoot` is "/sys" on a machine; tests give a directory of their own.
std::vector<DisplayBus> FindDisplayBuses(const std::string& sysRoot = "/sys");

// True for the names that graphics drivers give their display buses.
bool IsDisplayAdapterName(const std::string& name);

}  // namespace dvc::ddc
