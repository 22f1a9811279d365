// Self-calibration times: the ageing times (how long the panel warms up
// before a calibration, and after a brightness change), the time since the
// last calibration, and the six-byte time records of the clock and of the
// last result.
#include <algorithm>
#include <vector>

#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "selfcal/control.hpp"

namespace dvc::selfcal {
namespace {

using features::FirstAnswer;
using paths::Usable;

constexpr int kMaxAgingHours = 255;  // one byte on the monitor

// Byte `at` of the ageing item, read `length` bytes long.
DvError ReadAgingByte(VarnMonitorInterface& path, uint32_t length, uint32_t at, int* out) {
    std::vector<uint8_t> block(length, 0);
    const DvError result = path.ReadData(codes::kSelfCalAgingTime, block.data(), length);
    if (Usable(result)) *out = block[at];
    return result;
}

DvError ReadTime(VarnMonitor& monitor, uint32_t code, uint32_t* a, uint16_t* b) {
    if (a == nullptr || b == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        std::array<uint8_t, 6> bytes{};
        const DvError result = path.ReadData(code, bytes.data(), bytes.size());
        if (Usable(result)) {
            const TimeRecord time = DecodeTime(bytes);
            *a = time.a;
            *b = time.b;
        }
        return result;
    });
}

DvError WriteTime(VarnMonitor& monitor, uint32_t code, uint32_t a, uint16_t b) {
    const std::array<uint8_t, 6> bytes = EncodeTime({a, b});
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return path.WriteData(code, bytes.data(), bytes.size(), 0); });
}

}  // namespace

// B little-endian, then A's two high bytes most significant first, then
// A's low half little-endian: the monitor's own order.
std::array<uint8_t, 6> EncodeTime(TimeRecord time) noexcept {
    return {static_cast<uint8_t>(time.b),       static_cast<uint8_t>(time.b >> 8), static_cast<uint8_t>(time.a >> 24),
            static_cast<uint8_t>(time.a >> 16), static_cast<uint8_t>(time.a),      static_cast<uint8_t>(time.a >> 8)};
}

TimeRecord DecodeTime(const std::array<uint8_t, 6>& bytes) noexcept {
    TimeRecord time;
    time.b = static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
    time.a = (static_cast<uint32_t>(bytes[2]) << 24) | (static_cast<uint32_t>(bytes[3]) << 16) |
             (static_cast<uint32_t>(bytes[5]) << 8) | bytes[4];
    return time;
}

int SupportedSelfCalibrationAgingTimeForBrightnessChange(VarnMonitor& monitor) {
    // The brightness-change time is the item's second byte: monitors whose
    // item is one byte long do not have it.
    return features::AnyPath(monitor.Paths(), [](VarnMonitorInterface& path) {
        uint32_t length = 0;
        const DvError result = paths::CheckDataLength(path, codes::kSelfCalAgingTime, &length, 2);
        return Usable(result) ? 1 : 0;
    });
}

DvError GetSelfCalibrationAgingTime(VarnMonitor& monitor, int* hours) {
    if (hours == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        uint32_t length = 0;
        const DvError checked = paths::CheckDataLength(path, codes::kSelfCalAgingTime, &length, 1);
        if (!Usable(checked)) return checked;
        return ReadAgingByte(path, length, 0, hours);
    });
}

DvError GetSelfCalibrationAgingTimeForBrightnessChange(VarnMonitor& monitor, int* hours) {
    if (hours == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) { return ReadAgingByte(path, 2, 1, hours); });
}

DvError SetSelfCalibrationAgingTime(VarnMonitor& monitor, int hours) {
    if (hours < 0) return DvErrInvalidParameter;
    const auto value = static_cast<uint8_t>(std::min(hours, kMaxAgingHours));
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        uint32_t length = 0;
        const DvError checked = paths::CheckDataLength(path, codes::kSelfCalAgingTime, &length, 1);
        if (!Usable(checked)) return checked;
        if (length == 1) return path.WriteValue(codes::kSelfCalAgingTime, value, 0);
        // The brightness-change time in byte 1 is kept as the monitor has it.
        std::vector<uint8_t> block(length, 0);
        const DvError read = path.ReadData(codes::kSelfCalAgingTime, block.data(), length);
        if (!Usable(read)) return read;
        block[0] = value;
        return path.WriteData(codes::kSelfCalAgingTime, block.data(), length, 0);
    });
}

DvError GetSelfCalibrationElapsedTime(VarnMonitor& monitor, uint32_t* elapsed) {
    if (elapsed == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        std::array<uint8_t, 4> bytes{};
        const DvError result = path.ReadData(codes::kSelfCalElapsedTime, bytes.data(), bytes.size());
        if (Usable(result)) {
            *elapsed = paths::LittleField(bytes.data(), 4);
            return result;
        }
        uint32_t value = 0;  // older monitors keep it as a value
        const DvError fallback = path.ReadValue(codes::kSelfCalElapsedValue, &value);
        if (Usable(fallback)) *elapsed = value;
        return fallback;
    });
}

DvError GetSelfCalibrationClockTime(VarnMonitor& monitor, uint32_t* a, uint16_t* b) {
    return ReadTime(monitor, codes::kSelfCalClockTime, a, b);
}
DvError SetSelfCalibrationClockTime(VarnMonitor& monitor, uint32_t a, uint16_t b) {
    return WriteTime(monitor, codes::kSelfCalClockTime, a, b);
}
DvError GetSelfCalibrationResultTime(VarnMonitor& monitor, uint32_t* a, uint16_t* b) {
    return ReadTime(monitor, codes::kSelfCalResultTime, a, b);
}
DvError SetSelfCalibrationResultTime(VarnMonitor& monitor, uint32_t a, uint16_t b) {
    return WriteTime(monitor, codes::kSelfCalResultTime, a, b);
}

}  // namespace dvc::selfcal
