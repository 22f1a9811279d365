// Exports of brightness, contrast, gamma and colour temperature.
#include "api/call_frame.hpp"
#include "features/at_mode.hpp"
#include "features/colour_temperature.hpp"
#include "features/gamma.hpp"
#include "features/levels.hpp"
#include "libdvc/dvc_picture.h"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
using dvc::features::Level;
namespace features = dvc::features;

namespace {

DvError GetRatio(const char* id1, const char* id2, Level level, double* ratio) {
    int step = 0;
    return CallMonitor<ErrorResult>(id1, id2, features::GetLevel, level, ratio, &step);
}

DvError GetStep(const char* id1, const char* id2, Level level, int* step) {
    double ratio = 0;
    return CallMonitor<ErrorResult>(id1, id2, features::GetLevel, level, &ratio, step);
}

constexpr int kByRatio = 0;
constexpr int kBySteps = 1;

// Out-flag exports: 0 when the operation failed, else its flag; the kept
// form gives the flag whatever the result.
template <class Op>
int SupportFlag(const char* id1, const char* id2, Op op, bool kept) {
    int flag = 0;
    const DvError result = CallMonitor<ErrorResult>(id1, id2, op, &flag);
    return kept || result >= 0 ? flag : 0;
}

}  // namespace

extern "C" {

DvError DvCtrlGetBrightnessForPercentage(const char* id1, const char* id2, double* ratio) {
    return GetRatio(id1, id2, Level::Brightness, ratio);
}
DvError DvCtrlGetBrightnessForStep(const char* id1, const char* id2, int* step) {
    return GetStep(id1, id2, Level::Brightness, step);
}
DvError DvCtrlSetBrightnessForPercentage(const char* id1, const char* id2, double ratio) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetLevel, Level::Brightness, ratio, 0, kByRatio);
}
DvError DvCtrlSetBrightnessForStep(const char* id1, const char* id2, int step) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetLevel, Level::Brightness, 0.0, step, kBySteps);
}
DvError DvCtrlGetBrightnessForStepAtMode(const char* id1, const char* id2, int mode, int* step) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetLevelAtMode, Level::Brightness, mode, step);
}

DvError DvCtrlGetContrastForPercentage(const char* id1, const char* id2, double* ratio) {
    return GetRatio(id1, id2, Level::Contrast, ratio);
}
DvError DvCtrlGetContrastForStep(const char* id1, const char* id2, int* step) {
    return GetStep(id1, id2, Level::Contrast, step);
}
DvError DvCtrlSetContrastForPercentage(const char* id1, const char* id2, double ratio) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetLevel, Level::Contrast, ratio, 0, kByRatio);
}
DvError DvCtrlSetContrastForStep(const char* id1, const char* id2, int step) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetLevel, Level::Contrast, 0.0, step, kBySteps);
}
DvError DvCtrlGetContrastForStepAtMode(const char* id1, const char* id2, int mode, int* step) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetLevelAtMode, Level::Contrast, mode, step);
}

// The older range form: any failure is DvErrFailed, an absent control
// DvErrNotSupported.
DvError DvCtrlGetRangeContrastForStep(const char* id1, const char* id2, int* maximum, int* minimum, int* defaultStep) {
    int flag = 0;
    const DvError result =
        CallMonitor<ErrorResult>(id1, id2, features::GetRangeContrastForStep, &flag, maximum, minimum, defaultStep);
    if (result < 0) return DvErrFailed;
    return flag == 0 ? DvErrNotSupported : result;
}
int DvCtrlSupportedContrast(const char* id1, const char* id2) {
    const auto range = [](VarnMonitor& monitor, int* flag) {
        return features::GetRangeContrastForStep(monitor, flag, nullptr, nullptr, nullptr);
    };
    return SupportFlag(id1, id2, range, false);
}

DvError DvCtrlGetGamma(const char* id1, const char* id2, double* gamma) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetGamma, gamma);
}
DvError DvCtrlSetGamma(const char* id1, const char* id2, double gamma) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetGamma, gamma);
}
DvError DvCtrlGetGammaIndex(const char* id1, const char* id2, int* index) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetGammaIndex, index);
}
DvError DvCtrlSetGammaIndex(const char* id1, const char* id2, int index) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetGammaIndex, index);
}

DvError DvCtrlGetColorTemperature(const char* id1, const char* id2, int* kelvin) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetColorTemperature, kelvin);
}
DvError DvCtrlSetColorTemperature(const char* id1, const char* id2, int kelvin) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetColorTemperature, kelvin);
}
DvError DvCtrlGetColorTemperatureIndex(const char* id1, const char* id2, int* index) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetColorTemperatureIndex, index);
}
DvError DvCtrlSetColorTemperatureIndex(const char* id1, const char* id2, int index) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetColorTemperatureIndex, index);
}
DvError DvCtrlEnumColorTemperatureIndex(const char* id1, const char* id2, int position, int* index) {
    return CallMonitor<ErrorResult>(id1, id2, features::EnumColorTemperatureIndex, position, index);
}
int DvCtrlSupportedColorTemperature(const char* id1, const char* id2) {
    return SupportFlag(id1, id2, features::SupportedColorTemperature, true);
}
int DvCtrlSupportedColorTemperatureIndex(const char* id1, const char* id2) {
    return SupportFlag(id1, id2, features::SupportedColorTemperatureIndex, true);
}

}  // extern "C"
