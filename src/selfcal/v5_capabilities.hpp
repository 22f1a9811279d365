// What a monitor offers for self-calibration records: which of the paged
// and older items it has, asked through the paths' fixed-data support
// query, and the LUT size its model gives.
#pragma once

#include <cstdint>

#include "selfcal/v5_objects.hpp"

class VarnMonitor;

namespace dvc::selfcal {

// The item's support flag on the first path that answers the query; its
// length through `length` when given. False when no path answers.
bool ItemSupported(VarnMonitor& monitor, uint32_t code, uint32_t* length = nullptr);

// Every item of the three kinds and the model's LUT size.
Capabilities ReadCapabilities(VarnMonitor& monitor);

// The LUT entries the model's self-calibration LUT depth gives (0 without one).
uint32_t ModelLutSize(const VarnMonitor& monitor);

}  // namespace dvc::selfcal
