#include "features/mode_queries.hpp"

#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"

namespace dvc::features {

namespace {
bool AnyPathReports(VarnMonitor& monitor, uint32_t code) {
    return AnyPath(monitor.Paths(), [code](VarnMonitorInterface& path) { return paths::SupportFlag(path, code); }) != 0;
}
}  // namespace

bool HasModes(VarnMonitor& monitor) { return AnyPathReports(monitor, codes::kColorMode); }

std::optional<int> CurrentFlavor(VarnMonitor& monitor) {
    if (!AnyPathReports(monitor, codes::kFlavor)) return std::nullopt;
    int32_t flavor = 0;
    const DvError result = FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::ValueGet<paths::Codes<codes::kFlavor>, paths::ReadAs::Raw>(path, &flavor);
    });
    if (!paths::Usable(result)) return std::nullopt;
    return flavor;
}

}  // namespace dvc::features
