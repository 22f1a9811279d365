#include "features/colour_patch.hpp"

#include <string_view>

#include "features/path_rules.hpp"
#include "paths/patch_generation.hpp"

namespace dvc::features {
namespace {

// The settle time of the models with a patch generator: the grading model's
// panel takes about a third of a second to reach a new flat field at its
// measuring spot. Models not listed need no wait.
struct PatchSettle {
    std::string_view model;
    uint32_t milliseconds;
};
constexpr PatchSettle kPatchSettle[] = {{"CG3180", 300}};

bool UnitLevel(double v) { return v >= 0.0 && v <= 1.0; }

}  // namespace

uint32_t PatchSettleMilliseconds(std::string_view model) {
    for (const auto& entry : kPatchSettle)
        if (entry.model == model) return entry.milliseconds;
    return 0;
}

DvError GenerateColorPatch(VarnMonitor& monitor, int show, const DvColorPatchRequest* request) {
    const DvColorPatchRequest* shown = show != 0 ? request : nullptr;
    if (shown != nullptr && !(UnitLevel(shown->red) && UnitLevel(shown->green) && UnitLevel(shown->blue)))
        return DvErrOutOfUnitRange;
    const paths::PatchBlock block = paths::BuildPatchBlock(shown);
    const uint32_t settle = PatchSettleMilliseconds(monitor.ModelName());
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paths::GenerateColorPatch(path, block, settle); });
}

}  // namespace dvc::features
