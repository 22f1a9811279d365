// Brightness and contrast, as a ratio of the control's maximum (the
// "Percentage" exports) or as raw steps, each way through one operation
// that the two exports share; the contrast range with its default.
#pragma once

#include <cstdint>

#include "libdvc/dvc_types.h"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

enum class Level { Brightness, Contrast };

// The ratio and the raw value at once (first-success rule); each export
// hands a scratch value for the form it does not want.
DvError GetLevel(VarnMonitor& monitor, Level level, double* ratio, int* step);
// useSteps 0: the control's maximum times `ratio` (refused below 0.0 by
// the paths, not above 1.0); 1: `step` unchanged.
DvError SetLevel(VarnMonitor& monitor, Level level, double ratio, int step, int useSteps);

// The contrast range with a default: the model's, else derived from the
// range. Maximum, minimum and default are written only where given.
DvError GetRangeContrastForStep(VarnMonitor& monitor, int* flag, int* maximum, int* minimum, int* defaultStep);

// The default of a contrast range whose model gives none: 100 for a
// maximum of 100, 70 for 140, else half the span (toward zero).
constexpr int ContrastDefaultOfRange(int32_t maximum, int32_t minimum) {
    if (maximum == 100) return 100;
    if (maximum == 140) return 70;
    return static_cast<int>((static_cast<int64_t>(maximum) - minimum) / 2);
}

}  // namespace dvc::features
