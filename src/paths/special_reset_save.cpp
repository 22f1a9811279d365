// Reset and save: which code and value each kind sends.
#include <array>

#include "paths/special_shapes.hpp"
#include "paths/special_waits.hpp"

using dvc::paths::Pause;
using dvc::paths::SupportedByFixedData;
using dvc::paths::Usable;

namespace {
constexpr uint32_t kResetCode = 0x75;
constexpr uint32_t kSaveCode = 0x52;
constexpr uint32_t kFactoryResetValue = 10; // on the save code, for monitors without 0x75

constexpr uint32_t kColorAdjustResetCode = 0xFF0100CF;
constexpr uint32_t kPriorityCode = 0xFF010069;
constexpr uint32_t kPriorityInverted = 2; // this priority toggles the reset 0 then 1
constexpr uint32_t kColorAdjustResetMs = 100;

// What each save kind (0, 1, 2) writes to.
constexpr std::array<uint32_t, 3> kSaveCodes = {0x52, 0x74, 0x99};

DvError ResetAll(VarnMonitorInterface& path) {
    if (SupportedByFixedData(path, kResetCode)) {
        const DvError result = path.WriteValue(kResetCode, 1, 0);
        if (result >= 0) return result;
    }
    return path.WriteValue(kSaveCode, kFactoryResetValue, 0);
}

// A pulse on the colour-adjustment reset, its direction set by the
// priority setting (read as its Get does: 0 when it cannot be read).
DvError ResetColorAdjustment(VarnMonitorInterface& path) {
    if (!SupportedByFixedData(path, kColorAdjustResetCode)) return DvErrNotSupported;
    uint32_t read = 0;
    uint32_t priority = 0;
    if (Usable(path.ReadValue(kPriorityCode, &read))) priority = read;
    const uint32_t first = priority == kPriorityInverted ? 0 : 1;
    path.WriteValue(kColorAdjustResetCode, first, 0);
    Pause(kColorAdjustResetMs);
    return path.WriteValue(kColorAdjustResetCode, 1 - first, 0);
}
}  // namespace

// Kinds 4 and 5, and kind 3 on monitors that keep the colour adjustment
// with the 3D LUT, restore saved colour settings from the monitor's
// storage; that restore is not carried, so they answer DvErrNotSupported.
DvError VarnMonitorInterface::Reset(int kind, int /*index*/) {
    switch (kind) {
    case 1:
        return ResetAll(*this);
    case 3:
        return ResetColorAdjustment(*this);
    case 4:
    case 5:
        return DvErrNotSupported;
    default:
        if (kind < 0) return DvErrInvalidParameter;
        return WriteValue(kResetCode, static_cast<uint32_t>(kind), 0);
    }
}

DvError VarnMonitorInterface::EachReset(uint32_t value) { return WriteResetValue(kResetCode, value); }

DvError VarnMonitorInterface::CurrentSave(int kind, uint32_t value) {
    if (kind < 0 || kind >= static_cast<int>(kSaveCodes.size())) return DvErrFailed;
    return WriteSaveValue(kSaveCodes[static_cast<size_t>(kind)], value);
}
