// The colour mode that self-calibration controls, and the self index that
// names it. The monitor numbers the controllable modes 0, 1, 2 and 15; the
// caller sees them as the bits 1, 2, 4 and 0x8000. On monitors with that
// item the self index follows the mode; older monitors keep the index and a
// second byte of their own.
#include <array>
#include <optional>

#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "selfcal/control.hpp"

namespace dvc::selfcal {
namespace {

using features::FirstAnswer;
using paths::Usable;

struct ModeCode {
    uint32_t monitor;  // the code on the monitor
    int caller;        // the mode bit for the caller
    int index;         // the self index of the mode
};
constexpr std::array<ModeCode, 4> kModes{{{0, 1, 28}, {1, 2, 29}, {2, 4, 30}, {15, 0x8000, -1}}};

constexpr int kNoIndex = -1;
constexpr uint8_t kNoIndexByte = 255;  // bytes above 254 read as no index

std::optional<ModeCode> ByMonitor(uint32_t code) {
    for (const ModeCode& m : kModes)
        if (m.monitor == code) return m;
    return std::nullopt;
}
template <class Field>
std::optional<ModeCode> ByField(int value, Field field) {
    for (const ModeCode& m : kModes)
        if (m.*field == value) return m;
    return std::nullopt;
}

bool HasControlColorMode(VarnMonitorInterface& path) {
    return paths::SupportedByFixedData(path, codes::kSelfCalControlColorMode);
}

}  // namespace

DvError GetSelfCalibrationControlColorMode(VarnMonitor& monitor, int* mode) {
    if (mode == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        uint32_t code = 0;
        const DvError result = path.ReadValue(codes::kSelfCalControlColorMode, &code);
        // A code the monitor should not hold leaves the caller's value as it was.
        if (Usable(result))
            if (const auto m = ByMonitor(code)) *mode = m->caller;
        return result;
    });
}

DvError SetSelfCalibrationControlColorMode(VarnMonitor& monitor, int mode) {
    // Any other mode is written as the monitor's first mode (code 0).
    const auto m = ByField(mode, &ModeCode::caller);
    const uint32_t code = m ? m->monitor : 0;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return path.WriteValue(codes::kSelfCalControlColorMode, code, 0);
    });
}

DvError GetSelfIndex(VarnMonitor& monitor, int* index, int* second) {
    if (index == nullptr || second == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        if (HasControlColorMode(path)) {
            uint32_t code = 0;
            const DvError result = path.ReadValue(codes::kSelfCalControlColorMode, &code);
            if (!Usable(result)) return result;
            const auto m = ByMonitor(code);
            if (!m) return DvErrFailed;  // a mode that has no self index
            *index = m->index;
            *second = 0;
            return result;
        }
        std::array<uint8_t, 2> bytes{};
        const DvError result = path.ReadData(codes::kSelfIndex, bytes.data(), bytes.size());
        if (Usable(result)) {
            *index = bytes[0] >= kNoIndexByte ? kNoIndex : bytes[0];
            *second = bytes[1];
        }
        return result;
    });
}

DvError SetSelfIndex(VarnMonitor& monitor, int index, int second) {
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        if (HasControlColorMode(path)) {
            const auto m = ByField(index, &ModeCode::index);
            if (!m || second != 0) return DvErrFailed;  // not one of the controllable modes
            return path.WriteValue(codes::kSelfCalControlColorMode, m->monitor, 0);
        }
        // What the two bytes cannot carry is refused.
        if (index < kNoIndex || index >= kNoIndexByte || second < 0 || second > 0xFF) return DvErrInvalidParameter;
        const std::array<uint8_t, 2> bytes{index == kNoIndex ? kNoIndexByte : static_cast<uint8_t>(index),
                                           static_cast<uint8_t>(second)};
        return path.WriteData(codes::kSelfIndex, bytes.data(), bytes.size(), 0);
    });
}

}  // namespace dvc::selfcal
