// The tone LUT: 256 normalised levels per channel, with the choice between
// the newer path encoding and the two legacy word forms, and the comparison
// of two LUTs in the monitor's own units.
#pragma once

#include "libdvc/dvc_types.h"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

// Flag kept: 0 for a channel that the model's LUT kinds do not list,
// otherwise the paths' answer (first-success rule).
DvError SupportedLUT(VarnMonitor& monitor, int channel, int* flag);
// Channel = the monitor's table number; bank 0 or 1.
DvError SetLUT(VarnMonitor& monitor, int channel, const double* levels, const int* bank);
DvError GetLUT(VarnMonitor& monitor, int channel, double* levels, const int* bank);
// The tone LUT that colour mode `mode` keeps, in the same units as GetLUT.
DvError GetLUTAtMode(VarnMonitor& monitor, int mode, int channel, double* levels);
// 1 when the two arrays agree within `tolerance` steps of the full scale
// that kind and count give; 0 otherwise, and for any pair it cannot scale.
int IsEqualLUT(VarnMonitor& monitor, int kind, const double* first, const double* second, int count, int tolerance);

// Whether the tone LUT goes through the newer path encoding.
bool UsesNewerLutInterface(VarnMonitor& monitor);

}  // namespace dvc::features

namespace dvc::features {

// Answered from the model record alone, without path traffic.
// The gamut indices the model offers: the set bits of its gamut mask.
DvError EnumGamutIndex(VarnMonitor& monitor, int index, int* gamut);
// Nonzero when the model has media emulations.
int SupportedMediaEmu(VarnMonitor& monitor);
// Largest value of a direct rear-LUT entry, colour and monochrome;
// DvErrNotSupported when the model gives none.
DvError GetMaxRearLUTDirectColor(VarnMonitor& monitor, int* maximum);
DvError GetMaxRearLUTDirectMono(VarnMonitor& monitor, int* maximum);
// Precision of the front LUT in bits; DvErrNotSupported when the model gives none.
DvError GetFrontLUTPrecision(VarnMonitor& monitor, int* precision);
// Nonzero when the monitor can warn of REC.709 colours in a REC.2020 picture.
int SupportedREC709GamutWarningForREC2020(VarnMonitor& monitor);

// The media emulation that colour mode `mode` uses.
DvError GetMediaEmuSelectionAtMode(VarnMonitor& monitor, int mode, int* selection);

}  // namespace dvc::features
