// Luminance, system primaries, gain definitions, the D65 reference and the
// brightness regulator.
#include <cmath>

#include "features/mode_queries.hpp"
#include "features/path_rules.hpp"
#include "features/picture.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/picture.hpp"
#include "platform/checked_convert.hpp"

namespace dvc::features {

namespace {
// Past any real monitor's count of primary sets, or a length beyond a block.
constexpr int kMostSets = static_cast<int>(paths::kMaxBlockLength / 16);
constexpr int kLevelFlavor = 2;
}  // namespace

DvError GetD65CRTColor(VarnMonitor& monitor, colour* d65) {
    if (d65 == nullptr) return DvErrInvalidParameter;
    if (monitor.Record() == nullptr) return DvErrFailed;
    const colour& kept = monitor.Record()->d65;
    if (!(kept.x > 0 && kept.y > 0)) return DvErrNotSupported;
    *d65 = kept;
    return DvOk;
}

DvError SetBrightRegulator(VarnMonitor& monitor, int value) {
    const bool level = CurrentFlavor(monitor) == kLevelFlavor;
    return FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        if (level) return paths::WriteBrightRegulatorLevel(path, value);
        return path.WriteBrightRegulator(codes::kBrightRegulator, &value);
    });
}

DvError GetCandela(VarnMonitor& monitor, double* candela, int* status) {
    if (candela == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::GetCandela(path, candela, status); });
}

DvError SetCandela(VarnMonitor& monitor, double candela) {
    uint32_t hundredths = 0;
    if (!CheckedRoundToInt(candela * 100.0, hundredths)) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::SetCandela(path, hundredths); });
}

DvError GetRangeCandela(VarnMonitor& monitor, double* maximum, double* minimum) {
    if (maximum == nullptr || minimum == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::GetRangeCandela(path, maximum, minimum); });
}

DvError GetCandelaOSDRangeHDR(VarnMonitor& monitor, int index, int* maximum, int* minimum) {
    if (maximum == nullptr || minimum == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::GetCandelaOSDRangeHDR(path, index, maximum, minimum);
    });
}

DvError GetSystemChromaticityAll(VarnMonitor& monitor, double* xy, int sets) {
    if (xy == nullptr || sets <= 0 || sets > kMostSets) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::GetSystemChromaticityAll(path, xy, sets); });
}

DvError SetSystemChromaticityAll(VarnMonitor& monitor, const double* xy, int sets) {
    if (xy == nullptr || sets <= 0 || sets > kMostSets) return DvErrInvalidParameter;
    for (int i = 0; i < 8 * sets; ++i)
        if (!paths::ChromaticityFits(xy[i])) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::SetSystemChromaticityAll(path, xy, sets); });
}

DvError GetGainDefinition(VarnMonitor& monitor, int table, uint8_t* definition) {
    if (definition == nullptr || table < 0 || table > 0xFF) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::GetGainDefinition(path, static_cast<uint8_t>(table), definition);
    });
}

}  // namespace dvc::features
