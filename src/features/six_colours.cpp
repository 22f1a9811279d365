// The legacy six-colour operations.
#include "features/six_colours.hpp"

#include "features/path_rules.hpp"

namespace dvc::features {

namespace {

// Centred values are computed in 64 bits; a raw value that does not fit the
// 32-bit word cannot be sent.
bool FitsWord(int64_t raw) { return raw >= INT32_MIN && raw <= UINT32_MAX; }

int64_t Middle(int32_t maximum, int32_t minimum) { return (static_cast<int64_t>(maximum) + minimum + 1) / 2; }

}  // namespace

DvError SixColourRange(VarnMonitor& monitor, SixColourControl control, bool all, int32_t& maximum, int32_t& minimum) {
    if (monitor.Paths().empty()) return DvErrFailed;
    VarnMonitorInterface& first = *monitor.Paths().front();
    for (int query = 0; query < (all ? 1 : paths::kColours); ++query) {
        int32_t flag = 0;
        const DvError result = paths::SixColourRange(first, control, &flag, &maximum, &minimum);
        if (result < 0) return result;
        if (flag == 0) return DvErrNotSupported;
    }
    return DvOk;
}

DvError Get6Colors(VarnMonitor& monitor, SixColourControl control, int* value, int position) {
    if (value == nullptr) return DvErrInvalidParameter;
    uint32_t raw = 0;
    // A refusal that still carries the value counts as a read.
    const DvError read = FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        raw = 0;
        return paths::ReadSixColour(path, control, position, &raw);
    });
    int32_t high = 0;
    int32_t low = 0;
    if (!paths::Usable(read) || SixColourRange(monitor, control, position == paths::kAllColours, high, low) != DvOk)
        return DvErrFailed;
    *value = static_cast<int>(static_cast<int64_t>(static_cast<int32_t>(raw)) - Middle(high, low));
    return read;
}

DvError Set6Colors(VarnMonitor& monitor, SixColourControl control, int value, int position) {
    int32_t high = 0;
    int32_t low = 0;
    if (SixColourRange(monitor, control, position == paths::kAllColours, high, low) != DvOk) return DvErrFailed;
    const int64_t raw = Middle(high, low) + value;
    if (!FitsWord(raw)) return DvErrInvalidParameter;
    return FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::WriteSixColour(path, control, position, static_cast<uint32_t>(raw));
    });
}

DvError GetRange6Colors(VarnMonitor& monitor, SixColourControl control, int* maximum, int* minimum, int all) {
    if (maximum == nullptr || minimum == nullptr) return DvErrInvalidParameter;
    int32_t high = 0;
    int32_t low = 0;
    const DvError result = SixColourRange(monitor, control, all != 0, high, low);
    if (result == DvErrNotSupported) return result;
    if (result != DvOk) return control == SixColourControl::Hue ? result : DvErrFailed;
    const int64_t span = static_cast<int64_t>(high) - low;
    const int64_t half = control == SixColourControl::Hue ? span / 2 : (span + 1) / 2;
    *maximum = static_cast<int>(high - half);
    *minimum = static_cast<int>(low - half);
    return DvOk;
}

namespace {

int32_t LightnessMiddle(int32_t maximum, int32_t minimum) {
    return static_cast<int32_t>((static_cast<int64_t>(maximum) + minimum) / 2);
}

// A path's lightness range, usable and reporting the control.
DvError LightnessRangeOf(VarnMonitorInterface& path, int32_t& middle) {
    int32_t flag = 0;
    int32_t high = 0;
    int32_t low = 0;
    const DvError result = paths::LightnessRange(path, &flag, &high, &low);
    if (result < 0) return result;
    if (flag == 0) return DvErrNotSupported;
    middle = LightnessMiddle(high, low);
    return result;
}

}  // namespace

DvError GetRange6ColorsLightness(VarnMonitor& monitor, int* flag, int* maximum, int* minimum) {
    if (flag == nullptr) return DvErrInvalidParameter;
    int32_t high = 0;
    int32_t low = 0;
    const DvError result = FirstSuccess(
        monitor.Paths(), [&](VarnMonitorInterface& path) { return paths::LightnessRange(path, flag, &high, &low); });
    if (result < 0 || *flag == 0) return result;
    const int32_t middle = LightnessMiddle(high, low);
    if (maximum != nullptr) *maximum = static_cast<int>(static_cast<int64_t>(high) - middle);
    if (minimum != nullptr) *minimum = static_cast<int>(static_cast<int64_t>(low) - middle);
    return result;
}

// The range and then, on the same path, the six values; only the second
// call's result is weighed.
DvError Get6ColorsAllLightness(VarnMonitor& monitor, int* values) {
    if (values == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        int32_t middle = 0;
        if (const DvError range = LightnessRangeOf(path, middle); range < 0) return range;
        std::array<uint8_t, paths::kColours> raw{};
        const DvError result = paths::ReadLightness(path, raw);
        if (paths::Usable(result))
            for (int i = 0; i < paths::kColours; ++i) values[i] = raw[static_cast<std::size_t>(i)] - middle;
        return result;
    });
}

// Written on the first path that gives its range.
DvError Set6ColorsAllLightness(VarnMonitor& monitor, const SixValues& values) {
    DvError result = DvErrFailed;
    for (VarnMonitorInterface* path : monitor.Paths()) {
        int32_t middle = 0;
        result = LightnessRangeOf(*path, middle);
        if (result == DvErrNotSupported) return result;
        if (result < 0) continue;
        std::array<uint8_t, paths::kColours> raw{};
        for (std::size_t i = 0; i < raw.size(); ++i) {
            const int64_t byte = static_cast<int64_t>(values[i]) + middle;
            if (byte < 0 || byte > 0xFF) return DvErrInvalidParameter;
            raw[i] = static_cast<uint8_t>(byte);
        }
        return paths::WriteLightness(*path, raw);
    }
    return result;
}

}  // namespace dvc::features
