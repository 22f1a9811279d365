// The self-correction target (15 bytes: a 16-bit id, on/off, three
// numbers) and result (14 bytes: the id and three numbers).
#include <array>
#include <bit>
#include <cmath>
#include <limits>

#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/varn_monitor_interface.hpp"
#include "selfcal/correction.hpp"

namespace dvc::selfcal {
namespace {

using features::FirstAnswer;
using paths::Usable;

constexpr uint32_t kTargetBytes = 15;
constexpr uint32_t kResultBytes = 14;
constexpr int kValues = 3;

// Only what a single-precision float carries is sent.
bool FitsSingle(const double* values) {
    for (int i = 0; i < kValues; ++i)
        if (!std::isfinite(values[i]) || std::fabs(values[i]) > std::numeric_limits<float>::max()) return false;
    return true;
}

void PutId(uint8_t* at, uint16_t id) {
    at[0] = static_cast<uint8_t>(id);
    at[1] = static_cast<uint8_t>(id >> 8);
}
uint16_t Id(const uint8_t* at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }

template <std::size_t N>
DvError Read(VarnMonitor& monitor, uint32_t code, std::array<uint8_t, N>& bytes) {
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        bytes = {};
        return path.ReadData(code, bytes.data(), N);
    });
}

template <std::size_t N>
DvError Write(VarnMonitor& monitor, uint32_t code, const std::array<uint8_t, N>& bytes) {
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return path.WriteData(code, bytes.data(), N, 0); });
}

}  // namespace

void PutBigSingle(uint8_t* at, double value) noexcept {
    const auto bits = std::bit_cast<uint32_t>(static_cast<float>(value));
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(bits >> (24 - 8 * i));
}

double BigSingle(const uint8_t* at) noexcept {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits = (bits << 8) | at[i];
    return std::bit_cast<float>(bits);
}

DvError GetSelfCorrectionTarget(VarnMonitor& monitor, int* enabled, uint16_t* id, double* values) {
    if (enabled == nullptr || id == nullptr || values == nullptr) return DvErrInvalidParameter;
    std::array<uint8_t, kTargetBytes> bytes{};
    const DvError result = Read(monitor, codes::kSelfCorrectionTarget, bytes);
    if (!Usable(result)) return result;
    *id = Id(&bytes[0]);
    *enabled = bytes[2] != 0 ? 1 : 0;
    for (int i = 0; i < kValues; ++i) values[i] = BigSingle(&bytes[3 + 4 * i]);
    return result;
}

DvError SetSelfCorrectionTarget(VarnMonitor& monitor, int enabled, uint16_t id, const double* values) {
    if (values == nullptr || !FitsSingle(values)) return DvErrInvalidParameter;
    std::array<uint8_t, kTargetBytes> bytes{};
    PutId(&bytes[0], id);
    bytes[2] = enabled != 0 ? 1 : 0;
    for (int i = 0; i < kValues; ++i) PutBigSingle(&bytes[3 + 4 * i], values[i]);
    return Write(monitor, codes::kSelfCorrectionTarget, bytes);
}

DvError GetSelfCorrectionResult(VarnMonitor& monitor, uint16_t* id, double* values) {
    if (id == nullptr || values == nullptr) return DvErrInvalidParameter;
    std::array<uint8_t, kResultBytes> bytes{};
    const DvError result = Read(monitor, codes::kSelfCorrectionResult, bytes);
    if (!Usable(result)) return result;
    *id = Id(&bytes[0]);
    for (int i = 0; i < kValues; ++i) values[i] = BigSingle(&bytes[2 + 4 * i]);
    return result;
}

DvError SetSelfCorrectionResult(VarnMonitor& monitor, uint16_t id, const double* values) {
    if (values == nullptr || !FitsSingle(values)) return DvErrInvalidParameter;
    std::array<uint8_t, kResultBytes> bytes{};
    PutId(&bytes[0], id);
    for (int i = 0; i < kValues; ++i) PutBigSingle(&bytes[2 + 4 * i], values[i]);
    return Write(monitor, codes::kSelfCorrectionResult, bytes);
}

}  // namespace dvc::selfcal
