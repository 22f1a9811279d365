// The six-colour adjustments. Values cross the interface centred on the
// middle of the control's range; every array of six is in the legacy order
// red, green, blue, cyan, magenta, yellow. The legacy operations address a
// colour by its legacy position; the newer ones (Hue2, Saturation2 and the
// per-colour exports) carry the colour's position in both orders and use
// the newer controls on models with the newer-generation marker.
#pragma once

#include <array>
#include <cstdint>

#include "libdvc/dvc_types.h"
#include "paths/six_colours.hpp"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

using paths::SixColourControl;
using SixValues = std::array<int, paths::kColours>;

// The control's raw range on the first path: one query for the
// all-colours setting, else one per colour, each of which must answer and
// report the control. The failing query's code, DvErrNotSupported for an
// absent control, DvErrFailed without paths.
DvError SixColourRange(VarnMonitor& monitor, SixColourControl control, bool all, int32_t& maximum, int32_t& minimum);

// Legacy hue and saturation of colour `position` (6: all colours).
DvError Get6Colors(VarnMonitor& monitor, SixColourControl control, int* value, int position);
DvError Set6Colors(VarnMonitor& monitor, SixColourControl control, int value, int position);
// The centred range. Hue passes a failed query's code on; saturation folds
// it into DvErrFailed. An absent control: DvErrNotSupported.
DvError GetRange6Colors(VarnMonitor& monitor, SixColourControl control, int* maximum, int* minimum, int all);

// Lightness: the range (older form, with its flag) and all six values.
DvError GetRange6ColorsLightness(VarnMonitor& monitor, int* flag, int* maximum, int* minimum);
DvError Get6ColorsAllLightness(VarnMonitor& monitor, int* values);
DvError Set6ColorsAllLightness(VarnMonitor& monitor, const SixValues& values);

// The newer interface. A colour: its positions in the newer and the legacy
// order.
struct SixColour {
    int newer;
    int legacy;
};
inline constexpr SixColour kRed{0, 0}, kYellow{1, 5}, kGreen{2, 1}, kCyan{3, 3}, kBlue{4, 2}, kMagenta{5, 4};
// The colours in the newer order.
inline constexpr std::array<SixColour, paths::kColours> kNewerOrder{kRed, kYellow, kGreen, kCyan, kBlue, kMagenta};

DvError GetColour2(VarnMonitor& monitor, SixColourControl control, SixColour which, int* value);
DvError SetColour2(VarnMonitor& monitor, SixColourControl control, SixColour which, int value);
// All six through the per-colour operation, in the newer order; the result
// of the last (magenta).
DvError GetAll2(VarnMonitor& monitor, SixColourControl control, int* values);
DvError SetAll2(VarnMonitor& monitor, SixColourControl control, const SixValues& values);
// The legacy range of all colours, shifted by half its span.
DvError GetRange2(VarnMonitor& monitor, SixColourControl control, int* maximum, int* minimum);
// One colour's lightness, through all six.
DvError GetColourLightness(VarnMonitor& monitor, SixColour which, int* value);
DvError SetColourLightness(VarnMonitor& monitor, SixColour which, int value);

}  // namespace dvc::features
