// Reads of the picture settings stored for a colour mode other than the
// current one. They proceed when the monitor has colour modes or its model
// is one of the per-mode models; otherwise the out-values are cleared and
// the result is DvErrNotSupported. A null out-pointer is then refused with
// DvErrNullOutput.
#pragma once

#include "features/levels.hpp"
#include "features/six_colours.hpp"

namespace dvc::features {

DvError GetLevelAtMode(VarnMonitor& monitor, Level level, int mode, int* step);

enum class SixColourProperty { Hue, Saturation, Lightness };
// The six stored values, shifted by the control's minimum less half its
// span (by 0 when the range cannot be read, whose failure is returned).
DvError Get6ColorsAtMode(VarnMonitor& monitor, SixColourProperty property, int mode, int* values);

}  // namespace dvc::features
