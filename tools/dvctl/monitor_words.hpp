// Values by name: a monitor's colour modes for `mode`, its input ports by
// connector name for `input`, and the states of the power switch and the
// key lock. Numbers pass through.
#pragma once

#include <string>
#include <vector>

#include "feature_catalog.hpp"
#include "session.hpp"

namespace dvc::cli {

struct ModeEntry {
    int index;
    std::string name;
};
// The monitor's colour modes with their names (empty names when it keeps
// none).
std::vector<ModeEntry> ColourModes(const Monitor& monitor);
// The monitor's input ports as exported numbers, in the order of its list.
std::vector<int> InputPorts(const Monitor& monitor);

// The words with a mode or port name replaced by its index; a word that is
// neither a number nor a name of this monitor is a UsageError that lists
// the accepted values.
std::vector<std::string> MonitorWords(const Feature& feature, const Monitor& monitor,
                                      const std::vector<std::string>& words);

}  // namespace dvc::cli
