// Exports of marker and key operations with an encoding of their own.
#include "features/keys_osd.hpp"
#include "api/call_frame.hpp"
#include "libdvc/dvc_keys_osd.h"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
namespace features = dvc::features;

extern "C" {

DvError DvCtrlShowCenterCrossMarker(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::ShowCenterCrossMarker);
}

DvError DvCtrlHideCenterCrossMarker(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::HideCenterCrossMarker);
}

DvError DvCtrlGetKeyPushCount(const char* id1, const char* id2, int key, int* count) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetKeyPushCount, key, count);
}

}  // extern "C"
