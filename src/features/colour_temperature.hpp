// Colour temperature: in kelvin through the model's colour-temperature
// table, or, on monitors that have the index form, as the monitor's own
// value; and that value as an exported index with the preset marker.
#pragma once

#include "libdvc/dvc_types.h"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

// Out-flag form: the flag of the first path that answers the index query.
DvError SupportedColorTemperatureIndex(VarnMonitor& monitor, int* flag);
// Index support first; without it the plain support query.
DvError SupportedColorTemperature(VarnMonitor& monitor, int* flag);

// Through the index when the monitor has it, else the first path whose
// code the table lists (DvErrRefused when no path's code is listed).
DvError GetColorTemperature(VarnMonitor& monitor, int* kelvin);
// Through the index, else the code of the table entry nearest `kelvin`.
DvError SetColorTemperature(VarnMonitor& monitor, int kelvin);

DvError GetColorTemperatureIndex(VarnMonitor& monitor, int* index);
DvError SetColorTemperatureIndex(VarnMonitor& monitor, int index);
// The i-th value the model offers, as an index.
DvError EnumColorTemperatureIndex(VarnMonitor& monitor, int position, int* index);

}  // namespace dvc::features
