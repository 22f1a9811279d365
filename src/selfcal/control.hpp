// Self-calibration control operations of a logical monitor that are more
// than one table row: the cooperative lock, clocks and ageing times, the
// controlled colour mode and self index, the calibration targets and the
// enable mask. Each asks the monitor's paths under the first-answer rule.
#pragma once

#include <array>
#include <cstdint>

#include "paths/varn_monitor_interface.hpp"
#include "registry/varn_monitor.hpp"

namespace dvc::selfcal {

// Support that combines several items.
int SupportedSelfCalibration(VarnMonitor& monitor);
int SupportedSelfQCCal(VarnMonitor& monitor);
int SupportedSelfCalibrationAgingTimeForBrightnessChange(VarnMonitor& monitor);

// The lock kept in the monitor between programs (owner 0: free).
DvError LockSelfCalibration(VarnMonitor& monitor, int owner, int second);
DvError UnlockSelfCalibration(VarnMonitor& monitor, int owner);
DvError GetSelfCalibrationMutexOwner(VarnMonitor& monitor, int* owner);

// Ageing times and the elapsed time.
DvError GetSelfCalibrationAgingTime(VarnMonitor& monitor, int* hours);
DvError GetSelfCalibrationAgingTimeForBrightnessChange(VarnMonitor& monitor, int* hours);
DvError SetSelfCalibrationAgingTime(VarnMonitor& monitor, int hours);
DvError GetSelfCalibrationElapsedTime(VarnMonitor& monitor, uint32_t* elapsed);

// The time record: a 32-bit word A and a 16-bit word B in six bytes.
struct TimeRecord {
    uint32_t a = 0;
    uint16_t b = 0;
};
std::array<uint8_t, 6> EncodeTime(TimeRecord time) noexcept;
TimeRecord DecodeTime(const std::array<uint8_t, 6>& bytes) noexcept;
DvError GetSelfCalibrationClockTime(VarnMonitor& monitor, uint32_t* a, uint16_t* b);
DvError SetSelfCalibrationClockTime(VarnMonitor& monitor, uint32_t a, uint16_t b);
DvError GetSelfCalibrationResultTime(VarnMonitor& monitor, uint32_t* a, uint16_t* b);
DvError SetSelfCalibrationResultTime(VarnMonitor& monitor, uint32_t a, uint16_t b);

// The colour mode self-calibration controls, and the self index.
DvError GetSelfCalibrationControlColorMode(VarnMonitor& monitor, int* mode);
DvError SetSelfCalibrationControlColorMode(VarnMonitor& monitor, int mode);
DvError GetSelfIndex(VarnMonitor& monitor, int* index, int* second);
DvError SetSelfIndex(VarnMonitor& monitor, int index, int second);

// Calibration targets: count, selected index, pairing, enable mask.
int GetSelfTargetCount(VarnMonitor& monitor);
DvError GetSelfTargetIndex(VarnMonitor& monitor, uint32_t* index);
DvError SetSelfTargetIndex(VarnMonitor& monitor, uint32_t index);
DvError GetSelfTargetPairing(VarnMonitor& monitor, uint32_t* pairing, int count);
DvError SetSelfTargetPairing(VarnMonitor& monitor, const uint32_t* pairing, int count);
DvError GetEnableSelfCalibrationMode(VarnMonitor& monitor, int* flags, int count);
DvError SetEnableSelfCalibrationMode(VarnMonitor& monitor, const int* flags, int count);

}  // namespace dvc::selfcal
