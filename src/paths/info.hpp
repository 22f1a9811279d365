// Per-path encodings of reset and save.
#pragma once

#include <cstdint>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// Reset of `kind`: 1 everything, 3 the colour adjustment, 4 and 5 not
// carried (DvErrNotSupported), any other kind written to the reset code.
DvError Reset(VarnMonitorInterface& path, int kind);
// `value` written to the reset code as it is.
DvError EachReset(VarnMonitorInterface& path, uint32_t value);
// Stores the current settings: the save-all write of newer monitors, else a
// save into memory 0.
DvError Save(VarnMonitorInterface& path);
// `value` saved by save kind 0, 1 or 2 (each its own code).
DvError CurrentSave(VarnMonitorInterface& path, int kind, uint32_t value);

}  // namespace dvc::paths
