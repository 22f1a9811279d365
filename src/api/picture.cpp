// Exports of picture operations with an encoding of their own.
#include "features/picture.hpp"
#include "api/call_frame.hpp"

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

}  // extern "C"
