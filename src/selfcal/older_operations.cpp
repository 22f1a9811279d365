#include "selfcal/older_operations.hpp"

#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "registry/varn_monitor.hpp"
#include "selfcal/older_records.hpp"
#include "selfcal/v5_capabilities.hpp"

namespace dvc::selfcal::older {
namespace {

using features::FirstAnswer;

template <class Op>
DvError EachPath(VarnMonitor& monitor, Op&& op) {
    return FirstAnswer(monitor.Paths(), std::forward<Op>(op));
}

bool Has(VarnMonitor& monitor, uint32_t code) { return ItemSupported(monitor, code); }

}  // namespace

DvError GetTargetV1(VarnMonitor& monitor, DvSelfCalibrationTarget* out) {
    return EachPath(monitor, [&](VarnMonitorInterface& path) { return ReadTargetV1(path, out); });
}

DvError SetTargetV1(VarnMonitor& monitor, const DvSelfCalibrationTarget* in) {
    if (in == nullptr) return DvErrInvalidParameter;
    return EachPath(monitor, [&](VarnMonitorInterface& path) { return WriteTargetV1(path, *in); });
}

DvError GetTargetV3(VarnMonitor& monitor, DvSelfCalibrationTargetV3* out) {
    const bool hasV3 = Has(monitor, codes::kSelfCalTargetV3);
    if (!hasV3 && !Has(monitor, codes::kSelfCalTargetV1)) return DvErrFailed;
    return EachPath(monitor, [&](VarnMonitorInterface& path) { return ReadTargetV3(path, hasV3, out); });
}

DvError SetTargetV3(VarnMonitor& monitor, const DvSelfCalibrationTargetV3* in) {
    if (in == nullptr) return DvErrInvalidParameter;
    const bool hasV3 = Has(monitor, codes::kSelfCalTargetV3);
    if (!hasV3 && !Has(monitor, codes::kSelfCalTargetV1)) return DvErrFailed;
    return EachPath(monitor, [&](VarnMonitorInterface& path) { return WriteTargetV3(path, hasV3, *in); });
}

DvError GetResultV1(VarnMonitor& monitor, DvSelfCalibrationResult* out) {
    return EachPath(monitor, [&](VarnMonitorInterface& path) { return ReadResultV1(path, out); });
}

DvError SetResultV1(VarnMonitor& monitor, const DvSelfCalibrationResult* in) {
    if (in == nullptr) return DvErrInvalidParameter;
    return EachPath(monitor, [&](VarnMonitorInterface& path) { return WriteResultV1(path, *in); });
}

DvError GetSettingV1(VarnMonitor& monitor, DvSelfCalibrationResultSetting* out) {
    return EachPath(monitor, [&](VarnMonitorInterface& path) { return ReadSettingV1(path, out); });
}

DvError SetSettingV1(VarnMonitor& monitor, const DvSelfCalibrationResultSetting* in) {
    if (in == nullptr) return DvErrInvalidParameter;
    return EachPath(monitor, [&](VarnMonitorInterface& path) { return WriteSettingV1(path, *in); });
}

int SupportedTargetV3(VarnMonitor& monitor) { return Has(monitor, codes::kSelfCalTargetV3) ? 1 : 0; }

int SupportedResultV2(VarnMonitor& monitor) { return Has(monitor, codes::kSelfCalResultV2Support) ? 1 : 0; }

int SupportedResultV3(VarnMonitor& monitor) {
    return Has(monitor, codes::kSelfCalResultV2Support) && Has(monitor, codes::kColorMode) ? 1 : 0;
}

int SupportedResultV4(VarnMonitor& monitor) {
    return Has(monitor, codes::kSelfCalResultV4Support) || SupportedResultV3(monitor) != 0 ? 1 : 0;
}

int SupportedLStar(VarnMonitor& monitor) {
    return Has(monitor, codes::kSelfCalResultV4Support) || Has(monitor, codes::kSelfCalResultPaged) ? 1 : 0;
}

// The paged target marks the generation whose records travel as objects.
int SupportedSelfCalibrationV5(VarnMonitor& monitor) { return Has(monitor, codes::kSelfCalTargetPaged) ? 1 : 0; }

}  // namespace dvc::selfcal::older
