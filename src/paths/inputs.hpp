// Per-path encodings of the input ports, the automatic input switch, the
// resolutions, the DisplayPort settings and the signal's description.
#pragma once

#include <cstdint>
#include <vector>

#include "libdvc/dvc_modes_inputs.h"
#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// The input-port codes of the signal block, one 16-bit code per window.
DvError ReadInputPorts(VarnMonitorInterface& path, std::vector<int>& codes);
// As many codes as the block holds, or DvErrInvalidParameter.
DvError WriteInputPorts(VarnMonitorInterface& path, const std::vector<int>& codes);

// The automatic input switch, or bit 2 of the state word where the switch
// has no code of its own.
DvError QueryInputAuto(VarnMonitorInterface& path, int32_t* flag);
DvError ReadInputAuto(VarnMonitorInterface& path, int* on);
DvError WriteInputAuto(VarnMonitorInterface& path, int on);

// The maxima of the two signal-resolution codes, else the older code whose
// maximum and minimum are the width and the height.
DvError ReadNativeResolution(VarnMonitorInterface& path, int* width, int* height);
// The signal's own width and height, 16 bits each.
DvError ReadSignalResolution(VarnMonitorInterface& path, int* width, int* height);

// The DisplayPort version in tenths: from the "PRM238" tag where the
// monitor keeps one, else from the DisplayPort settings block.
int SupportsDPVersion(VarnMonitorInterface& path);
DvError ReadDPVersion(VarnMonitorInterface& path, int* version);

// The compatibility switch: its own code, else byte 1 of the DisplayPort
// settings, else (when `sharedSwitch`) the code that newer models use for
// USB power saving.
int SupportsCompatibilityMode(VarnMonitorInterface& path, bool sharedSwitch);
DvError ReadCompatibilityMode(VarnMonitorInterface& path, bool sharedSwitch, int* value);
DvError WriteCompatibilityMode(VarnMonitorInterface& path, bool sharedSwitch, int value);

DvError ReadSignalInformation(VarnMonitorInterface& path, DvSignalInformation* information);

// The signal type selection block: the selected type, then the selectable
// ones (as many as the code's maximum).
DvError ReadSignalTypes(VarnMonitorInterface& path, int* current, std::vector<int>* selectable);
// Selects one of the selectable types; any other is DvErrInvalidParameter.
DvError WriteSignalType(VarnMonitorInterface& path, int type);

}  // namespace dvc::paths
