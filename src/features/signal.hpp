// The input signal and the input ports: which port is shown (as an index of
// the model's port list), the ports of each window, the automatic input
// switch, and what the monitor reports of the signal and its panel.
#pragma once

#include "libdvc/dvc_modes_inputs.h"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

DvError GetSignal(VarnMonitor& monitor, int* index);
DvError SetSignal(VarnMonitor& monitor, int index);
int GetSignalCount(VarnMonitor& monitor);

// Ports as exported numbers, one per window.
DvError GetInputPorts(VarnMonitor& monitor, int* ports, int capacity);
DvError SetInputPorts(VarnMonitor& monitor, const int* ports, int count);
int GetInputPortCount(VarnMonitor& monitor);
DvError GetInputPort(VarnMonitor& monitor, int* port);
DvError SetInputPort(VarnMonitor& monitor, int port);

DvError GetInputAuto(VarnMonitor& monitor, int* on);
DvError SetInputAuto(VarnMonitor& monitor, int on);
DvError SupportedInputAuto(VarnMonitor& monitor, int* flag);

DvError GetNativeResolution(VarnMonitor& monitor, int* width, int* height);
DvError GetSignalResolution(VarnMonitor& monitor, int* width, int* height);
DvError GetSignalInformation(VarnMonitor& monitor, DvSignalInformation* information);
DvError GetDPVersion(VarnMonitor& monitor, int* version);
int SupportedDPVersion(VarnMonitor& monitor);
DvError GetCompatibilityMode(VarnMonitor& monitor, int* on);
DvError SetCompatibilityMode(VarnMonitor& monitor, int on);
int SupportedCompatibilityMode(VarnMonitor& monitor);

// The signal type: the selected one, and the ones the monitor can select.
DvError GetSignalTypeSelection(VarnMonitor& monitor, int* type);
DvError SetSignalTypeSelection(VarnMonitor& monitor, int type);
DvError GetSupportedSignalTypeSelections(VarnMonitor& monitor, int* types, int capacity);

}  // namespace dvc::features
