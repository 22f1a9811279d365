// Exports of the asset tag, the unique device identifier and the usage time.
#include "features/storage.hpp"
#include "api/call_frame.hpp"
#include "libdvc/dvc_storage.h"

using dvc::api::CallMonitor;
using dvc::api::CountResult;
using dvc::api::ErrorResult;
namespace features = dvc::features;

extern "C" {

DvError DvCtrlGetAssetTag(const char* id1, const char* id2, char* buffer, int size) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetAssetTag, buffer, size);
}

int DvCtrlGetAssetTagSize(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, [](VarnMonitor& monitor) {
        int size = 0;
        return features::GetAssetTagSize(monitor, &size) < 0 ? 0 : size;
    });
}

DvError DvCtrlSetEnableAssetTag(const char* id1, const char* id2, int value) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetEnableAssetTag, value);
}

DvError DvCtrlSetAssetTag(const char* id1, const char* id2, const char* text) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetAssetTag, text);
}

DvError DvCtrlGetUDI(const char* id1, const char* id2, char* buffer, int size) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetUDI, buffer, size);
}

int DvCtrlGetUDISize(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, [](VarnMonitor& monitor) {
        int size = 0;
        return features::GetUDISize(monitor, &size) < 0 ? 0 : size;
    });
}

DvError DvCtrlSetUDI(const char* id1, const char* id2, const char* text) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetUDI, text);
}

DvError DvCtrlGetUsageTime(const char* id1, const char* id2, int* hours, int* minutes) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetUsageTime, hours, minutes);
}

}  // extern "C"
