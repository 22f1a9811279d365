// The calibration modes of the model: the Tonality values that a
// calibration may target, each with its calibration slot.
#include <algorithm>

#include "features/model.hpp"
#include "features/tonality.hpp"

namespace dvc::features {

int SupportedTNFunction(VarnMonitor& monitor) {
    return monitor.Record() != nullptr && !monitor.Record()->calibrationModes.empty() ? 1 : 0;
}

DvError GetTNInformation(VarnMonitor& monitor, int index, int* tonality, int* slot) {
    if (tonality == nullptr || slot == nullptr) return DvErrInvalidParameter;
    if (monitor.Record() == nullptr) return DvErrFailed;
    const auto& modes = monitor.Record()->calibrationModes;
    if (index < 0 || static_cast<std::size_t>(index) >= modes.size()) return DvErrNoMoreItems;
    *tonality = modes[static_cast<std::size_t>(index)].first;
    *slot = modes[static_cast<std::size_t>(index)].second;
    return DvOk;
}

// The current Tonality, when it is one of the calibration modes.
DvError GetCurrentCalibrationTN(VarnMonitor& monitor, int* tonality) {
    if (tonality == nullptr) return DvErrInvalidParameter;
    if (SupportedTNFunction(monitor) == 0) return DvErrNotSupported;
    int current = 0;
    const DvError read = GetTonality(monitor, &current);
    if (read < 0) return read;
    const auto& modes = monitor.Record()->calibrationModes;
    if (std::none_of(modes.begin(), modes.end(), [&](const auto& m) { return m.first == current; }))
        return DvErrNotSupported;
    *tonality = current;
    return read;
}

}  // namespace dvc::features
