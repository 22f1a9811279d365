// The older fixed self-calibration blocks and the public records they fill:
// the version-1 target (64 bytes), the version-3 target (26 bytes, or the
// version-1 block where the monitor lacks it), the version-1 result (64
// bytes, primaries completed from the white point) and the version-1
// result setting (76 bytes). Each function works on one path.
#pragma once

#include "libdvc/dvc_selfcal_records.h"

class VarnMonitorInterface;

namespace dvc::selfcal::older {

inline constexpr uint32_t kTargetV1Bytes = 64;
inline constexpr uint32_t kTargetV3Bytes = 26;
inline constexpr uint32_t kResultV1Bytes = 64;
inline constexpr uint32_t kSettingV1Bytes = 76;

// The record is written only after a usable read; a null record still reads.
DvError ReadTargetV1(VarnMonitorInterface& path, DvSelfCalibrationTarget* out);
DvError WriteTargetV1(VarnMonitorInterface& path, const DvSelfCalibrationTarget& in);

// Version-3 block when `hasV3`, else the version-1 block (gamut clipping 0,
// enable 1 on reading).
DvError ReadTargetV3(VarnMonitorInterface& path, bool hasV3, DvSelfCalibrationTargetV3* out);
DvError WriteTargetV3(VarnMonitorInterface& path, bool hasV3, const DvSelfCalibrationTargetV3& in);

DvError ReadResultV1(VarnMonitorInterface& path, DvSelfCalibrationResult* out);
DvError WriteResultV1(VarnMonitorInterface& path, const DvSelfCalibrationResult& in);

DvError ReadSettingV1(VarnMonitorInterface& path, DvSelfCalibrationResultSetting* out);
DvError WriteSettingV1(VarnMonitorInterface& path, const DvSelfCalibrationResultSetting& in);

}  // namespace dvc::selfcal::older
