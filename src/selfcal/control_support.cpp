// Support of self-calibration and of the self-QC calibration: the same
// state item serves both, and the other items present tell them apart.
#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "selfcal/control.hpp"

namespace dvc::selfcal {

using features::AnyPath;
using paths::SupportedByFixedData;

int SupportedSelfCalibration(VarnMonitor& monitor) {
    // Monitors that correct themselves, or run the LEA self-check, use the
    // state item for that instead.
    return AnyPath(monitor.Paths(), [](VarnMonitorInterface& path) {
        return SupportedByFixedData(path, codes::kSelfCalState) &&
                       !SupportedByFixedData(path, codes::kSelfCorrectionTarget) &&
                       !SupportedByFixedData(path, codes::kSelfQCLEAState)
                   ? 1
                   : 0;
    });
}

int SupportedSelfQCCal(VarnMonitor& monitor) {
    return AnyPath(monitor.Paths(), [](VarnMonitorInterface& path) {
        return SupportedByFixedData(path, codes::kSelfCalState) && SupportedByFixedData(path, codes::kSelfQCLEAState)
                   ? 1
                   : 0;
    });
}

}  // namespace dvc::selfcal
