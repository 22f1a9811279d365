// The pixel error analyzer: its record (byte 0 its state, bytes 1 and 2 the
// errors found), and its runs, which make it the target of the target
// selection (a mode byte of its own) and give the target back.
#pragma once

#include "libdvc/dvc_keys_osd.h"
#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

DvError ReadPixelErrorAnalyzer(VarnMonitorInterface& path, DvPixelErrorAnalyzerInfo* info);
DvError StartPixelErrorAnalyzer(VarnMonitorInterface& path);
// Gives the target back only when the analyzer holds it.
DvError StopPixelErrorAnalyzer(VarnMonitorInterface& path);

}  // namespace dvc::paths
