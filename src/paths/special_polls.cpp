// Per-path operations that wait: for the monitor to finish a job, for a
// marker to go, or for the picture to settle.
#include "paths/special_waits.hpp"
#include "paths/varn_monitor_interface.hpp"

using dvc::paths::Pause;
using dvc::paths::Usable;

namespace {

constexpr uint32_t kEdidDdcWriteCode = 0xFF020037;
constexpr uint32_t kEdidDdcWriteStart = 0xFF;
constexpr int kEdidDdcWritePolls = 3000;
constexpr uint32_t kEdidDdcWritePollMs = 100;

constexpr uint32_t kAutoAdjustCode = 0x03;
constexpr uint32_t kAutoAdjustDone = 6;
constexpr int kAutoAdjustPolls = 20;
constexpr uint32_t kAutoAdjustPollMs = 500;

constexpr uint32_t kCrossMarkerCode = 0x3B;
constexpr uint32_t kCrossMarkerShown = 0x7F;
constexpr uint32_t kCrossMarkerShowMs = 200;
constexpr int kCrossMarkerHideTries = 3;
constexpr uint32_t kCrossMarkerRetryMs = 100;

constexpr uint32_t kColorDisableCode = 0xFF010052;
constexpr uint32_t kToneCurveStatusCode = 0xFF020049;

// Auto-adjust kinds 1 to 4 and the value each writes.
constexpr uint32_t kAutoAdjustValues[] = {0, 4, 5, 7};

}  // namespace

// 0 means the monitor failed the write, 1 that it finished; anything else
// that it is still busy.
DvError VarnMonitorInterface::ExecuteEDIDDDCWrite() {
    DvError result = WriteValue(kEdidDdcWriteCode, kEdidDdcWriteStart, 0);
    if (!Usable(result)) return result;
    for (int poll = 0; poll < kEdidDdcWritePolls; ++poll) {
        uint32_t state = 0;
        result = ReadValue(kEdidDdcWriteCode, &state);
        if (result < 0) return result;
        if (state == 0) return DvErrFailed;
        if (state == 1) return result;
        if (poll + 1 < kEdidDdcWritePolls) Pause(kEdidDdcWritePollMs);
    }
    return result;
}

DvError VarnMonitorInterface::SetAutoAdjust(int kind, int wait) {
    if (kind < 1 || kind > 4) return DvErrNotSupported;
    const DvError result = WriteValue(kAutoAdjustCode, kAutoAdjustValues[kind - 1], 0);
    if (!Usable(result) || wait == 0) return result;
    for (int poll = 0; poll < kAutoAdjustPolls; ++poll) {
        Pause(kAutoAdjustPollMs);
        uint32_t state = 0;
        ReadValue(kAutoAdjustCode, &state);
        if (state == kAutoAdjustDone) return DvOk;
    }
    return DvErrTimeout;
}

DvError VarnMonitorInterface::ShowCenterCrossMarker() {
    const DvError result = WriteValue(kCrossMarkerCode, kCrossMarkerShown, 0);
    Pause(kCrossMarkerShowMs);
    return result;
}

// The marker sometimes ignores the first write; read back until it is off.
DvError VarnMonitorInterface::HideCenterCrossMarker() {
    for (int attempt = 0; attempt < kCrossMarkerHideTries; ++attempt) {
        WriteValue(kCrossMarkerCode, 0, 0);
        uint32_t state = kCrossMarkerShown;
        const DvError result = ReadValue(kCrossMarkerCode, &state);
        if (Usable(result) && state == 0) return DvOk;
        Pause(kCrossMarkerRetryMs);
    }
    return DvErrFailed;
}

// Switching colour off from on refreshes the tone-curve state and gives the
// picture `waitMs` to settle.
DvError VarnMonitorInterface::SetColorDisable(uint32_t value, uint32_t* previous, uint32_t waitMs) {
    uint32_t before = 0;
    if (Usable(ReadValue(kColorDisableCode, &before)) && previous != nullptr) *previous = before;
    const DvError result = WriteValue(kColorDisableCode, value, 0);
    if (value == 1 && before == 0 && waitMs != 0) {
        WriteValue(kToneCurveStatusCode, 1, 0);
        Pause(waitMs);
    }
    return result;
}
