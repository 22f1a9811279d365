// The table of skipped colour modes, as callers see it: one row per
// supported input port, `columns` flags per row (1 skipped, 0 shown), one
// per mode. Two encodings carry it (feature_codes.def): the newer table of
// one byte per port and mode, and the older per-mode bytes whose bit p
// stands for port p. Modes past what the monitor keeps read as 0 and must
// be written as 0.
#pragma once

#include <cstdint>
#include <vector>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

enum class SkipEncoding { Newer, Older };

DvError ReadSkipTable(VarnMonitorInterface& path, SkipEncoding encoding, uint32_t ports, uint32_t columns,
                      std::vector<int>& table);
// `table` holds ports * columns flags; nonzero is skipped.
DvError WriteSkipTable(VarnMonitorInterface& path, SkipEncoding encoding, uint32_t ports, uint32_t columns,
                       const int* table);

}  // namespace dvc::paths
