#include "paths/virtual_keys.hpp"

#include "paths/feature_codes.hpp"

namespace dvc::paths {

namespace {
constexpr int kKeyBits = 16;
// The pseudo keys of the indicator screen, above the 16 front keys.
constexpr uint32_t kShowIndicatorKey = 0x10000;
constexpr uint32_t kHideIndicatorKey = 0x20000;

DvError PressKey(VarnMonitorInterface& path, uint32_t key) {
    const uint32_t code = codes::kVirtualKey;
    return path.WriteVirtualKey(code, &key);
}
}  // namespace

DvError EnumVirtualKey(VarnMonitorInterface& path, int index, int* key) {
    const uint32_t code = codes::kVirtualKey;
    int32_t flag = 0;
    DvError result = path.QueryVirtualKey(code, &flag);
    if (!Usable(result)) return result;
    if (flag == 0) return DvErrNotSupported;
    int32_t mask = 0;
    result = path.ReadFixedData(code, &mask, nullptr, nullptr, nullptr);
    if (!Usable(result)) return result;
    int seen = 0;
    for (int k = 0; k < kKeyBits; ++k) {
        if (((static_cast<uint32_t>(mask) >> k) & 1u) == 0) continue;
        if (seen++ == index) {
            *key = k;
            return result;
        }
    }
    return DvErrNoMoreItems;
}

DvError ShowIndicatorOSD(VarnMonitorInterface& path) { return PressKey(path, kShowIndicatorKey); }
DvError HideIndicatorOSD(VarnMonitorInterface& path) { return PressKey(path, kHideIndicatorKey); }

}  // namespace dvc::paths
