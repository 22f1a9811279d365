// Reset, save and the firmware version.
#pragma once

#include "registry/varn_monitor.hpp"

namespace dvc::features {

DvError Reset(VarnMonitor& monitor, int kind);
DvError EachReset(VarnMonitor& monitor, int value);
DvError CurrentSave(VarnMonitor& monitor, int kind, int value);
DvError Save(VarnMonitor& monitor);
// The firmware version text; one that does not fit `capacity` with its NUL
// is DvErrSizeMismatch.
DvError GetFirmwareVersion(VarnMonitor& monitor, char* buffer, int capacity);

}  // namespace dvc::features
