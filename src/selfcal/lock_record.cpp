// The self-calibration lock: two bytes in the monitor, {owner, second},
// that cooperating programs use to keep each other from starting a
// self-calibration. Owner 0 means free; the holder may lock again (its
// second byte is then replaced); only the holder may unlock.
#include <array>

#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "selfcal/control.hpp"

namespace dvc::selfcal {
namespace {

using Record = std::array<uint8_t, 2>;

constexpr bool IsByte(int value) noexcept { return value >= 0 && value <= 0xFF; }

// A refusal is an answer: the record then reads as zeros (free).
DvError ReadLock(VarnMonitorInterface& path, Record& record) {
    record = {};
    const DvError result = path.ReadData(codes::kSelfCalMutex, record.data(), record.size());
    return result < 0 && result != DvErrRefused ? DvErrFailed : DvOk;
}

DvError WriteLock(VarnMonitorInterface& path, Record record) {
    return path.WriteData(codes::kSelfCalMutex, record.data(), record.size(), 0);
}

}  // namespace

DvError LockSelfCalibration(VarnMonitor& monitor, int owner, int second) {
    // Owner 0 stands for "free" in the record: nobody can hold the lock as 0.
    if (owner == 0 || !IsByte(owner) || !IsByte(second)) return DvErrInvalidParameter;
    return features::FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        Record record;
        if (const DvError read = ReadLock(path, record); read != DvOk) return read;
        if (record[0] != 0 && record[0] != owner) return DvErrFailed;  // held by another
        return WriteLock(path, {static_cast<uint8_t>(owner), static_cast<uint8_t>(second)});
    });
}

DvError UnlockSelfCalibration(VarnMonitor& monitor, int owner) {
    if (!IsByte(owner)) return DvErrInvalidParameter;
    return features::FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        Record record;
        if (const DvError read = ReadLock(path, record); read != DvOk) return read;
        if (record[0] != owner) return DvErrFailed;  // not the holder
        return WriteLock(path, {0, 0});
    });
}

DvError GetSelfCalibrationMutexOwner(VarnMonitor& monitor, int* owner) {
    if (owner == nullptr) return DvErrInvalidParameter;
    return features::FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        Record record{};
        const DvError result = path.ReadData(codes::kSelfCalMutex, record.data(), record.size());
        if (paths::Usable(result)) *owner = record[0];
        return result;
    });
}

}  // namespace dvc::selfcal
