// The bank of colour matrices of a logical monitor: reads and writes in the
// 16-bit and 32-bit forms and their raw (Direct) forms, the chip's matrix,
// and the compensated write that cancels the chip's matrix. Every slot is
// 0 to 255 and every matrix nine elements row by row; a null matrix, a
// slot outside that range or an element without a wire form (not a
// number, too large) is refused with DvErrInvalidParameter before any
// traffic.
#pragma once

#include <cstdint>

#include "registry/varn_monitor.hpp"

namespace dvc::features {

DvError GetColorMatrix(VarnMonitor& monitor, int slot, double* matrix);
DvError SetColorMatrix(VarnMonitor& monitor, int slot, const double* matrix, int enable);
DvError GetColorMatrix32(VarnMonitor& monitor, int slot, double* matrix);
DvError SetColorMatrix32(VarnMonitor& monitor, int slot, const double* matrix, int enable);
DvError GetColorMatrixDirect(VarnMonitor& monitor, int slot, int16_t* raw);
DvError SetColorMatrixDirect(VarnMonitor& monitor, int slot, const int16_t* raw, int enable);
DvError GetColorMatrixDirect32(VarnMonitor& monitor, int slot, int32_t* raw);
DvError SetColorMatrixDirect32(VarnMonitor& monitor, int slot, const int32_t* raw, int enable);
DvError GetAsicMatrix32(VarnMonitor& monitor, double* matrix);
// The matrix of `slot` that colour mode `mode` keeps; the AtMode checks come
// first (DvErrNotSupported without modes, then DvErrNullOutput).
DvError GetColorMatrix32AtMode(VarnMonitor& monitor, int mode, int slot, double* matrix);

// 1 without traffic when the model lists feature code 16 or is of the newer
// generation; otherwise the first path that answers its support query.
DvError SupportedColorMatrix(VarnMonitor& monitor, int* flag);

// Writes `matrix` into `slot` so that the chip's matrix C is cancelled:
// C into slot 0, the matrix into the slot, C's inverse into the last slot
// (or, when the slot is the last, C⁻¹ · matrix into it), and with `enable`
// only slots 0, `slot` and the last switched on. `inverse`, when not null,
// receives the nine raw elements of the inverse written to the last slot.
// Slot 0 is refused (DvErrInvalidParameter); a chip matrix that cannot be
// read or is singular gives DvErrFailed and nothing is written.
DvError SetColorMatrixCompensated(VarnMonitor& monitor, int slot, const double* matrix, int enable, int32_t* inverse);

}  // namespace dvc::features
