// The newer six-colour operations: the newer controls on models with the
// newer-generation marker, the legacy ones (centred on half their span)
// everywhere else.
#include "features/path_rules.hpp"
#include "features/six_colours.hpp"

namespace dvc::features {

namespace {

bool Newer(const VarnMonitor& monitor) { return monitor.Record() != nullptr && monitor.Record()->IsNewerGeneration(); }

// Half the span of the legacy range of all colours.
DvError LegacyHalfSpan(VarnMonitor& monitor, SixColourControl control, int64_t& half) {
    int32_t high = 0;
    int32_t low = 0;
    const DvError result = SixColourRange(monitor, control, true, high, low);
    half = (static_cast<int64_t>(high) - low) / 2;
    return result;
}

}  // namespace

DvError GetColour2(VarnMonitor& monitor, SixColourControl control, SixColour which, int* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    if (Newer(monitor)) {
        return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
            return paths::ReadSixColour2(path, control, which.newer, value);
        });
    }
    int64_t half = 0;
    if (const DvError range = LegacyHalfSpan(monitor, control, half); range != DvOk) return range;
    uint32_t raw = 0;
    const DvError read = FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::ReadSixColour(path, control, which.legacy, &raw);
    });
    if (paths::Usable(read)) *value = static_cast<int>(static_cast<int32_t>(raw) - half);
    return read;
}

DvError SetColour2(VarnMonitor& monitor, SixColourControl control, SixColour which, int value) {
    if (Newer(monitor)) {
        return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
            return paths::WriteSixColour2(path, control, which.newer, value);
        });
    }
    int64_t half = 0;
    if (const DvError range = LegacyHalfSpan(monitor, control, half); range != DvOk) return range;
    const int64_t raw = half + value;
    if (raw < INT32_MIN || raw > UINT32_MAX) return DvErrInvalidParameter;
    return FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::WriteSixColour(path, control, which.legacy, static_cast<uint32_t>(raw));
    });
}

DvError GetAll2(VarnMonitor& monitor, SixColourControl control, int* values) {
    if (values == nullptr) return DvErrInvalidParameter;
    DvError result = DvErrFailed;
    for (const SixColour which : kNewerOrder) result = GetColour2(monitor, control, which, &values[which.legacy]);
    return result;
}

// A failed colour is not hidden by a later one that succeeds.
DvError SetAll2(VarnMonitor& monitor, SixColourControl control, const SixValues& values) {
    DvError first = DvOk;
    DvError result = DvErrFailed;
    for (const SixColour which : kNewerOrder) {
        result = SetColour2(monitor, control, which, values[static_cast<std::size_t>(which.legacy)]);
        if (result < 0 && first == DvOk) first = result;
    }
    return first < 0 ? first : result;
}

DvError GetRange2(VarnMonitor& monitor, SixColourControl control, int* maximum, int* minimum) {
    if (maximum == nullptr || minimum == nullptr) return DvErrInvalidParameter;
    int32_t high = 0;
    int32_t low = 0;
    if (const DvError range = SixColourRange(monitor, control, true, high, low); range != DvOk) return range;
    const int64_t half = (static_cast<int64_t>(high) - low) / 2;
    *maximum = static_cast<int>(high - half);
    *minimum = static_cast<int>(low - half);
    return DvOk;
}

DvError GetColourLightness(VarnMonitor& monitor, SixColour which, int* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    SixValues all{};
    const DvError result = Get6ColorsAllLightness(monitor, all.data());
    if (paths::Usable(result)) *value = all[static_cast<std::size_t>(which.legacy)];
    return result;
}

DvError SetColourLightness(VarnMonitor& monitor, SixColour which, int value) {
    SixValues all{};
    const DvError read = Get6ColorsAllLightness(monitor, all.data());
    if (!paths::Usable(read)) return read;
    all[static_cast<std::size_t>(which.legacy)] = value;
    return Set6ColorsAllLightness(monitor, all);
}

}  // namespace dvc::features
