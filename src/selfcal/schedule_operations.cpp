// The schedule record read and written over the monitor's paths, the
// schedule types on offer, and the next-schedule exchange: a nine-byte
// request {kind, which, 0...} written and the reply read back from the same
// item.
#include <algorithm>
#include <cstring>

#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "selfcal/control.hpp"
#include "selfcal/schedule.hpp"
#include "selfcal/schedule_record.hpp"

namespace dvc::selfcal {
namespace {

using features::FirstAnswer;
using paths::Usable;

constexpr uint32_t kExchangeBytes = 9;
constexpr uint32_t kNoSchedule = 0xFFFFFFFF;

// The record as the path keeps it: at most 64 bytes of the item's length.
DvError ReadSchedule(VarnMonitorInterface& path, ScheduleBytes& bytes) {
    uint32_t length = 0;
    const DvError checked = paths::CheckDataLength(path, codes::kSelfCalSchedule, &length, 1);
    if (!Usable(checked)) return checked;
    bytes = {};
    return path.ReadData(codes::kSelfCalSchedule, bytes.data(), std::min(length, kScheduleBytes));
}

DvError WriteSchedule(VarnMonitorInterface& path, const ScheduleBytes& bytes) {
    uint32_t length = 0;
    const DvError checked = paths::CheckDataLength(path, codes::kSelfCalSchedule, &length, 1);
    if (!Usable(checked)) return checked;
    return path.WriteData(codes::kSelfCalSchedule, bytes.data(), std::min(length, kScheduleBytes), 0);
}

// The reply's fields in the caller's record; a reply of a type this
// library does not know leaves the record marked as no schedule.
DvSelfNextSchedule DecodeNext(const std::array<uint8_t, kExchangeBytes>& r) {
    DvSelfNextSchedule next{};
    std::memset(next.data, 0xFF, sizeof next.data);
    switch (r[2]) {
    case 1:
        next.type = 1;
        std::memcpy(next.data, &r[3], 4);  // little-endian, as the monitor sends it
        next.data[4] = r[7];
        break;
    case 2:
        next.type = 2;
        next.data[0] = r[7];
        next.data[1] = r[8];
        next.data[2] = r[6];
        next.data[3] = r[5];
        next.data[4] = r[3];
        next.data[5] = r[4];
        break;
    default: next.type = kNoSchedule; break;
    }
    return next;
}

DvError Exchange(VarnMonitorInterface& path, uint8_t kind, uint8_t which, DvSelfNextSchedule* next) {
    // Self-QC kinds need the LEA self-check; its second kind has no third schedule.
    if ((kind == 2 && which == 2) || (kind != 0 && !paths::SupportedByFixedData(path, codes::kSelfQCLEAState)))
        return DvErrInvalidParameter;
    std::array<uint8_t, kExchangeBytes> request{kind, which};
    const DvError asked = path.WriteData(codes::kSelfNextSchedule, request.data(), kExchangeBytes, 0);
    if (!Usable(asked)) return asked;
    std::array<uint8_t, kExchangeBytes> reply{};
    const DvError result = path.ReadData(codes::kSelfNextSchedule, reply.data(), kExchangeBytes);
    if (!Usable(result)) return result;
    if (reply[0] != kind || reply[1] != which) return DvErrFailed;  // an answer to another request
    *next = DecodeNext(reply);
    return result;
}

constexpr bool IsByte(int value) noexcept { return value >= 0 && value <= 0xFF; }

}  // namespace

DvError GetSelfCalibrationSchedule(VarnMonitor& monitor, uint8_t* first, uint32_t* p, uint32_t* q) {
    if (first == nullptr || p == nullptr || q == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        ScheduleBytes bytes{};
        const DvError result = ReadSchedule(path, bytes);
        if (Usable(result)) DecodeScheduleV1(bytes, first, p, q);
        return result;
    });
}

DvError SetSelfCalibrationSchedule(VarnMonitor& monitor, uint8_t first, uint32_t p, uint32_t q) {
    ScheduleBytes bytes{};
    if (!EncodeScheduleV1(first, p, q, bytes)) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) { return WriteSchedule(path, bytes); });
}

DvError GetSelfCalibrationScheduleV2(VarnMonitor& monitor, DvSelfCalScheduleV2* schedule) {
    if (schedule == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        ScheduleBytes bytes{};
        const DvError result = ReadSchedule(path, bytes);
        if (Usable(result)) *schedule = DecodeScheduleV2(bytes);
        return result;
    });
}

DvError SetSelfCalibrationScheduleV2(VarnMonitor& monitor, const DvSelfCalScheduleV2* schedule) {
    if (schedule == nullptr) return DvErrInvalidParameter;
    // Each field must fit the bytes it travels in.
    const DvSelfCalScheduleV2& s = *schedule;
    if (s.first > 0xFF || s.type > 0xFF || s.e > 0xFF || s.f > 0xFF || s.g > 0xFFFF) return DvErrInvalidParameter;
    const ScheduleBytes bytes = EncodeScheduleV2(s);
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) { return WriteSchedule(path, bytes); });
}

DvError EnumSupportedSelfCalibrationScheduleType(VarnMonitor& monitor, int index, int* type) {
    if (type == nullptr) return DvErrInvalidParameter;
    // No built-in model lists its schedule types: self-calibrating monitors
    // offer types 0, 1 and 2, self-correcting ones type 2 alone.
    if (SupportedSelfCalibration(monitor) != 0) {
        if (index < 0 || index > 2) return DvErrNoMoreItems;
        *type = index;
        return DvOk;
    }
    const int correcting = features::AnyPath(monitor.Paths(), [](VarnMonitorInterface& path) {
        return paths::SupportedByFixedData(path, codes::kSelfCorrectionTarget) ? 1 : 0;
    });
    if (correcting == 0 || index != 0) return DvErrNoMoreItems;
    *type = 2;
    return DvOk;
}

DvError GetSelfNextSchedule(VarnMonitor& monitor, int which, DvSelfNextSchedule* next) {
    return GetSelfQCNextSchedule(monitor, 0, which, next);
}

DvError GetSelfQCNextSchedule(VarnMonitor& monitor, int kind, int which, DvSelfNextSchedule* next) {
    if (next == nullptr || kind < 0 || kind > 2 || !IsByte(which)) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        // Monitors without the exchange keep only an older form, which this
        // library does not read.
        if (!paths::SupportedByFixedData(path, codes::kSelfNextSchedule)) return DvErrNotSupported;
        return Exchange(path, static_cast<uint8_t>(kind), static_cast<uint8_t>(which), next);
    });
}

}  // namespace dvc::selfcal
