// The Tonality setting: the picture-mode menu. On a model with colour modes
// it is a view of the modes through the model's mode table (the Tonality
// value of each mode); on a model without them it has codes of its own.
#pragma once

#include "registry/varn_monitor.hpp"

namespace dvc::features {

// The first mode whose mode-table entry is `value`, or -1.
int ModeOfTonality(const VarnMonitor& monitor, int value);

DvError EnumTonality(VarnMonitor& monitor, int index, int* value);
int HasTonality(VarnMonitor& monitor, int value);
int GetTonalityCount(VarnMonitor& monitor);
DvError GetTonality(VarnMonitor& monitor, int* value);
DvError SetTonality(VarnMonitor& monitor, int value);
DvError SupportedTonality(VarnMonitor& monitor, int* flag);

DvError GetTonalityName(VarnMonitor& monitor, int value, char* buffer, int capacity);
int GetTonalityNameSize(VarnMonitor& monitor);
DvError SetTonalityName(VarnMonitor& monitor, int value, const char* name);

DvError GetTonalitySkip(VarnMonitor& monitor, int value, int* skipped);
DvError SetTonalitySkip(VarnMonitor& monitor, int value, int skipped);
int SupportedTonalitySkip(VarnMonitor& monitor);

}  // namespace dvc::features
