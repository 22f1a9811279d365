#include "features/gamma.hpp"

#include <cmath>
#include <vector>

#include "features/model.hpp"
#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/picture.hpp"
#include "registry/table_lookups.hpp"

namespace dvc::features {

DvError GetGamma(VarnMonitor& monitor, double* gamma) {
    if (gamma == nullptr) return DvErrInvalidParameter;
    DvError result = DvErrFailed;
    bool unmapped = false;
    for (VarnMonitorInterface* path : monitor.Paths()) {
        uint32_t code = 0;
        result = paths::ReadGammaCode(*path, &code);
        if (!paths::Usable(result)) continue;
        std::vector<registry::GammaEntry> table;
        const DvError loaded = LoadGammaTable(monitor, table);
        // The table comes first: a code it lists (10, say) is its curve,
        // not the special one the code names elsewhere.
        auto value = loaded == DvOk ? registry::GammaOfCode(table, code) : std::nullopt;
        if (!value) value = registry::SpecialGammaOfCode(code);
        if (value) {
            *gamma = *value;
            return loaded;
        }
        unmapped = true;
    }
    return unmapped ? DvErrRefused : result;
}

DvError SetGamma(VarnMonitor& monitor, double gamma) {
    // NaN and infinity name no gamma: refused rather than matched to the
    // table's end.
    if (!std::isfinite(gamma)) return DvErrInvalidParameter;
    std::vector<registry::GammaEntry> table;
    if (LoadGammaTable(monitor, table) != DvOk) return DvErrNotSupported;
    const auto chosen = registry::NearestGamma(table, gamma);
    if (!chosen) return DvErrNotSupported;
    return FirstSuccess(monitor.Paths(),
                        [&](VarnMonitorInterface& path) { return paths::WriteGammaCode(path, chosen->code); });
}

DvError GetGammaIndex(VarnMonitor& monitor, int* index) {
    if (index == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        uint32_t code = 0;
        const DvError result = path.ReadValue(codes::kGamma, &code);
        if (paths::Usable(result)) *index = registry::GammaIndexOfCode(code);
        return result;
    });
}

DvError SetGammaIndex(VarnMonitor& monitor, int index) {
    if (index < 1) return DvErrInvalidParameter;
    const uint32_t code = registry::GammaCodeOfIndex(index);
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return path.WriteValue(codes::kGamma, code, 0); });
}

DvError GetGammaAdjustmentState(VarnMonitor& monitor, int* state) {
    if (state == nullptr) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::ValueGet<paths::Codes<codes::kGammaAdjustmentState>, paths::ReadAs::Raw>(path, state);
    });
}

}  // namespace dvc::features
