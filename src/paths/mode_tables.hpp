// The blocks that a colour mode other than the current one keeps: the mode
// number written to the mode-table select code chooses the mode whose
// blocks the mode-table codes read (tone LUTs, front LUTs, matrices).
#pragma once

#include <cstdint>
#include <vector>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// `length` bytes at `offset` of the mode's block of `code`; a block too
// short to hold them gives DvErrNotSupported.
DvError ReadModeTable(VarnMonitorInterface& path, uint32_t mode, uint32_t code, uint32_t offset,
                      std::vector<uint8_t>& part);

}  // namespace dvc::paths
