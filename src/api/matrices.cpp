// Exports of the colour-matrix bank.
#include "features/matrices.hpp"

#include "api/call_frame.hpp"
#include "libdvc/dvc_luts.h"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
namespace features = dvc::features;

extern "C" {

DvError DvCtrlGetColorMatrix(const char* id1, const char* id2, int slot, double* matrix) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetColorMatrix, slot, matrix);
}
DvError DvCtrlSetColorMatrix(const char* id1, const char* id2, int slot, const double* matrix, int enable) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetColorMatrix, slot, matrix, enable);
}
DvError DvCtrlGetColorMatrix32(const char* id1, const char* id2, int slot, double* matrix) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetColorMatrix32, slot, matrix);
}
DvError DvCtrlSetColorMatrix32(const char* id1, const char* id2, int slot, const double* matrix, int enable) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetColorMatrix32, slot, matrix, enable);
}
DvError DvCtrlGetColorMatrixDirect(const char* id1, const char* id2, int slot, int16_t* raw) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetColorMatrixDirect, slot, raw);
}
DvError DvCtrlSetColorMatrixDirect(const char* id1, const char* id2, int slot, const int16_t* raw, int enable) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetColorMatrixDirect, slot, raw, enable);
}
DvError DvCtrlGetColorMatrixDirect32(const char* id1, const char* id2, int slot, int32_t* raw) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetColorMatrixDirect32, slot, raw);
}
DvError DvCtrlSetColorMatrixDirect32(const char* id1, const char* id2, int slot, const int32_t* raw, int enable) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetColorMatrixDirect32, slot, raw, enable);
}
DvError DvCtrlGetColorMatrix32AtMode(const char* id1, const char* id2, int mode, int slot, double* matrix) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetColorMatrix32AtMode, mode, slot, matrix);
}
DvError DvCtrlGetAsicMatrix32(const char* id1, const char* id2, double* matrix) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetAsicMatrix32, matrix);
}

// The flag whatever the operation's result.
int DvCtrlSupportedColorMatrix(const char* id1, const char* id2) {
    int flag = 0;
    CallMonitor<ErrorResult>(id1, id2, features::SupportedColorMatrix, &flag);
    return flag;
}

DvError DvCtrlSetColorMatrixAdjustedForR9Bug32(const char* id1, const char* id2, int slot, const double* matrix,
                                               int enable) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetColorMatrixCompensated, slot, matrix, enable, nullptr);
}
DvError DvCtrlSetColorMatrixAdjustedForR9Bug32_c1(const char* id1, const char* id2, int slot, const double* matrix,
                                                  int enable, int32_t* inverse) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetColorMatrixCompensated, slot, matrix, enable, inverse);
}

}  // extern "C"
