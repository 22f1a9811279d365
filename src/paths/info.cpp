// Reset and save: which code and value each kind sends.
#include "paths/info.hpp"

#include <array>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/waits.hpp"

namespace dvc::paths {

namespace {
constexpr uint32_t kFactoryResetValue = 10;  // on the save code, for monitors without the reset code
constexpr uint32_t kPriorityInverted = 2;    // this priority toggles the reset 0 then 1
constexpr uint32_t kColorAdjustResetMs = 100;

// What each save kind (0, 1, 2) writes to.
constexpr std::array<uint32_t, 3> kSaveCodes = {codes::kSave, codes::kSaveSecond, codes::kSaveThird};

DvError ResetAll(VarnMonitorInterface& path) {
    if (SupportedByFixedData(path, codes::kReset)) {
        const DvError result = path.WriteValue(codes::kReset, 1, 0);
        if (result >= 0) return result;
    }
    return path.WriteValue(codes::kSave, kFactoryResetValue, 0);
}

// A pulse on the colour-adjustment reset, its direction set by the
// priority setting (read as its Get does: 0 when it cannot be read).
DvError ResetColorAdjustment(VarnMonitorInterface& path) {
    if (!SupportedByFixedData(path, codes::kColorAdjustmentReset)) return DvErrNotSupported;
    uint32_t read = 0;
    uint32_t priority = 0;
    if (Usable(path.ReadValue(codes::kPUCPriority, &read))) priority = read;
    const uint32_t first = priority == kPriorityInverted ? 0 : 1;
    path.WriteValue(codes::kColorAdjustmentReset, first, 0);
    Pause(kColorAdjustResetMs);
    return path.WriteValue(codes::kColorAdjustmentReset, 1 - first, 0);
}
}  // namespace

// Kinds 4 and 5, and kind 3 on monitors that keep the colour adjustment
// with the 3D LUT, restore saved colour settings from the monitor's
// storage; that restore is not carried, so they answer DvErrNotSupported.
DvError Reset(VarnMonitorInterface& path, int kind) {
    switch (kind) {
    case 1: return ResetAll(path);
    case 3: return ResetColorAdjustment(path);
    case 4:
    case 5: return DvErrNotSupported;
    default:
        if (kind < 0) return DvErrInvalidParameter;
        return path.WriteValue(codes::kReset, static_cast<uint32_t>(kind), 0);
    }
}

DvError EachReset(VarnMonitorInterface& path, uint32_t value) { return path.WriteResetValue(codes::kReset, value); }

DvError Save(VarnMonitorInterface& path) {
    if (SupportedByFixedData(path, codes::kSaveAll)) return path.WriteValue(codes::kSaveAll, 1, 0);
    return path.WriteValue(codes::kSave, 0, 0);
}

DvError CurrentSave(VarnMonitorInterface& path, int kind, uint32_t value) {
    if (kind < 0 || kind >= static_cast<int>(kSaveCodes.size())) return DvErrFailed;
    return path.WriteSaveValue(kSaveCodes[static_cast<size_t>(kind)], value);
}

}  // namespace dvc::paths
