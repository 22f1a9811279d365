// Schedule operations of a logical monitor: the schedule record in its two
// forms, the schedule types a monitor offers, and the next-schedule
// exchange.
#pragma once

#include <cstdint>

#include "libdvc/dvc_selfcal_control.h"
#include "registry/varn_monitor.hpp"

namespace dvc::selfcal {

DvError GetSelfCalibrationSchedule(VarnMonitor& monitor, uint8_t* first, uint32_t* p, uint32_t* q);
DvError SetSelfCalibrationSchedule(VarnMonitor& monitor, uint8_t first, uint32_t p, uint32_t q);
DvError GetSelfCalibrationScheduleV2(VarnMonitor& monitor, DvSelfCalScheduleV2* schedule);
DvError SetSelfCalibrationScheduleV2(VarnMonitor& monitor, const DvSelfCalScheduleV2* schedule);
DvError EnumSupportedSelfCalibrationScheduleType(VarnMonitor& monitor, int index, int* type);

// Kinds of the next-schedule request: self-calibration, then two self-QC kinds.
DvError GetSelfNextSchedule(VarnMonitor& monitor, int which, DvSelfNextSchedule* next);
DvError GetSelfQCNextSchedule(VarnMonitor& monitor, int kind, int which, DvSelfNextSchedule* next);

}  // namespace dvc::selfcal
