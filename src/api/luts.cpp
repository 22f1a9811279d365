// Exports of the tone LUT, with its encodings and comparison.
#include "features/luts.hpp"
#include "api/call_frame.hpp"
#include "features/front_lut.hpp"
#include "features/rear_lut.hpp"
#include "features/ten_bit_luts.hpp"
#include "libdvc/dvc_luts.h"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
namespace features = dvc::features;

extern "C" {

int DvCtrlSupportedLUT(const char* id1, const char* id2, int channel) {
    int flag = 0;
    CallMonitor<ErrorResult>(id1, id2, features::SupportedLUT, channel, &flag);
    return flag;
}

DvError DvCtrlSetLUT(const char* id1, const char* id2, int channel, const double* levels, const int* bank) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetLUT, channel, levels, bank);
}

DvError DvCtrlGetLUT(const char* id1, const char* id2, int channel, double* levels, const int* bank) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetLUT, channel, levels, bank);
}

DvError DvCtrlGetLUTAtMode(const char* id1, const char* id2, int mode, int channel, double* levels) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetLUTAtMode, mode, channel, levels);
}

DvError DvCtrlGetLUT10bit(const char* id1, const char* id2, int channel, double* levels) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetLUT10bit, channel, levels);
}

DvError DvCtrlSetLUT10bit(const char* id1, const char* id2, int channel, const double* levels) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetLUT10bit, channel, levels);
}

int DvCtrlIsEqualLUT(const char* id1, const char* id2, int kind, const double* first, const double* second, int count,
                     int tolerance) {
    return CallMonitor<YesNoResult>(id1, id2, features::IsEqualLUT, kind, first, second, count, tolerance);
}

}  // extern "C"

// LUT facts of the model record.
extern "C" {

DvError DvCtrlEnumGamutIndex(const char* id1, const char* id2, int index, int* gamut) {
    return CallMonitor<ErrorResult>(id1, id2, features::EnumGamutIndex, index, gamut);
}

int DvCtrlSupportedMediaEmu(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedMediaEmu);
}

DvError DvCtrlGetMaxRearLUTDirectColor(const char* id1, const char* id2, int* maximum) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetMaxRearLUTDirectColor, maximum);
}

DvError DvCtrlGetMaxRearLUTDirectMono(const char* id1, const char* id2, int* maximum) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetMaxRearLUTDirectMono, maximum);
}

DvError DvCtrlGetFrontLUTPrecision(const char* id1, const char* id2, int* precision) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetFrontLUTPrecision, precision);
}

int DvCtrlSupportedREC709GamutWarningForREC2020(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedREC709GamutWarningForREC2020);
}

}  // extern "C"

// The rear LUT, in the monitor's own layout.
extern "C" {

int DvCtrlSupportedRearLUT(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedRearLUT);
}

int DvCtrlGetRearLUTSize(const char* id1, const char* id2) {
    return CallMonitor<dvc::api::CountResult>(id1, id2, features::GetRearLUTSize);
}

DvError DvCtrlGetRearLUTDirectWithROM(const char* id1, const char* id2, uint8_t* data, int* size) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetRearLUTDirectWithROM, data, size);
}

DvError DvCtrlSetRearLUTDirectWithROM(const char* id1, const char* id2, const uint8_t* data, int size) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetRearLUTDirectWithROM, data, size);
}

}  // extern "C"

// The front LUT.
extern "C" {

int DvCtrlSupportedFrontLUT(const char* id1, const char* id2, int bits) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedFrontLUT, bits);
}

int DvCtrlGetFrontLUTSize(const char* id1, const char* id2, int bits) {
    return CallMonitor<dvc::api::CountResult>(id1, id2, features::GetFrontLUTSize, bits);
}

DvError DvCtrlGetFrontLUTMaxRawValue(const char* id1, const char* id2, int* maximum) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetFrontLUTMaxRawValue, maximum);
}

DvError DvCtrlGetFrontLUT(const char* id1, const char* id2, int channel, double* levels, int count) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetFrontLUT, channel, levels, count);
}

DvError DvCtrlSetFrontLUT(const char* id1, const char* id2, int channel, const double* levels, int count) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetFrontLUT, channel, levels, count);
}

DvError DvCtrlGetFrontLUTAtMode(const char* id1, const char* id2, int mode, int channel, double* levels, int count) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetFrontLUTAtMode, mode, channel, levels, count);
}

int DvCtrlSupportedFrontLUTEnabled(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedFrontLUTEnabled);
}

DvError DvCtrlGetFrontLUTEnabled(const char* id1, const char* id2, int* enabled) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetFrontLUTEnabled, enabled);
}

DvError DvCtrlSetFrontLUTEnabled(const char* id1, const char* id2, int enabled) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetFrontLUTEnabled, enabled);
}

}  // extern "C"

// Media emulation: the 1D LUTs and the selection of another colour mode.
extern "C" {

DvError DvCtrlGetMediaEmu1DLUT(const char* id1, const char* id2, int index, int channel, double* levels) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetMediaEmu1DLUT, index, channel, levels);
}

DvError DvCtrlSetMediaEmu1DLUT(const char* id1, const char* id2, int index, int channel, const double* levels) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetMediaEmu1DLUT, index, channel, levels);
}

DvError DvCtrlGetMediaEmuSelectionAtMode(const char* id1, const char* id2, int mode, int* selection) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetMediaEmuSelectionAtMode, mode, selection);
}

}  // extern "C"
