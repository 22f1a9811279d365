// Per-path encodings of the modes, inputs and signal area that are more than
// a table row.
#pragma once

#include <cstdint>
#include <vector>

#include "libdvc/dvc_modes_inputs.h"
#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// Starts the EDID write over DDC and polls until the monitor reports it done
// (DvErrFailed when it reports a failure).
DvError ExecuteEDIDDDCWrite(VarnMonitorInterface& path);
// Starts automatic adjustment `kind` (1 to 4) and, unless `wait` is 0,
// polls until it is done or DvErrTimeout.
DvError SetAutoAdjust(VarnMonitorInterface& path, int kind, int wait);
// Area `index` of image-in-image: select, then read or write its 12-byte
// record. Settings beyond a byte or geometry beyond 16 bits are refused.
DvError GetIISArea(VarnMonitorInterface& path, uint32_t index, DvIISArea* area);
DvError SetIISArea(VarnMonitorInterface& path, uint32_t index, const DvIISArea& area);
// Output segment `segment`: select, then read its current or its constant
// property record.
DvError GetOutputSegmentProperty(VarnMonitorInterface& path, uint32_t segment, DvOutputSegmentProperty* property);
DvError GetOutputSegmentPropertyConstant(VarnMonitorInterface& path, uint32_t segment,
                                         DvOutputSegmentProperty* property);
// A kind other than 1 or 2 is refused before anything is sent.
DvError SetOutputSegmentProperty(VarnMonitorInterface& path, uint32_t segment, const DvOutputSegmentProperty& property);
// The segments' enable flags, one byte each.
DvError ReadEnabledSegments(VarnMonitorInterface& path, std::vector<uint8_t>& enabled);
// Selects USB upstream port `port` without waiting for the answer.
DvError SetUSBSelection(VarnMonitorInterface& path, uint8_t port);
// Writes the target selection block as zeros.
DvError ClearTargetSelection(VarnMonitorInterface& path);
// The incoming signal's description, decoded.
DvError GetSignalInfoFrame(VarnMonitorInterface& path, DvSignalInfoFrame* info);

}  // namespace dvc::paths
