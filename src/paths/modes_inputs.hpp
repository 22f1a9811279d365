// Per-path encodings of the modes, inputs and signal area that are more than
// a table row.
#pragma once

#include <cstdint>

#include "libdvc/dvc_modes_inputs.h"
#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// Starts the EDID write over DDC and polls until the monitor reports it done
// (DvErrFailed when it reports a failure).
DvError ExecuteEDIDDDCWrite(VarnMonitorInterface& path);
// Starts automatic adjustment `kind` (1 to 4) and, unless `wait` is 0,
// polls until it is done or DvErrTimeout.
DvError SetAutoAdjust(VarnMonitorInterface& path, int kind, int wait);
// Area `index` of image-in-image: select, then read its 12-byte record.
DvError GetIISArea(VarnMonitorInterface& path, uint32_t index, DvIISArea* area);
// Output segment `segment`: select, then read its current or its constant
// property record.
DvError GetOutputSegmentProperty(VarnMonitorInterface& path, uint32_t segment, DvOutputSegmentProperty* property);
DvError GetOutputSegmentPropertyConstant(VarnMonitorInterface& path, uint32_t segment,
                                         DvOutputSegmentProperty* property);
// Selects USB upstream port `port` without waiting for the answer.
DvError SetUSBSelection(VarnMonitorInterface& path, uint8_t port);
// Writes the target selection block as zeros.
DvError ClearTargetSelection(VarnMonitorInterface& path);
// The incoming signal's description, decoded.
DvError GetSignalInfoFrame(VarnMonitorInterface& path, DvSignalInfoFrame* info);

}  // namespace dvc::paths
