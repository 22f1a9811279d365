// Exports of reset, save and the firmware version.
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

DvError DvCtrlSave(const char* id1, const char* id2) { return CallMonitor<ErrorResult>(id1, id2, features::Save); }

DvError DvCtrlGetFirmwareVersion(const char* id1, const char* id2, char* buffer, int capacity) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetFirmwareVersion, buffer, capacity);
}

}  // extern "C"
