// Operations of the modes, inputs and signal area that are more than a
// table row.
#pragma once

#include "libdvc/dvc_modes_inputs.h"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

DvError ExecuteEDIDDDCWrite(VarnMonitor& monitor);
DvError SetAutoAdjust(VarnMonitor& monitor, int kind, int wait);
DvError GetIISArea(VarnMonitor& monitor, int index, DvIISArea* area);
DvError SetIISArea(VarnMonitor& monitor, int index, const DvIISArea* area);
DvError SetOutputSegmentProperty(VarnMonitor& monitor, int segment, const DvOutputSegmentProperty* property);
DvError GetOutputSegmentProperty(VarnMonitor& monitor, int segment, DvOutputSegmentProperty* property);
DvError GetOutputSegmentPropertyConstant(VarnMonitor& monitor, int segment, DvOutputSegmentProperty* property);
DvError SetUSBSelection(VarnMonitor& monitor, int port);
DvError ClearTargetSelection(VarnMonitor& monitor);
DvError GetSignalInfoFrame(VarnMonitor& monitor, DvSignalInfoFrame* info);

}  // namespace dvc::features
