// The media emulation a colour mode other than the current one uses: the
// per-mode block holds one byte a mode.
#include "features/lut_at_mode.hpp"
#include "features/luts.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"

namespace dvc::features {

DvError GetMediaEmuSelectionAtMode(VarnMonitor& monitor, int mode, int* selection) {
    if (const DvError absent = CheckAtMode(monitor, selection, 1)) return absent;
    if (mode < 0) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return paths::BlockItemGet(path, codes::kMediaEmuSelectionModes, 1, mode, selection);
    });
}

}  // namespace dvc::features
