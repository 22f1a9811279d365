// Exports of picture operations with an encoding of their own.
#include "features/picture.hpp"
#include "api/call_frame.hpp"
#include "features/gamma.hpp"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
namespace features = dvc::features;

extern "C" {

DvError DvCtrlSetColorDisable(const char* id1, const char* id2, int value, int* previous, int waitMs) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetColorDisable, value, previous, waitMs);
}

DvError DvCtrlDisableColorForCandelaUpdate(const char* id1, const char* id2, DvColorDisableState** state, int waitMs) {
    return CallMonitor<ErrorResult>(id1, id2, features::DisableColorForCandelaUpdate, state, waitMs);
}

// The record comes back to the library whatever happens, even when the
// monitor has gone: the caller has given it up.
DvError DvCtrlRestoreDisableColorForCandelaUpdate(const char* id1, const char* id2, DvColorDisableState* state) {
    if (state == nullptr) return DvErrInvalidParameter;
    const DvError result = CallMonitor<ErrorResult>(id1, id2, features::RestoreDisableColorForCandelaUpdate, state);
    features::FreeColorDisableState(state);
    return result;
}

DvError DvCtrlGetRGBWChromaticities(const char* id1, const char* id2, colour* red, colour* green, colour* blue,
                                    colour* white) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetRGBWChromaticities, red, green, blue, white);
}

DvError DvCtrlGetD65CRTColor(const char* id1, const char* id2, colour* d65) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetD65CRTColor, d65);
}

DvError DvCtrlSetBrightRegulator(const char* id1, const char* id2, int value) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetBrightRegulator, value);
}

DvError DvCtrlGetCandela(const char* id1, const char* id2, double* candela, int* status) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetCandela, candela, status);
}

DvError DvCtrlSetCandela(const char* id1, const char* id2, double candela) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetCandela, candela);
}

DvError DvCtrlGetRangeCandela(const char* id1, const char* id2, double* maximum, double* minimum) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetRangeCandela, maximum, minimum);
}

DvError DvCtrlGetCandelaOSDRangeHDR(const char* id1, const char* id2, int index, int* maximum, int* minimum) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetCandelaOSDRangeHDR, index, maximum, minimum);
}

DvError DvCtrlGetSystemChromaticityAll(const char* id1, const char* id2, double* xy, int sets) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetSystemChromaticityAll, xy, sets);
}

DvError DvCtrlSetSystemChromaticityAll(const char* id1, const char* id2, const double* xy, int sets) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetSystemChromaticityAll, xy, sets);
}

DvError DvCtrlGetGainDefinition(const char* id1, const char* id2, int table, uint8_t* definition) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetGainDefinition, table, definition);
}

}  // extern "C"

// Exported under its C++ name, as hosts built against earlier releases
// link it.
DvError DvCtrlGetGammaAdjustmentState(const char* id1, const char* id2, int* state) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetGammaAdjustmentState, state);
}
