// The monitor operations on the older fixed records and the support
// queries of the record versions.
#pragma once

#include "libdvc/dvc_selfcal_records.h"

class VarnMonitor;

namespace dvc::selfcal::older {

DvError GetTargetV1(VarnMonitor& monitor, DvSelfCalibrationTarget* out);
DvError SetTargetV1(VarnMonitor& monitor, const DvSelfCalibrationTarget* in);
DvError GetTargetV3(VarnMonitor& monitor, DvSelfCalibrationTargetV3* out);
DvError SetTargetV3(VarnMonitor& monitor, const DvSelfCalibrationTargetV3* in);
DvError GetResultV1(VarnMonitor& monitor, DvSelfCalibrationResult* out);
DvError SetResultV1(VarnMonitor& monitor, const DvSelfCalibrationResult* in);
DvError GetSettingV1(VarnMonitor& monitor, DvSelfCalibrationResultSetting* out);
DvError SetSettingV1(VarnMonitor& monitor, const DvSelfCalibrationResultSetting* in);

int SupportedTargetV3(VarnMonitor& monitor);
int SupportedResultV2(VarnMonitor& monitor);
int SupportedResultV3(VarnMonitor& monitor);
int SupportedResultV4(VarnMonitor& monitor);
int SupportedLStar(VarnMonitor& monitor);
int SupportedSelfCalibrationV5(VarnMonitor& monitor);

}  // namespace dvc::selfcal::older
