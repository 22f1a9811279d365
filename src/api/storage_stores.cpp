// Exports of the two key/value stores: the SDK data for host software and
// the application data for the maker's own applications.
#include "api/call_frame.hpp"
#include "features/storage.hpp"
#include "libdvc/dvc_storage.h"
#include "paths/storage_items.hpp"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
namespace features = dvc::features;
namespace items = dvc::paths::items;

extern "C" {

DvError DvCtrlFSGetSDKDataForKey(const char* id1, const char* id2, const char* key, uint8_t* buffer, int* size) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetStoreValue, items::kSdkData, key, buffer, size);
}

DvError DvCtrlFSSetSDKDataForKey(const char* id1, const char* id2, const char* key, const uint8_t* data, int size) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetStoreValue, items::kSdkData, key, data, size);
}

DvError DvCtrlFSResetSDKData(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::ResetStore, items::kSdkData);
}

int DvCtrlFSSupportedSDKData(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedStore, items::kSdkData);
}

DvError DvCtrlPrivateFSGetApplicationDataForKey(const char* id1, const char* id2, const char* key, uint8_t* buffer,
                                                int* size) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetStoreValue, items::kApplicationData, key, buffer, size);
}

DvError DvCtrlPrivateFSSetApplicationDataForKey(const char* id1, const char* id2, const char* key, const uint8_t* data,
                                                int size) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetStoreValue, items::kApplicationData, key, data, size);
}

DvError DvCtrlPrivateFSResetApplicationData(const char* id1, const char* id2) {
    return CallMonitor<ErrorResult>(id1, id2, features::ResetStore, items::kApplicationData);
}

int DvCtrlPrivateFSSupportedApplicationData(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedStore, items::kApplicationData);
}

}  // extern "C"
