// The names a user types for input ports, and the exported port numbers
// they stand for.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dvc::cli {

// "dp1", "hdmi2", "usb-c1", ...; "port<number>" for a number without a
// connector name.
std::string PortName(int number);
// The number of a name that PortName gives (any case).
std::optional<int> PortNumberOf(std::string_view name);

}  // namespace dvc::cli
