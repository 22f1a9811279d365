// Calibration targets: how many there are, which one is selected, how they
// are paired (one byte per target, 255 for none), the mask of enabled
// self-calibration modes.
#include <algorithm>
#include <vector>

#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "selfcal/control.hpp"

namespace dvc::selfcal {
namespace {

using features::FirstAnswer;
using paths::SupportedByFixedData;
using paths::Usable;

constexpr uint32_t kNone = 0xFFFFFFFF;
constexpr uint8_t kNoneByte = 255;
constexpr int kTargetsWithoutPairing = 15;  // monitors without the pairing item have 15 targets
constexpr int kMaskBits = 16;

constexpr uint32_t FromByte(uint8_t byte) noexcept { return byte == kNoneByte ? kNone : byte; }

// The target count of one path: 0 without the index item.
int TargetCount(VarnMonitorInterface& path) {
    if (!SupportedByFixedData(path, codes::kSelfTargetIndex)) return 0;
    if (!SupportedByFixedData(path, codes::kSelfTargetPairing)) return kTargetsWithoutPairing;
    uint32_t length = 0;
    const DvError result = paths::CheckDataLength(path, codes::kSelfTargetPairing, &length, 1);
    return Usable(result) ? static_cast<int>(length) : 0;
}

// The pairing item of one path; DvErrNotSupported without it.
DvError ReadPairing(VarnMonitorInterface& path, std::vector<uint8_t>& block) {
    if (!SupportedByFixedData(path, codes::kSelfTargetPairing)) return DvErrNotSupported;
    return paths::ReadSizedBlock(path, codes::kSelfTargetPairing, 1, block);
}

// The code that keeps the enable mask on one path: the target-enable item,
// else the older self-calibration switch.
DvError MaskCode(VarnMonitorInterface& path, uint32_t* code) {
    for (const uint32_t c : {codes::kSelfTargetEnable, codes::kSelfCalEnable})
        if (SupportedByFixedData(path, c)) {
            *code = c;
            return DvOk;
        }
    return DvErrNotSupported;
}

}  // namespace

int GetSelfTargetCount(VarnMonitor& monitor) {
    return features::AnyPath(monitor.Paths(), [](VarnMonitorInterface& path) { return TargetCount(path); });
}

DvError GetSelfTargetIndex(VarnMonitor& monitor, uint32_t* index) {
    if (index == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        uint32_t value = 0;
        const DvError result = path.ReadValue(codes::kSelfTargetIndex, &value);
        if (Usable(result)) *index = value >= kNoneByte ? kNone : value;
        return result;
    });
}

DvError SetSelfTargetIndex(VarnMonitor& monitor, uint32_t index) {
    // "No target" needs no count; any other index must name a target.
    if (index != kNone && index >= static_cast<uint32_t>(GetSelfTargetCount(monitor))) return DvErrFailed;
    const uint32_t value = index == kNone ? kNoneByte : index;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return path.WriteValue(codes::kSelfTargetIndex, value, 0); });
}

DvError GetSelfTargetPairing(VarnMonitor& monitor, uint32_t* pairing, int count) {
    if (count < 0 || pairing == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        std::vector<uint8_t> block;
        const DvError result = ReadPairing(path, block);
        if (!Usable(result)) return result;
        const std::size_t n = std::min(block.size(), static_cast<std::size_t>(count));
        std::transform(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(n), pairing, FromByte);
        return result;
    });
}

DvError SetSelfTargetPairing(VarnMonitor& monitor, const uint32_t* pairing, int count) {
    if (count < 0 || pairing == nullptr) return DvErrInvalidParameter;
    // A target pairs with a target number (a byte below 255) or with none.
    for (int i = 0; i < count; ++i)
        if (pairing[i] != kNone && pairing[i] >= kNoneByte) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        std::vector<uint8_t> block;
        const DvError result = ReadPairing(path, block);
        if (!Usable(result)) return result;
        bool changed = false;
        const std::size_t n = std::min(block.size(), static_cast<std::size_t>(count));
        for (std::size_t i = 0; i < n; ++i) {
            const auto byte = pairing[i] == kNone ? kNoneByte : static_cast<uint8_t>(pairing[i]);
            changed = changed || block[i] != byte;
            block[i] = byte;
        }
        if (!changed) return result;  // nothing to write back
        return path.WriteData(codes::kSelfTargetPairing, block.data(), static_cast<uint32_t>(block.size()), 0);
    });
}

DvError GetEnableSelfCalibrationMode(VarnMonitor& monitor, int* flags, int count) {
    if (count < 0 || flags == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        uint32_t code = 0;
        if (const DvError none = MaskCode(path, &code); none != DvOk) return none;
        uint32_t mask = 0;
        const DvError result = path.ReadValue(code, &mask);
        if (Usable(result))
            for (int i = 0; i < std::min(count, kMaskBits); ++i) flags[i] = static_cast<int>((mask >> i) & 1u);
        return result;
    });
}

DvError SetEnableSelfCalibrationMode(VarnMonitor& monitor, const int* flags, int count) {
    if (count < 0 || flags == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        uint32_t code = 0;
        if (const DvError none = MaskCode(path, &code); none != DvOk) return none;
        uint32_t mask = 0;
        const DvError result = path.ReadValue(code, &mask);
        if (!Usable(result)) return result;
        uint32_t wanted = mask;
        for (int i = 0; i < std::min(count, kMaskBits); ++i) {
            const uint32_t bit = 1u << i;
            wanted = flags[i] != 0 ? (wanted | bit) : (wanted & ~bit);
        }
        if (wanted == mask) return result;  // written only when a flag changes
        return path.WriteValue(code, wanted, 0);
    });
}

}  // namespace dvc::selfcal
