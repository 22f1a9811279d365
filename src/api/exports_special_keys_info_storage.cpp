// Exports of key, marker, reset, save and asset-tag operations with an
// encoding of their own.
#include "api/call_frame.hpp"
#include "libdvc/dvc_info.h"
#include "libdvc/dvc_keys_osd.h"
#include "libdvc/dvc_storage.h"
#include "registry/varn_monitor.hpp"

using dvc::api::CallMonitor;
using dvc::api::CountResult;
using dvc::api::ErrorResult;

extern "C" {

DvError DvCtrlShowCenterCrossMarker(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::ShowCenterCrossMarker);
}

DvError DvCtrlHideCenterCrossMarker(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::HideCenterCrossMarker);
}

DvError DvCtrlGetKeyPushCount(const char* id1, const char* id2, int key, int* count) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::GetKeyPushCount, key, count);
}

DvError DvCtrlReset(const char* id1, const char* id2, int kind) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::Reset, kind);
}

DvError DvCtrlEachReset(const char* id1, const char* id2, int value) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::EachReset, value);
}

DvError DvCtrlCurrentSave(const char* id1, const char* id2, int kind, int value) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::CurrentSave, kind, value);
}

DvError DvCtrlGetAssetTag(const char* id1, const char* id2, char* buffer, int size) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::GetAssetTag, buffer, size);
}

int DvCtrlGetAssetTagSize(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, [](VarnMonitor& monitor) {
        int size = 0;
        return monitor.GetAssetTagSize(&size) < 0 ? 0 : size;
    });
}

DvError DvCtrlSetEnableAssetTag(const char* id1, const char* id2, int value) {
    return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::SetEnableAssetTag, value);
}

}  // extern "C"
