// The 3D LUT helpers that need no monitor: resampling between grids and
// the standard grid levels. Neither takes the library's lock.
#include <algorithm>

#include "colour/grid_levels.hpp"
#include "colour/lut3d_resample.hpp"
#include "libdvc/dvc_luts.h"

extern "C" {

void DvCtrlHelperInterpolate3DLUT(const uint16_t* srcImage, const uint16_t* srcLevels, uint16_t srcGridCount,
                                  uint16_t* dstImage, const uint16_t* dstLevels, uint16_t dstGridCount) {
    dvc::lut3d::Resample3DLut(srcImage, srcLevels, srcGridCount, dstImage, dstLevels, dstGridCount);
}

DvError DvCtrlHelperGetStandardGridLevels(uint16_t gridCount, uint16_t* levels) {
    const auto standard = dvc::lut3d::StandardGridLevels(gridCount);
    if (standard.empty() || levels == nullptr) return DvErrFailed;
    std::copy(standard.begin(), standard.end(), levels);
    return DvOk;
}

}  // extern "C"
