// Self-correction: the target a self-correcting monitor holds itself to and
// the result of its last correction. Three numbers travel as big-endian
// single-precision floats.
#pragma once

#include <cstdint>

#include "registry/varn_monitor.hpp"

namespace dvc::selfcal {

DvError GetSelfCorrectionTarget(VarnMonitor& monitor, int* enabled, uint16_t* id, double* values);
DvError SetSelfCorrectionTarget(VarnMonitor& monitor, int enabled, uint16_t id, const double* values);
DvError GetSelfCorrectionResult(VarnMonitor& monitor, uint16_t* id, double* values);
DvError SetSelfCorrectionResult(VarnMonitor& monitor, uint16_t id, const double* values);

// A number as four big-endian bytes of a single-precision float, and back.
void PutBigSingle(uint8_t* at, double value) noexcept;
double BigSingle(const uint8_t* at) noexcept;

}  // namespace dvc::selfcal
