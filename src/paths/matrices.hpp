// The bank of colour matrices on one path. A slot number written to the
// select code chooses the slot that the next 16-bit or 32-bit transfer
// reads or writes; slot 255 is the matrix the video chip applies in front
// of the bank. The slot mask switches slots off, one bit each.
#pragma once

#include <cstdint>

#include "paths/matrix_forms.hpp"
#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

inline constexpr uint32_t kChipSlot = 255;

DvError ReadMatrix16(VarnMonitorInterface& path, uint32_t slot, Raw16& raw);
DvError ReadMatrix32(VarnMonitorInterface& path, uint32_t slot, Raw32& raw);
// The chip's matrix through its own read-only code.
DvError ReadAsicMatrix(VarnMonitorInterface& path, Raw32& raw);

// With `enable` the slot's mask bit is cleared afterwards and the result is
// that of the mask update; otherwise the result of the data write.
DvError WriteMatrix16(VarnMonitorInterface& path, uint32_t slot, const Raw16& raw, bool enable);
DvError WriteMatrix32(VarnMonitorInterface& path, uint32_t slot, const Raw32& raw, bool enable);

DvError ReadMatrixSlotCount(VarnMonitorInterface& path, uint32_t& count);
DvError WriteMatrixMask(VarnMonitorInterface& path, uint32_t mask);

}  // namespace dvc::paths
