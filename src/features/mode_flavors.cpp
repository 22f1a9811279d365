// The flavour of a colour mode other than the current one: the flavour
// code's block holds one byte per mode.
#include "features/modes.hpp"
#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "registry/model_groups.hpp"

namespace dvc::features {

// As every per-mode read: for monitors with colour modes and for the
// models that keep per-mode settings without reporting modes.
DvError GetFlavorAtMode(VarnMonitor& monitor, int mode, int* flavor) {
    if (!HasColourModes(monitor) && !registry::InModelGroup(registry::ModelGroup::AtMode, monitor.ModelName())) {
        if (flavor != nullptr) *flavor = 0;
        return DvErrNotSupported;
    }
    if (flavor == nullptr) return DvErrNullOutput;
    if (mode < 0) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::BlockItemGet(path, codes::kFlavor, 1, mode, flavor);
    });
}

}  // namespace dvc::features
