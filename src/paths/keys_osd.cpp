// The centre cross marker and the key push counter.
#include "paths/keys_osd.hpp"

#include <array>

#include "paths/feature_codes.hpp"
#include "paths/waits.hpp"

namespace dvc::paths {

namespace {
constexpr uint32_t kCrossMarkerShown = 0x7F;
constexpr uint32_t kCrossMarkerShowMs = 200;
constexpr int kCrossMarkerHideTries = 3;
constexpr uint32_t kCrossMarkerRetryMs = 100;

// The reply's first byte for a key the monitor does not have.
constexpr uint8_t kNoSuchKey = 0xFF;
}  // namespace

DvError ShowCenterCrossMarker(VarnMonitorInterface& path) {
    const DvError result = path.WriteValue(codes::kCenterCrossMarker, kCrossMarkerShown, 0);
    Pause(kCrossMarkerShowMs);
    return result;
}

// The marker sometimes ignores the first write; read back until it is off.
DvError HideCenterCrossMarker(VarnMonitorInterface& path) {
    for (int attempt = 0; attempt < kCrossMarkerHideTries; ++attempt) {
        path.WriteValue(codes::kCenterCrossMarker, 0, 0);
        uint32_t state = kCrossMarkerShown;
        const DvError result = path.ReadValue(codes::kCenterCrossMarker, &state);
        if (Usable(result) && state == 0) return DvOk;
        Pause(kCrossMarkerRetryMs);
    }
    return DvErrFailed;
}

DvError GetKeyPushCount(VarnMonitorInterface& path, uint8_t key, int* count) {
    if (count == nullptr) return DvErrInvalidParameter;
    const std::array<uint8_t, 3> request{key, 0, 0};
    DvError result = path.WriteData(codes::kKeyPushCount, request.data(), 3, 0);
    if (!Usable(result)) return result;
    std::array<uint8_t, 3> reply{};
    result = path.ReadData(codes::kKeyPushCount, reply.data(), 3);
    if (!Usable(result)) return result;
    if (reply[0] == kNoSuchKey) return DvErrFailed;
    *count = reply[1] + 256 * reply[2];
    return result;
}

}  // namespace dvc::paths
