// Exports of the six-colour adjustments.
#include "features/six_colours.hpp"
#include "api/call_frame.hpp"
#include "features/at_mode.hpp"
#include "libdvc/dvc_picture.h"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
using dvc::features::SixColourControl;
using dvc::features::SixColourProperty;
using dvc::features::SixValues;
namespace features = dvc::features;

namespace {

constexpr auto kHue = SixColourControl::Hue;
constexpr auto kSaturation = SixColourControl::Saturation;

int Supported(const char* id1, const char* id2, SixColourControl control, int all) {
    int maximum = 0;
    int minimum = 0;
    return CallMonitor<ErrorResult>(id1, id2, features::GetRange6Colors, control, &maximum, &minimum, all) >= 0 ? 1 : 0;
}

}  // namespace

extern "C" {

DvError DvCtrlGet6ColorsHue(const char* id1, const char* id2, int* value, int position) {
    return CallMonitor<ErrorResult>(id1, id2, features::Get6Colors, kHue, value, position);
}
DvError DvCtrlSet6ColorsHue(const char* id1, const char* id2, int value, int position) {
    return CallMonitor<ErrorResult>(id1, id2, features::Set6Colors, kHue, value, position);
}
DvError DvCtrlGetRange6ColorsHue(const char* id1, const char* id2, int* maximum, int* minimum, int all) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetRange6Colors, kHue, maximum, minimum, all);
}
int DvCtrlSupported6ColorsHue(const char* id1, const char* id2, int all) { return Supported(id1, id2, kHue, all); }

DvError DvCtrlGet6ColorsSaturation(const char* id1, const char* id2, int* value, int position) {
    return CallMonitor<ErrorResult>(id1, id2, features::Get6Colors, kSaturation, value, position);
}
DvError DvCtrlSet6ColorsSaturation(const char* id1, const char* id2, int value, int position) {
    return CallMonitor<ErrorResult>(id1, id2, features::Set6Colors, kSaturation, value, position);
}
DvError DvCtrlGetRange6ColorsSaturation(const char* id1, const char* id2, int* maximum, int* minimum, int all) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetRange6Colors, kSaturation, maximum, minimum, all);
}
int DvCtrlSupported6ColorsSaturation(const char* id1, const char* id2, int all) {
    return Supported(id1, id2, kSaturation, all);
}

DvError DvCtrlGet6ColorsAllLightness(const char* id1, const char* id2, int* values) {
    return CallMonitor<ErrorResult>(id1, id2, features::Get6ColorsAllLightness, values);
}
DvError DvCtrlSet6ColorsAllLightness(const char* id1, const char* id2, int red, int green, int blue, int cyan,
                                     int magenta, int yellow) {
    return CallMonitor<ErrorResult>(id1, id2, features::Set6ColorsAllLightness,
                                    SixValues{red, green, blue, cyan, magenta, yellow});
}
// The older range form: any failure is DvErrFailed, an absent control
// DvErrNotSupported.
DvError DvCtrlGetRange6ColorsLightness(const char* id1, const char* id2, int* maximum, int* minimum) {
    int flag = 0;
    const DvError result =
        CallMonitor<ErrorResult>(id1, id2, features::GetRange6ColorsLightness, &flag, maximum, minimum);
    if (result < 0) return DvErrFailed;
    return flag == 0 ? DvErrNotSupported : result;
}
int DvCtrlSupported6ColorsLightness(const char* id1, const char* id2) {
    int flag = 0;
    const DvError result =
        CallMonitor<ErrorResult>(id1, id2, features::GetRange6ColorsLightness, &flag, nullptr, nullptr);
    return result >= 0 ? flag : 0;
}

DvError DvCtrlGet6ColorsAllHueAtMode(const char* id1, const char* id2, int mode, int* values) {
    return CallMonitor<ErrorResult>(id1, id2, features::Get6ColorsAtMode, SixColourProperty::Hue, mode, values);
}
DvError DvCtrlGet6ColorsAllSaturationAtMode(const char* id1, const char* id2, int mode, int* values) {
    return CallMonitor<ErrorResult>(id1, id2, features::Get6ColorsAtMode, SixColourProperty::Saturation, mode, values);
}
DvError DvCtrlGet6ColorsAllLightnessAtMode(const char* id1, const char* id2, int mode, int* values) {
    return CallMonitor<ErrorResult>(id1, id2, features::Get6ColorsAtMode, SixColourProperty::Lightness, mode, values);
}

DvError DvCtrlGet6ColorsAllHue2(const char* id1, const char* id2, int* values) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetAll2, kHue, values);
}
DvError DvCtrlSet6ColorsAllHue2(const char* id1, const char* id2, int red, int green, int blue, int cyan, int magenta,
                                int yellow) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetAll2, kHue,
                                    SixValues{red, green, blue, cyan, magenta, yellow});
}
DvError DvCtrlGet6ColorsAllSaturation2(const char* id1, const char* id2, int* values) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetAll2, kSaturation, values);
}
DvError DvCtrlSet6ColorsAllSaturation2(const char* id1, const char* id2, int red, int green, int blue, int cyan,
                                       int magenta, int yellow) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetAll2, kSaturation,
                                    SixValues{red, green, blue, cyan, magenta, yellow});
}
DvError DvCtrlGetRange6ColorsHue2(const char* id1, const char* id2, int* maximum, int* minimum) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetRange2, kHue, maximum, minimum);
}
DvError DvCtrlGetRange6ColorsSaturation2(const char* id1, const char* id2, int* maximum, int* minimum) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetRange2, kSaturation, maximum, minimum);
}

// One colour's hue, saturation and lightness: six exports per colour.
#define DVC_SIX_COLOUR_EXPORTS(Name, which)                                                         \
    DvError DvCtrlGet##Name##Hue2(const char* id1, const char* id2, int* value) {                   \
        return CallMonitor<ErrorResult>(id1, id2, features::GetColour2, kHue, which, value);        \
    }                                                                                               \
    DvError DvCtrlSet##Name##Hue2(const char* id1, const char* id2, int value) {                    \
        return CallMonitor<ErrorResult>(id1, id2, features::SetColour2, kHue, which, value);        \
    }                                                                                               \
    DvError DvCtrlGet##Name##Saturation2(const char* id1, const char* id2, int* value) {            \
        return CallMonitor<ErrorResult>(id1, id2, features::GetColour2, kSaturation, which, value); \
    }                                                                                               \
    DvError DvCtrlSet##Name##Saturation2(const char* id1, const char* id2, int value) {             \
        return CallMonitor<ErrorResult>(id1, id2, features::SetColour2, kSaturation, which, value); \
    }                                                                                               \
    DvError DvCtrlGet##Name##Lightness(const char* id1, const char* id2, int* value) {              \
        return CallMonitor<ErrorResult>(id1, id2, features::GetColourLightness, which, value);      \
    }                                                                                               \
    DvError DvCtrlSet##Name##Lightness(const char* id1, const char* id2, int value) {               \
        return CallMonitor<ErrorResult>(id1, id2, features::SetColourLightness, which, value);      \
    }

DVC_SIX_COLOUR_EXPORTS(Red, features::kRed)
DVC_SIX_COLOUR_EXPORTS(Yellow, features::kYellow)
DVC_SIX_COLOUR_EXPORTS(Green, features::kGreen)
DVC_SIX_COLOUR_EXPORTS(Cyan, features::kCyan)
DVC_SIX_COLOUR_EXPORTS(Blue, features::kBlue)
DVC_SIX_COLOUR_EXPORTS(Magenta, features::kMagenta)
#undef DVC_SIX_COLOUR_EXPORTS

}  // extern "C"
