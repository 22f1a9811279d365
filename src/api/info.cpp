// Exports of reset and save.
#include "features/info.hpp"
#include "api/call_frame.hpp"
#include "libdvc/dvc_info.h"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
namespace features = dvc::features;

extern "C" {

DvError DvCtrlReset(const char* id1, const char* id2, int kind) {
    return CallMonitor<ErrorResult>(id1, id2, features::Reset, kind);
}

DvError DvCtrlEachReset(const char* id1, const char* id2, int value) {
    return CallMonitor<ErrorResult>(id1, id2, features::EachReset, value);
}

DvError DvCtrlCurrentSave(const char* id1, const char* id2, int kind, int value) {
    return CallMonitor<ErrorResult>(id1, id2, features::CurrentSave, kind, value);
}

}  // extern "C"
