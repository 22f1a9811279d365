// Operations on the colour modes that are more than a table row: names,
// the table of skipped modes, the flavour of a mode other than the current
// one, and the colour modes of output segments.
#pragma once

#include "registry/varn_monitor.hpp"

namespace dvc::features {

// Whether a path reports colour modes (SupportedMode).
bool HasColourModes(VarnMonitor& monitor);

DvError GetModeName(VarnMonitor& monitor, int index, char* buffer, int capacity);
int GetModeNameSize(VarnMonitor& monitor, int index);
DvError SetModeName(VarnMonitor& monitor, int index, const char* name);

// The skip table: one row of `columns` flags per supported input port.
DvError GetModeSkipAll(VarnMonitor& monitor, int* table, int columns);
DvError SetModeSkipAll(VarnMonitor& monitor, const int* table, int columns);
int SupportedModeSkipAll(VarnMonitor& monitor);
// The row of the input port whose exported number is `port`.
DvError GetModeSkipAtPort(VarnMonitor& monitor, int port, int* skips, int count);
DvError SetModeSkipAtPort(VarnMonitor& monitor, int port, const int* skips, int count);

// The flavour that colour mode `mode` keeps.
DvError GetFlavorAtMode(VarnMonitor& monitor, int mode, int* flavor);

DvError EnumEnabledOutputSegmentID(VarnMonitor& monitor, int index, int* segment);
DvError GetModeOfOutputSegment(VarnMonitor& monitor, int segment, int* mode);
DvError SetModeOfOutputSegment(VarnMonitor& monitor, int segment, int mode);

}  // namespace dvc::features
