// Firmware versions: the text the monitor reports for its main firmware,
// and the version records ("VER000", one record per firmware, its text
// first) that the on-screen display shows as five-digit numbers.
#pragma once

#include <string>
#include <vector>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// The extended version text where the monitor has it, else the short one.
DvError ReadFirmwareVersion(VarnMonitorInterface& path, std::string& text);
// The number of version records.
DvError CountVersionRecords(VarnMonitorInterface& path, int* count);
// The first `count` records as the display shows them: the digits of the
// text's last word ("main 01.04.2" is 1042); more than five digits, or none,
// is DvErrWrongLength.
DvError ReadDisplayedVersions(VarnMonitorInterface& path, int count, std::vector<int>& versions);

}  // namespace dvc::paths
