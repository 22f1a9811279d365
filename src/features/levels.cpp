#include "features/levels.hpp"

#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/varn_monitor_interface.hpp"

namespace dvc::features {

namespace {

DvError ReadRatio(VarnMonitorInterface& path, Level level, double* ratio, uint32_t* raw) {
    if (level == Level::Brightness) return path.ReadBrightnessRatio(codes::kBrightness, ratio, raw);
    return path.ReadContrastRatio(codes::kContrast, ratio, raw);
}

DvError WriteRatio(VarnMonitorInterface& path, Level level, const double* ratio, const uint32_t* raw,
                   const int* useRaw) {
    if (level == Level::Brightness) return path.WriteBrightnessRatio(codes::kBrightness, ratio, raw, useRaw);
    return path.WriteContrastRatio(codes::kContrast, ratio, raw, useRaw);
}

}  // namespace

DvError GetLevel(VarnMonitor& monitor, Level level, double* ratio, int* step) {
    if (ratio == nullptr || step == nullptr) return DvErrInvalidParameter;
    double readRatio = 0;
    uint32_t raw = 0;
    const DvError result = FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        readRatio = 0;
        raw = 0;
        return ReadRatio(path, level, &readRatio, &raw);
    });
    if (result >= 0) {
        *ratio = readRatio;
        *step = static_cast<int>(raw);
    }
    return result;
}

DvError SetLevel(VarnMonitor& monitor, Level level, double ratio, int step, int useSteps) {
    const auto raw = static_cast<uint32_t>(step);
    return FirstSuccess(monitor.Paths(),
                        [&](VarnMonitorInterface& path) { return WriteRatio(path, level, &ratio, &raw, &useSteps); });
}

DvError GetRangeContrastForStep(VarnMonitor& monitor, int* flag, int* maximum, int* minimum, int* defaultStep) {
    if (flag == nullptr) return DvErrInvalidParameter;
    int32_t high = 0;
    int32_t low = 0;
    const DvError result = FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        *flag = 0;
        return path.QueryContrastRange(codes::kContrast, flag, &high, &low);
    });
    if (result < 0 || *flag == 0) return result;
    if (maximum != nullptr) *maximum = high;
    if (minimum != nullptr) *minimum = low;
    if (defaultStep != nullptr) {
        const uint32_t model = monitor.Record() != nullptr ? monitor.Record()->contrastScale : 0;
        *defaultStep = model != 0 ? static_cast<int>(model) : ContrastDefaultOfRange(high, low);
    }
    return result;
}

}  // namespace dvc::features
