// Exports of the raw data items: calibration data, EGD data, the rear gamma
// tables and the usage time per brightness.
#include "paths/storage_items.hpp"
#include "api/call_frame.hpp"
#include "features/storage.hpp"
#include "libdvc/dvc_storage.h"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
namespace features = dvc::features;
namespace items = dvc::paths::items;

namespace {
template <const char* const* Tag>
DvError Read(const char* id1, const char* id2, int item, uint8_t* buffer, int length, int offset = 0) {
    return CallMonitor<ErrorResult>(id1, id2, features::ReadItem, *Tag, item, buffer, length, offset);
}
template <const char* const* Tag>
DvError Write(const char* id1, const char* id2, int item, const uint8_t* data, int length) {
    return CallMonitor<ErrorResult>(id1, id2, features::WriteItem, *Tag, item, data, length);
}
template <const char* const* Tag>
DvError Info(const char* id1, const char* id2, int* size, int* support) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetItemInfo, *Tag, size, support);
}
template <const char* const* Tag>
int Supported(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedItem, *Tag);
}

constexpr const char* kCal = items::kCalibrationData;
constexpr const char* kEgd = items::kEgdData;
constexpr const char* kRear = items::kRearGamma;
constexpr const char* kRearMono = items::kRearGammaMono;
constexpr const char* kUsage = items::kUsageTimeEachBrightness;
}  // namespace

extern "C" {

DvError DvCtrlFSGetCalDataSize(const char* id1, const char* id2, int* size, int* support) {
    return Info<&kCal>(id1, id2, size, support);
}
DvError DvCtrlFSGetCalDataData(const char* id1, const char* id2, int item, uint8_t* buffer, int length) {
    return Read<&kCal>(id1, id2, item, buffer, length);
}
DvError DvCtrlFSGetCalDataDataWithOffset(const char* id1, const char* id2, int item, uint8_t* buffer, int length,
                                         int offset) {
    return Read<&kCal>(id1, id2, item, buffer, length, offset);
}
DvError DvCtrlFSSetCalDataData(const char* id1, const char* id2, int item, const uint8_t* data, int length) {
    return Write<&kCal>(id1, id2, item, data, length);
}

DvError DvCtrlFSGetEGDSize(const char* id1, const char* id2, int* size, int* support) {
    return Info<&kEgd>(id1, id2, size, support);
}
DvError DvCtrlFSGetEGDData(const char* id1, const char* id2, int item, uint8_t* buffer, int length) {
    return Read<&kEgd>(id1, id2, item, buffer, length);
}
DvError DvCtrlFSSetEGDData(const char* id1, const char* id2, int item, const uint8_t* data, int length) {
    return Write<&kEgd>(id1, id2, item, data, length);
}

DvError DvCtrlFSGetRearGamma(const char* id1, const char* id2, int item, uint8_t* buffer, int length) {
    return Read<&kRear>(id1, id2, item, buffer, length);
}
DvError DvCtrlFSSetRearGamma(const char* id1, const char* id2, int item, const uint8_t* data, int length) {
    return Write<&kRear>(id1, id2, item, data, length);
}
int DvCtrlFSSupportedRearGamma(const char* id1, const char* id2) { return Supported<&kRear>(id1, id2); }

DvError DvCtrlFSGetRearGammaMono(const char* id1, const char* id2, int item, uint8_t* buffer, int length) {
    return Read<&kRearMono>(id1, id2, item, buffer, length);
}
DvError DvCtrlFSSetRearGammaMono(const char* id1, const char* id2, int item, const uint8_t* data, int length) {
    return Write<&kRearMono>(id1, id2, item, data, length);
}
int DvCtrlFSSupportedRearGammaMono(const char* id1, const char* id2) { return Supported<&kRearMono>(id1, id2); }

DvError DvCtrlFSGetUsageTimeEachBrightness(const char* id1, const char* id2, int item, uint8_t* buffer, int length) {
    return Read<&kUsage>(id1, id2, item, buffer, length);
}
int DvCtrlFSSupportedUsageTimeEachBrightness(const char* id1, const char* id2) { return Supported<&kUsage>(id1, id2); }

}  // extern "C"
