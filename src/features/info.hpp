// Reset and save.
#pragma once

#include "registry/varn_monitor.hpp"

namespace dvc::features {

DvError Reset(VarnMonitor& monitor, int kind);
DvError EachReset(VarnMonitor& monitor, int value);
DvError CurrentSave(VarnMonitor& monitor, int kind, int value);

}  // namespace dvc::features
